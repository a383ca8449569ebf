#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>

#include "common/misc/CxDateTime.h"
#include "support/DoStageFixture.h"
#include "ui/Ansi.h"
#include "ui/Oneaction.h"
#include "ui/PageIds.h"
#include "watcher/ZorvoActionWatcher.h"

namespace {

// A local date and time as the stores hold it.
double local(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  CxSystemTime st;
  st.wYear = static_cast<uint16_t>(year);
  st.wMonth = static_cast<uint16_t>(month);
  st.wDay = static_cast<uint16_t>(day);
  st.wHour = static_cast<uint16_t>(hour);
  st.wMinute = static_cast<uint16_t>(minute);
  st.wSecond = static_cast<uint16_t>(second);
  double value = 0;
  EXPECT_TRUE(system_time_to_ole(st, value));
  return value;
}

class ActionEditorTest : public DoStageFixture {
 protected:
  // Opens a stored action from the Actions page, as the user does.
  void open(const Action* action) {
    main().show_page(kPageHome, true);
    main().show_page(kPageActions, true);
    click(kPageActions, "rbtnAll");
    for (int r = 0; r < rows(kPageActions); ++r)
      if (list(kPageActions)->model()->index(r, 0).data() == from_ansi(action->name.view()))
        select(kPageActions, r);
    click(kPageActions, "btnProp");
    ASSERT_EQ(current_page(), kPageOneAction);
  }
  void add_new() {
    main().show_page(kPageActions, true);
    click(kPageActions, "btnAdd");
    ASSERT_EQ(current_page(), kPageOneAction);
  }
  TfmOneAction& editor() { return *static_cast<TfmOneAction*>(page(kPageOneAction)); }
  template <class W = QWidget>
  W* field(const char* name) {
    return control<W>(page(kPageOneAction), name);
  }
  QString status_shown() { return field<QComboBox>("cbStatus")->currentText(); }
  void choose(const char* list, const QString& entry) {
    auto* combo = field<QComboBox>(list);
    const int index = combo->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    combo->setCurrentIndex(index);
  }
  void save() { click(kPageOneAction, "btnSave"); }
  bool refresh_active() { return field<QTimer>("tmRefresh")->isActive(); }
};

TEST_F(ActionEditorTest, ANewActionLoadsWithItsDefaultsAndIsStoredNotStarted) {
  add("older");
  add_new();
  auto* tabs = field<QTabWidget>("pMain");
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(0), "General");
  EXPECT_EQ(tabs->tabText(1), "Time && Status");
  EXPECT_EQ(tabs->tabText(2), "Notes");
  EXPECT_EQ(tabs->widget(1)->objectName(), "tTime");
  EXPECT_EQ(field("memNotes")->parentWidget(), tabs->widget(2));
  EXPECT_EQ(field<QLabel>("Label2")->text(), "Context:");
  EXPECT_EQ(field<QLabel>("Label4")->text(), "before the due time.");

  EXPECT_EQ(status_shown(), "Not Started");
  EXPECT_EQ(field<QComboBox>("cbPriority")->currentText(), "Normal");
  EXPECT_TRUE(field<QRadioButton>("rbtnASAP")->isChecked());
  EXPECT_FALSE(field("edtDelegate")->isEnabled());
  EXPECT_FALSE(field("pkScheduleDate")->isEnabled());
  EXPECT_EQ(field<QDateEdit>("pkScheduleDate")->date(), QDate(2025, 12, 9));  // now
  EXPECT_EQ(field<QTimeEdit>("pkScheduleTime")->time(), QTime(12, 0));
  EXPECT_EQ(field<QComboBox>("cbContext")->currentText(), "Not Specified");
  EXPECT_FALSE(field<QCheckBox>("cbDue")->isChecked());
  EXPECT_FALSE(field("pkDueDate")->isEnabled());
  EXPECT_FALSE(field("cbRemind")->isEnabled());
  EXPECT_FALSE(field("edtAlarmInterval")->isEnabled());
  EXPECT_EQ(field<QComboBox>("cbAlarmUnit")->currentText(), "Minutes");
  EXPECT_EQ(field<QSpinBox>("edtHour")->value(), 0);
  EXPECT_EQ(field<QSpinBox>("edtMin")->value(), 0);
  EXPECT_EQ(field<QLabel>("lblActualTime")->text(), "00 : 00 : 00");
  EXPECT_EQ(field<QSpinBox>("edtPercent")->value(), 0);
  EXPECT_EQ(field<QPushButton>("btnStart")->text(), "Start");
  EXPECT_TRUE(field("btnStart")->isEnabled());
  EXPECT_EQ(field<QLabel>("lblCreateTime")->text(), "12/09/2025 12:00:00");

  type(kPageOneAction, "edtName", "Book the venue");
  save();
  EXPECT_EQ(current_page(), kPageActions);
  ASSERT_EQ(g().actions.count(), 2u);
  const Action* stored = *std::next(g().actions.records().begin());
  EXPECT_EQ(stored->name.view(), "Book the venue");
  EXPECT_EQ(stored->status, kStatusNotStarted);
  EXPECT_EQ(stored->priority_flags, kPriorityNormal);
  EXPECT_EQ(stored->due, 0);
  EXPECT_EQ(stored->scheduled, 0);
  EXPECT_EQ(stored->remind, 0);
}

TEST_F(ActionEditorTest, WhatIsLoaded) {
  Action* a = add("odd values", 0x30000);
  a->action_type = 5;
  a->priority_flags = 0x7;  // no priority bit
  a->context_id = 999;      // no such context
  a->estimate_minutes = 60;
  a->remind_unit = 0;
  a->spent_seconds = 360000;
  open(a);
  EXPECT_EQ(status_shown(), "Not Started");
  EXPECT_TRUE(field<QRadioButton>("rbtnASAP")->isChecked());
  EXPECT_EQ(field<QComboBox>("cbPriority")->currentText(), "Normal");
  EXPECT_EQ(field<QComboBox>("cbContext")->currentText(), "Not Specified");
  EXPECT_EQ(field<QSpinBox>("edtHour")->value(), 1);
  EXPECT_EQ(field<QSpinBox>("edtMin")->value(), 0);
  EXPECT_EQ(field<QComboBox>("cbAlarmUnit")->currentText(), "Minutes");
  EXPECT_EQ(field<QLabel>("lblActualTime")->text(), "100 : 00 : 00");

  Action* b = add("scheduled and due", kStatusDisabled);
  b->action_type = kTypeScheduled;
  b->scheduled = local(2026, 2, 1, 8, 5, 30);
  b->due = local(2026, 1, 15, 14, 30);
  b->remind = 1;
  b->remind_lead = 2;
  b->remind_unit = kUnitDays;
  b->delegate = "Ann";
  b->context_id = 7;
  b->priority_flags = kPriorityLow | kPriorityNormal;  // tested High, Normal, Low
  open(b);
  EXPECT_EQ(status_shown(), "Disabled");
  EXPECT_FALSE(field("btnStart")->isEnabled());
  EXPECT_TRUE(field<QRadioButton>("rbtnSchedule")->isChecked());
  EXPECT_FALSE(field("edtDelegate")->isEnabled());
  EXPECT_EQ(field<QLineEdit>("edtDelegate")->text(), "Ann");
  EXPECT_TRUE(field("pkScheduleTime")->isEnabled());
  EXPECT_EQ(field<QDateEdit>("pkScheduleDate")->date(), QDate(2026, 2, 1));
  EXPECT_EQ(field<QTimeEdit>("pkScheduleTime")->time(), QTime(8, 5, 30));
  EXPECT_TRUE(field<QCheckBox>("cbDue")->isChecked());
  EXPECT_EQ(field<QDateEdit>("pkDueDate")->date(), QDate(2026, 1, 15));
  EXPECT_EQ(field<QTimeEdit>("pkDueTime")->time(), QTime(14, 30));
  EXPECT_TRUE(field<QCheckBox>("cbRemind")->isChecked());
  EXPECT_TRUE(field("cbAlarmUnit")->isEnabled());
  EXPECT_EQ(field<QSpinBox>("edtAlarmInterval")->value(), 2);
  EXPECT_EQ(field<QComboBox>("cbAlarmUnit")->currentText(), "Days");
  EXPECT_EQ(field<QComboBox>("cbContext")->currentText(), "@Office");
  EXPECT_EQ(field<QComboBox>("cbPriority")->currentText(), "Normal");
  // Unticking Due takes the reminder's switch with it.
  field<QCheckBox>("cbDue")->click();
  EXPECT_FALSE(field("cbRemind")->isEnabled());
  EXPECT_FALSE(field("edtAlarmInterval")->isEnabled());
  EXPECT_FALSE(field("pkDueTime")->isEnabled());
}

TEST_F(ActionEditorTest, WhatIsSaved) {
  const std::string long_name(255, 'd');
  const struct {
    const char* what;
    std::function<void(Action&)> stored;  // the action before it is opened
    std::function<void()> edit;           // what the user does in the editor
    std::function<void(const Action&)> check;
  } cases[] = {
      {"Stopped clears the spent time", [](Action& a) { a.spent_seconds = 500; },
       [&] { choose("cbStatus", "Stopped"); },
       [](const Action& a) {
         EXPECT_EQ(a.status, kStatusStopped);
         EXPECT_EQ(a.spent_seconds, 0);
       }},
      {"without Due, no due time and no reminder",
       [](Action& a) {
         a.due = 46001.5;
         a.remind = 1;
         a.remind_lead = 2;
         a.remind_unit = kUnitHours;
       },
       [&] { field<QCheckBox>("cbDue")->click(); },
       [](const Action& a) {
         EXPECT_EQ(a.due, 0);
         EXPECT_EQ(a.remind, 0);
         EXPECT_EQ(a.remind_lead, 2);
         EXPECT_EQ(a.remind_unit, kUnitHours);
       }},
      {"a due day and a due time of day", [](Action&) {},
       [&] {
         field<QCheckBox>("cbDue")->click();
         field<QDateEdit>("pkDueDate")->setDate(QDate(2026, 1, 15));
         field<QTimeEdit>("pkDueTime")->setTime(QTime(14, 30));
         field<QRadioButton>("rbtnSchedule")->click();
         field<QDateEdit>("pkScheduleDate")->setDate(QDate(2026, 2, 1));
         field<QTimeEdit>("pkScheduleTime")->setTime(QTime(8, 5, 30));
       },
       [](const Action& a) {
         EXPECT_EQ(a.due, local(2026, 1, 15, 14, 30));
         EXPECT_EQ(a.action_type, kTypeScheduled);
         EXPECT_EQ(a.scheduled, local(2026, 2, 1, 8, 5, 30));
       }},
      {"from Schedule to ASAP",
       [](Action& a) {
         a.action_type = kTypeScheduled;
         a.scheduled = 46003.25;
         a.delegate = "Ann";
       },
       [&] { field<QRadioButton>("rbtnASAP")->click(); },
       [](const Action& a) {
         EXPECT_EQ(a.action_type, kTypeAsap);
         EXPECT_EQ(a.scheduled, 0);
         EXPECT_EQ(a.delegate.view(), "Ann");
       }},
      {"delegated", [](Action& a) { a.delegate = "Ann"; },
       [&] {
         field<QRadioButton>("rbtnDelegate")->click();
         type(kPageOneAction, "edtDelegate", "Bob");
       },
       [](const Action& a) {
         EXPECT_EQ(a.action_type, kTypeDelegated);
         EXPECT_EQ(a.delegate.view(), "Bob");
       }},
      {"an estimate of 60 minutes", [](Action&) {},
       [&] { field<QSpinBox>("edtMin")->setValue(60); },
       [](const Action& a) { EXPECT_EQ(a.estimate_minutes, 60); }},
      {"a reminder 15 minutes before", [](Action& a) { a.due = 46001.5; },
       [&] {
         field<QCheckBox>("cbRemind")->click();
         field<QSpinBox>("edtAlarmInterval")->setValue(15);
         choose("cbAlarmUnit", "Minutes");
       },
       [](const Action& a) {
         EXPECT_EQ(a.remind, 1);
         EXPECT_EQ(a.remind_lead, 15);
         EXPECT_EQ(a.remind_unit, kUnitMinutes);
       }},
      {"High keeps the lower bits", [](Action& a) { a.priority_flags = kPriorityLow | 0x5; },
       [&] { choose("cbPriority", "High"); },
       [](const Action& a) { EXPECT_EQ(a.priority_flags, kPriorityHigh | 0x5); }},
      {"255 characters", [](Action&) {},
       [&] { type(kPageOneAction, "edtName", QString::fromStdString(long_name)); },
       [&](const Action& a) { EXPECT_EQ(a.name.view(), long_name); }},
      {"percent, context and notes", [](Action&) {},
       [&] {
         field<QSpinBox>("edtPercent")->setValue(40);
         choose("cbContext", "@Office");
         field<QPlainTextEdit>("memNotes")->setPlainText("ask for the quote");
       },
       [](const Action& a) {
         EXPECT_EQ(a.percent_done, 40);
         EXPECT_EQ(a.context_id, 7);
         EXPECT_EQ(a.notes.view(), "ask for the quote");
       }},
      {"what the editor does not show stays",
       [](Action& a) {
         a.project_id = 9;
         a.source_item_id = 3;
         a.started = 45000.5;
         a.completed = 45001.5;
         a.spare_d = "kept";
       },
       [] {},
       [](const Action& a) {
         EXPECT_EQ(a.project_id, 9);
         EXPECT_EQ(a.source_item_id, 3);
         EXPECT_EQ(a.started, 45000.5);
         EXPECT_EQ(a.completed, 45001.5);
         EXPECT_EQ(a.spare_d.view(), "kept");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Action* a = add(c.what);
    c.stored(*a);
    open(a);
    c.edit();
    clock.advance_seconds(5);
    save();
    EXPECT_EQ(current_page(), kPageActions);
    c.check(*a);
    EXPECT_EQ(a->modified, clock.moment());
  }
  // An estimate of 60 minutes loads back as 1 hour 0 minutes.
  open(*std::next(g().actions.records().begin(), 5));
  EXPECT_EQ(field<QSpinBox>("edtHour")->value(), 1);
  EXPECT_EQ(field<QSpinBox>("edtMin")->value(), 0);
}

TEST_F(ActionEditorTest, SavingAStatusSwitchesTheRunningAction) {
  Action* a = add("a");
  Action* b = add("b", kStatusPaused);
  g().actions.set_active(a, kStatusPaused);
  open(b);
  choose("cbStatus", "Running");
  EXPECT_EQ(field<QPushButton>("btnStart")->text(), "Pause");
  EXPECT_EQ(b->status, kStatusPaused);  // the list only changes the button
  save();
  EXPECT_EQ(g().actions.active_action(), b);
  EXPECT_EQ(a->status, kStatusPaused);
  open(b);
  choose("cbStatus", "Completed");
  EXPECT_FALSE(field("btnStart")->isEnabled());
  save();
  EXPECT_EQ(b->status, kStatusCompleted);
  EXPECT_EQ(g().actions.active_action(), nullptr);
  main().tmMainTimer();
  EXPECT_EQ(b->spent_seconds, 0);
}

TEST_F(ActionEditorTest, StartAndPauseActAtOnceAndCancelKeepsThem) {
  Action* a = add("a");
  Action* b = add("b");
  g().actions.set_active(a, kStatusPaused);
  open(a);
  EXPECT_EQ(field<QPushButton>("btnStart")->text(), "Pause");
  click(kPageOneAction, "btnStart");
  EXPECT_EQ(g().actions.active_action(), nullptr);
  EXPECT_EQ(status_shown(), "Paused");
  EXPECT_EQ(field<QPushButton>("btnStart")->text(), "Start");
  click(kPageOneAction, "btnCancel");
  EXPECT_EQ(a->status, kStatusPaused);

  open(b);
  click(kPageOneAction, "btnStart");
  EXPECT_EQ(g().actions.active_action(), b);
  EXPECT_EQ(b->started, 0);  // only the Actions page stamps the start
  QTest::keyClick(field("edtName"), Qt::Key_Escape);
  EXPECT_EQ(current_page(), kPageActions);
  EXPECT_EQ(g().actions.active_action(), b);
  EXPECT_TRUE(g().actions.dirty());
}

TEST_F(ActionEditorTest, ANewActionStartedAndCancelledLeavesNoneRunning) {
  Action* a = add("a");
  g().actions.set_active(a, kStatusPaused);
  add_new();
  type(kPageOneAction, "edtName", "never stored");
  click(kPageOneAction, "btnStart");
  EXPECT_EQ(g().actions.active_action(), editor().record());
  EXPECT_EQ(a->status, kStatusPaused);
  main().tmMainTimer();
  click(kPageOneAction, "btnCancel");
  EXPECT_EQ(g().actions.active_action(), nullptr);
  EXPECT_EQ(main().watcher()->name_text(), "None");
  EXPECT_EQ(g().actions.count(), 1u);
  main().tmMainTimer();  // nothing to count, nothing freed touched
  EXPECT_EQ(a->spent_seconds, 0);
  click("lblHome");
  EXPECT_EQ(control<QLabel>(page(kPageHome), "lblCurAction")->text(), "N/A");
  // Back to the editor: the cancelled action is gone from it too.
  click("btnBack");
  click("btnBack");
  ASSERT_EQ(current_page(), kPageOneAction);
  EXPECT_FALSE(field("edtName")->isEnabled());
  EXPECT_FALSE(field("btnStart")->isEnabled());
  EXPECT_FALSE(refresh_active());

  // Started and saved, the new action runs on as the stored one.
  add_new();
  type(kPageOneAction, "edtName", "stored and running");
  click(kPageOneAction, "btnStart");
  main().tmMainTimer();
  save();
  ASSERT_EQ(g().actions.count(), 2u);
  Action* stored = *std::next(g().actions.records().begin());
  EXPECT_EQ(g().actions.active_action(), stored);
  EXPECT_EQ(stored->status, kStatusRunning);
  main().tmMainTimer();
  EXPECT_EQ(stored->spent_seconds, 2);
}

TEST_F(ActionEditorTest, SavingAChangedDueTimeSchedulesTheReminderAfresh) {
  Action* a = add("dentist");
  a->due = local(2025, 12, 10, 10);
  a->remind = 1;
  a->remind_lead = 2;
  a->remind_unit = kUnitHours;
  g().alarms.collect_action_reminders();
  ASSERT_EQ(g().alarms.count(), 1u);
  g().alarms.snooze(g().alarms.first(), 15);
  const double snoozed = a->reminder_time;

  // Saved for another reason, the reminder keeps its time.
  open(a);
  field<QSpinBox>("edtPercent")->setValue(10);
  save();
  EXPECT_EQ(a->reminder_time, snoozed);
  EXPECT_EQ(g().alarms.count(), 1u);

  open(a);
  field<QTimeEdit>("pkDueTime")->setTime(QTime(16, 0));
  save();
  EXPECT_EQ(a->reminder_time, 0);
  EXPECT_EQ(g().alarms.count(), 0u);
  g().alarms.collect_action_reminders();
  ASSERT_EQ(g().alarms.count(), 1u);
  EXPECT_DOUBLE_EQ(a->reminder_time, local(2025, 12, 10, 14));

  open(a);
  field<QCheckBox>("cbRemind")->click();
  save();
  EXPECT_EQ(g().alarms.count(), 0u);
  g().alarms.collect_action_reminders();
  EXPECT_EQ(g().alarms.count(), 0u);
}

TEST_F(ActionEditorTest, AnEditorWhoseActionWasDeletedShowsNothingAtOnce) {
  Action* a = add("doomed", kStatusNotStarted);
  add("other");
  g().actions.set_active(a, kStatusPaused);
  open(a);
  type(kPageOneAction, "edtName", "typed, not saved");
  click("btnBack");
  ASSERT_EQ(current_page(), kPageActions);
  tick(kPageActions, 0);
  prompts.answer(Prompts::Yes);
  click(kPageActions, "btnDelete");
  EXPECT_EQ(g().actions.active_action(), nullptr);
  click("btnForward");
  ASSERT_EQ(current_page(), kPageOneAction);
  EXPECT_TRUE(field<QLineEdit>("edtName")->text().isEmpty());
  for (const char* name : {"edtName", "memNotes", "cbStatus", "btnStart", "cbDue", "cbContext",
                           "btnEditContext", "edtHour", "rbtnASAP"})
    EXPECT_FALSE(field(name)->isEnabled()) << name;
  EXPECT_TRUE(field<QLabel>("lblActualTime")->text().isEmpty());
  EXPECT_FALSE(refresh_active());
  save();  // acts as Cancel
  EXPECT_EQ(current_page(), kPageActions);
  EXPECT_EQ(g().actions.count(), 1u);
  EXPECT_EQ(g().actions.first()->name.view(), "other");
}

TEST_F(ActionEditorTest, TheSpentTimeCountsLiveOnlyWhileTheEditorIsShown) {
  Action* a = add("running");
  a->spent_seconds = 59;
  g().actions.set_active(a, kStatusPaused);
  open(a);
  EXPECT_TRUE(refresh_active());
  main().tmMainTimer();
  editor().tmRefreshTimer();
  EXPECT_EQ(field<QLabel>("lblActualTime")->text(), "00 : 01 : 00");
  click("btnBack");
  EXPECT_FALSE(refresh_active());
  click("btnForward");
  EXPECT_TRUE(refresh_active());
  save();
  EXPECT_FALSE(refresh_active());
}

TEST_F(ActionEditorTest, TheContextButtonCommitsFirst) {
  Action* a = add("call the plumber");
  open(a);
  type(kPageOneAction, "edtName", "");
  prompts.answer(Prompts::Ok);
  click(kPageOneAction, "btnEditContext");
  EXPECT_EQ(current_page(), kPageOneAction);
  EXPECT_EQ(prompts.messages().back().text, "The description field can not be empty.");
  EXPECT_EQ(a->name.view(), "call the plumber");
  type(kPageOneAction, "edtName", "call the plumber again");
  choose("cbContext", "@Calls");
  click(kPageOneAction, "btnEditContext");
  EXPECT_EQ(current_page(), kPageContexts);
  EXPECT_EQ(a->name.view(), "call the plumber again");
  EXPECT_EQ(a->context_id, 4);
  EXPECT_FALSE(refresh_active());
}

TEST_F(ActionEditorTest, EnterInANumberFieldSaves) {
  Action* a = add("estimate me");
  open(a);
  field<QTabWidget>("pMain")->setCurrentIndex(1);
  auto* hours = field<QSpinBox>("edtHour");
  hours->setFocus();
  hours->selectAll();
  QTest::keyClicks(hours, "3");
  QTest::keyClick(hours, Qt::Key_Return);
  EXPECT_EQ(current_page(), kPageActions);
  EXPECT_EQ(a->estimate_minutes, 180);
}

// The program's local time zone, for as long as it lives.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* tz = std::getenv("TZ")) m_old = tz;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TimeZone() {
    if (m_old)
      setenv("TZ", m_old->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> m_old;
};

TEST_F(ActionEditorTest, DueTimesAcrossADaylightSavingChangeKeepTheirLocalTime) {
  TimeZone berlin("Europe/Berlin");
  const double skipped = local(2024, 3, 31, 2, 30);    // the clock jumps from 02:00 to 03:00
  const double repeated = local(2024, 10, 27, 2, 30);  // the clock goes back from 03:00 to 02:00
  for (double due : {skipped, repeated}) {
    Action* a = add("across the change");
    a->due = due;
    open(a);
    EXPECT_EQ(field<QTimeEdit>("pkDueTime")->time(), QTime(2, 30));
    save();
    EXPECT_EQ(a->due, due);
  }
  Action* a = add("afternoon");
  open(a);
  field<QCheckBox>("cbDue")->click();
  field<QDateEdit>("pkDueDate")->setDate(QDate(2024, 3, 31));
  field<QTimeEdit>("pkDueTime")->setTime(QTime(14, 30));
  save();
  EXPECT_EQ(a->due, local(2024, 3, 31) + 14.5 / 24);
}

// Opening the running action from elsewhere while the editor shows another one commits that one
// first.
TEST_F(ActionEditorTest, OpeningTheRunningActionCommitsTheActionShown) {
  Action* running = add("running");
  Action* other = add("other");
  g().actions.set_active(running, kStatusPaused);
  open(other);
  type(kPageOneAction, "edtName", "other, renamed");
  QTest::mouseClick(main().watcher(), Qt::LeftButton, {}, QPoint(100, 80));
  EXPECT_EQ(current_page(), kPageOneAction);
  EXPECT_EQ(other->name.view(), "other, renamed");
  EXPECT_EQ(editor().record(), running);
  EXPECT_EQ(field<QLineEdit>("edtName")->text(), "running");
  EXPECT_EQ(editor().return_page(), kPageActions);

  // A new action shown in the editor is stored first.
  add_new();
  type(kPageOneAction, "edtName", "new one");
  main().open_running_action();
  EXPECT_EQ(g().actions.count(), 3u);
  EXPECT_EQ(editor().record(), running);

  // An empty description keeps the editor on the action it shows.
  open(other);
  type(kPageOneAction, "edtName", "");
  prompts.answer(Prompts::Ok);
  main().open_running_action();
  EXPECT_EQ(editor().record(), other);
  EXPECT_EQ(other->name.view(), "other, renamed");

  // From the Home page.
  type(kPageOneAction, "edtName", "other");
  click("lblHome");
  click(kPageHome, "lblCurAction");
  EXPECT_EQ(current_page(), kPageOneAction);
  EXPECT_EQ(editor().record(), running);
}

}  // namespace
