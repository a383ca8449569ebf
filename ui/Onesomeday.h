#pragma once

#include "stores/ZorvoSomedayMgr.h"
#include "ui/DateTimePickers.h"
#include "ui/RecordEditor.h"

class ReminderControls;
class ZorvoAlarmMgr;

// The editor of one someday/maybe item: description, notes, when it comes up, and a reminder
// some minutes, hours or days before that.
class TfmOneSomeday : public TfmRecordEditor<ZorvoSomedayMgr> {
  Q_OBJECT

 public:
  TfmOneSomeday(Navigator& nav, ZorvoSomedayMgr& someday, ZorvoAlarmMgr& alarms);

 protected:
  void fill(SomedayItem& item) override;
  void take_input(SomedayItem& item) override;
  void enable_own_controls(bool enabled) override;

 private:
  DateTimePickers m_when;
  ReminderControls* m_reminder;
  ZorvoAlarmMgr& m_alarms;
};
