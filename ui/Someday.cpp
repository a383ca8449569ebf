#include "ui/Someday.h"

#include "ui/ListCells.h"
#include "ui/PageIds.h"

namespace {

const ListPageInfo kInfo{
    "TfmSomeday",
    "View Someday/Maybe List:",
    "lvItem",
    {{"Description", 260}, {"Context", 120}, {"When", 120}, {"Notes", 200}},
    "Details",
    "Add Someday/Maybe",
    "Someday/Maybe Details",
    "Delete Someday/Maybe",
    "Are you sure to delete the %d selected Someday/Maybe %s?",
    "record",
    "records",
    2,
};

}  // namespace

TfmSomeday::TfmSomeday(TfmMain& main, Globals& globals)
    : TfmRecordList(main, globals, kInfo, globals.someday, kPageSomeday, kPageOneSomeday) {}

QStringList TfmSomeday::cells(const SomedayItem& item) {
  return {cells::one_line(item.name.view()), cells::context_name(m_g, item.context_id),
          cells::date_time(item.when), cells::one_line(item.notes.view())};
}
