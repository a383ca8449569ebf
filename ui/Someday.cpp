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

TfmSomeday::TfmSomeday(Navigator& nav, ZorvoSomedayMgr& someday, const ZorvoCtxMgr& contexts,
                       const Settings& settings)
    : TfmRecordList(nav, settings, kInfo, someday, kPageSomeday, kPageOneSomeday),
      m_contexts(contexts) {}

QString TfmSomeday::cell(const SomedayItem& item, int column) const {
  switch (column) {
    case 0:
      return cells::one_line(item.name.view());
    case 1:
      return cells::context_name(m_contexts, item.context_id);
    case 2:
      return cells::date_time(item.when);
    default:
      return cells::one_line(item.notes.view());
  }
}
