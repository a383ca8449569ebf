#include "ui/Oneref.h"

namespace {

const EditorSpec kSpec{"TfmOneRef", "Edit Zorvo Reference", "Desc:",
                       "The description field can not be empty."};

}  // namespace

TfmOneRef::TfmOneRef(TfmMain& main, Globals& globals)
    : TfmRecordEditor(main, globals, kSpec, globals.refs) {
  add_time_stamps("Label6");
}
