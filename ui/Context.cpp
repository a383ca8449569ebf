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

TfmContext::TfmContext(TfmMain& main, Globals& globals)
    : TfmRecordList(main, globals, kInfo, globals.contexts, kPageContexts, kPageOneContext) {}

QStringList TfmContext::cells(const Context& context) {
  return {cells::one_line(context.name.view()), cells::one_line(context.notes.view())};
}
