#include "ui/Oneref.h"

namespace {

const EditorInfo kInfo{"TfmOneRef", "Edit Zorvo Reference",
                       "Desc:", "The description field can not be empty."};

}  // namespace

TfmOneRef::TfmOneRef(Navigator& nav, ZorvoRefMgr& refs) : TfmRecordEditor(nav, kInfo, refs) {
  add_time_stamps("Label6");
}
