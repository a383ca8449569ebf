#pragma once

#include "stores/ZorvoAlarmMgr.h"
#include "ui/Navigator.h"
#include "ui/Page.h"

class QComboBox;
class QLabel;
class QPushButton;
class RecordListView;

// The reminders the scheduler holds, brought up by the once-a-minute check when one is due:
// open the record behind a reminder, dismiss one or all, or snooze one for a while. Each row
// refers to a scheduler entry; when the scheduler lets an entry go (its record removed,
// dismissed or scheduled afresh) the row leaves the list at once.
class TfmAlarm : public TfmPage, public ReturnsToPage {
  Q_OBJECT

 public:
  TfmAlarm(Navigator& nav, ZorvoAlarmMgr& alarms);

  // Filling rebuilds the list and resets the snooze choice; leaving is never refused.
  bool sync(bool commit) override;

 private:
  QString cell(const ReminderEntry& entry, int column) const;
  ReminderEntry* selected() const;
  // Details and buttons follow the selected row.
  void show_selection();
  void open();
  void dismiss();
  void dismiss_all();
  void snooze();

  ZorvoAlarmMgr& m_alarms;
  ZorvoAlarmMgr::Removals::Subscription m_removals;
  RecordListView* lvEvent;
  QLabel* lblDescription;
  QLabel* lblStartTime;
  QPushButton* btnOpen;
  QPushButton* btnDismiss;
  QPushButton* btnDismissAll;
  QComboBox* cbSnooze;
  QPushButton* btnSnooze;
};
