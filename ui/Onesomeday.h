#pragma once

#include "stores/ZorvoSomedayMgr.h"
#include "ui/RecordEditor.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QSpinBox;
class QTimeEdit;

// The editor of one someday/maybe item: description, notes, when it comes up, and a reminder
// some minutes, hours or days before that.
class TfmOneSomeday : public TfmRecordEditor<ZorvoSomedayMgr> {
  Q_OBJECT

 public:
  TfmOneSomeday(Navigator& nav, ZorvoSomedayMgr& someday);

 protected:
  void fill(SomedayItem& item) override;
  void take_input(SomedayItem& item) override;
  void enable_own_controls(bool enabled) override;

 private:
  void apply_reminder_rule();

  QDateEdit* pkDate;
  QTimeEdit* pkTime;
  QCheckBox* cbRemind;
  QSpinBox* edtAlarmInterval;
  QComboBox* cbAlarmUnit;
};
