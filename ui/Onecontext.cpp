#include "ui/Onecontext.h"

namespace {

const EditorInfo kInfo{"TfmOneContext",
                       "Edit Zorvo Context:", "Name:", "Context name field can not be empty."};

}  // namespace

TfmOneContext::TfmOneContext(Navigator& nav, ZorvoCtxMgr& contexts)
    : TfmRecordEditor(nav, kInfo, contexts) {}
