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

TfmRef::TfmRef(Navigator& nav, ZorvoRefMgr& refs, const ZorvoCtxMgr& contexts,
               const Settings& settings)
    : TfmRecordList(nav, settings, kInfo, refs, kPageRef, kPageOneRef), m_contexts(contexts) {}

QString TfmRef::cell(const RefItem& item, int column) const {
  switch (column) {
    case 0:
      return cells::one_line(item.name.view());
    case 1:
      return cells::context_name(m_contexts, item.context_id);
    default:
      return cells::one_line(item.notes.view());
  }
}
