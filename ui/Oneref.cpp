#include "ui/Oneref.h"

#include "ui/TimeStamps.h"

namespace {

const EditorSpec kSpec{"TfmOneRef", "Edit Zorvo Reference", "Desc:",
                       "The description field can not be empty."};

}  // namespace

TfmOneRef::TfmOneRef(TfmMain& main, Globals& globals)
    : TfmRecordEditor(main, globals, kSpec, globals.refs) {
  m_times = new TimeStamps(this);
  add_row(Place::BelowNotes, "Label6", "Time:", m_times);
}

void TfmOneRef::fill(RefItem& item) { m_times->show_times(item.created, item.modified); }

void TfmOneRef::enable_own_controls(bool enabled) {
  if (!enabled) m_times->clear();
}
