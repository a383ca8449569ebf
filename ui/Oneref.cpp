#include "ui/Oneref.h"

namespace {

const EditorInfo kInfo{"TfmOneRef", "Edit Zorvo Reference", "Desc:",
                       "The description field can not be empty."};

}  // namespace

TfmOneRef::TfmOneRef(TfmMain& main, Globals& globals)
    : TfmRecordEditor(main, globals, kInfo, globals.refs) {
  add_time_stamps("Label6");
}
