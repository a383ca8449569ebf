#include "ui/Onecontext.h"

namespace {

const EditorSpec kSpec{"TfmOneContext", "Edit Zorvo Context:", "Name:",
                       "Context name field can not be empty."};

}  // namespace

TfmOneContext::TfmOneContext(TfmMain& main, Globals& globals)
    : TfmRecordEditor(main, globals, kSpec, globals.contexts) {}
