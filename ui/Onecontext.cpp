#include "ui/Onecontext.h"

namespace {

const EditorInfo kInfo{"TfmOneContext", "Edit Zorvo Context:", "Name:",
                       "Context name field can not be empty."};

}  // namespace

TfmOneContext::TfmOneContext(TfmMain& main, Globals& globals)
    : TfmRecordEditor(main, globals, kInfo, globals.contexts) {}
