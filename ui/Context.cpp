#include "ui/Context.h"

#include "ui/ListCells.h"
#include "ui/PageIds.h"

namespace {

const ListPageInfo kInfo{
    "TfmContext",
    "You may configure the Context information here:",
    "lvContext",
    {{"Name", 260}, {"Notes", 450}},
    "Properties",
    "Add Context",
    "Context Properties",
    "Delete Context",
    "Are you sure to delete the %d selected context %s?",
    "record",
    "records",
};

}  // namespace

TfmContext::TfmContext(Navigator& nav, ZorvoCtxMgr& contexts, const Settings& settings)
    : TfmRecordList(nav, settings, kInfo, contexts, kPageContexts, kPageOneContext) {}

QString TfmContext::cell(const Context& context, int column) const {
  return cells::one_line(column == 0 ? context.name.view() : context.notes.view());
}
