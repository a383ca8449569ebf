#pragma once

#include <QTimer>

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoAlarmMgr.h"
#include "stores/ZorvoCtxMgr.h"
#include "ui/DateTimePickers.h"
#include "ui/RecordEditor.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class ReminderControls;

// The editor of one next action. "General": its context, its type (as soon as possible,
// delegated, scheduled) and its priority; "Time && Status": its status with a Start/Pause
// button that acts at once, its due time and reminder, the estimate, the time spent (counting
// live while it runs) and the finished percentage; "Notes": its notes.
class TfmOneAction : public TfmRecordEditor<ZorvoActionMgr> {
  Q_OBJECT

 public:
  TfmOneAction(Navigator& nav, ZorvoActionMgr& actions, const ZorvoCtxMgr& contexts,
               ZorvoAlarmMgr& alarms);

  void set_page_visible(bool visible) override;
  // Once a second while the editor is shown: the spent time is shown afresh.
  void tmRefreshTimer();

 protected:
  void fill(Action& action) override;
  void take_input(Action& action) override;
  void enable_own_controls(bool enabled) override;

 private:
  QWidget* general_tab();
  QWidget* time_tab();
  QWidget* notes_tab();
  // The rules that follow the type, the due switch and the chosen status.
  void apply_type_rule();
  void apply_due_rule();
  void apply_status_rule();
  // Start or Pause: at once, and Cancel does not undo it.
  void toggle_running();
  int32_t chosen_status() const;
  void show_spent_time();

  const ZorvoCtxMgr& m_contexts;
  ZorvoAlarmMgr& m_alarms;
  QTabWidget* pMain;
  QComboBox* cbContext;
  QPushButton* btnEditContext;
  QButtonGroup* m_types;
  QRadioButton* rbtnASAP;
  QRadioButton* rbtnDelegate;
  QRadioButton* rbtnSchedule;
  QLineEdit* edtDelegate;
  DateTimePickers m_schedule;
  QComboBox* cbPriority;
  QComboBox* cbStatus;
  QPushButton* btnStart;
  QCheckBox* cbDue;
  DateTimePickers m_due;
  ReminderControls* m_reminder;
  QSpinBox* edtHour;
  QSpinBox* edtMin;
  QLabel* lblActualTime;
  QSpinBox* edtPercent;
  QTimer tmRefresh;
};
