#include "ui/Ref.h"

#include "ui/ListCells.h"
#include "ui/PageIds.h"

namespace {

const ListPageInfo kInfo{
    "TfmRef",
    "View Reference List:",
    "lvRef",
    {{"Description", 260}, {"Context", 120}, {"Notes", 320}},
    "Details",
    "Add Reference",
    "Reference Details",
    "Delete Reference",
    "Are you sure to delete the %d selected Reference %s?",
    "record",
    "records",
};

}  // namespace

TfmRef::TfmRef(TfmMain& main, Globals& globals)
    : TfmRecordList(main, globals, kInfo, globals.refs, kPageRef, kPageOneRef) {}

QStringList TfmRef::cells(const RefItem& item) {
  return {cells::one_line(item.name.view()), cells::context_name(m_g, item.context_id),
          cells::one_line(item.notes.view())};
}
