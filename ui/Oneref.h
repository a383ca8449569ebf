#pragma once

#include "stores/ZorvoRefMgr.h"
#include "ui/RecordEditor.h"

class TimeStamps;

// The editor of one reference item: its description and notes, and when it was made and
// changed.
class TfmOneRef : public TfmRecordEditor<ZorvoRefMgr> {
  Q_OBJECT

 public:
  TfmOneRef(TfmMain& main, Globals& globals);

 protected:
  void fill(RefItem& item) override;
  void enable_own_controls(bool enabled) override;

 private:
  TimeStamps* m_times;
};
