#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "support/ProgramFixture.h"
#include "ui/Alarm.h"
#include "ui/Onesomeday.h"
#include "ui/PageIds.h"

namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr double kMinute = 60 * kSecond;

class RemindersTest : public ExitingProgramFixture {
 protected:
  // The action editor is another page's work: a stand-in shows what it is handed.
  void SetUp() override { start_program(); }
  void start_program() {
    start(pages_with_stubs({kPageOneAction}));
    control<QTimer>("tmMain")->stop();  // the test ticks by hand
  }

  TfmAlarm* alarm_page() { return dynamic_cast<TfmAlarm*>(page(kPageAlarm)); }
  QString label(const char* name) { return control<QLabel>(page(kPageAlarm), name)->text(); }
  void choose_snooze(int index) {
    control<QComboBox>(page(kPageAlarm), "cbSnooze")->setCurrentIndex(index);
  }

  // When the next once-a-minute check runs.
  double next_check() const {
    return clock.moment() + (60 - program->main_window()->tick_count() % 60) * kSecond;
  }
  // Ticks up to and including the next check; the clock moves with the ticks.
  void run_to_next_check() {
    do {
      clock.advance_seconds(1);
      main().tmMainTimer();
    } while (main().tick_count() % 60 != 0);
  }
  void bring_up() {
    run_to_next_check();
    ASSERT_EQ(current_page(), kPageAlarm);
  }

  // Records whose reminders, three days ahead of `due`, are due at once (for any `due` less
  // than three days away).
  Action* action(const char* name, double due) {
    Action a;
    a.name = name;
    a.status = kStatusNotStarted;
    a.due = due;
    set_reminder(a);
    return g().actions.add_copy(&a);
  }
  SomedayItem* someday(const char* name, double when) {
    SomedayItem s;
    s.name = name;
    s.when = when;
    set_reminder(s);
    return g().someday.add_copy(&s);
  }
  template <class R>
  static void set_reminder(R& r) {
    r.remind = 1;
    r.remind_lead = 3;
    r.remind_unit = kUnitDays;
  }
};

TEST_F(RemindersTest, DueRemindersComeUpAtTheNextCheck) {
  const double check = next_check();
  const struct {
    const char* name;
    bool is_action;
    double due;  // from the check
    const char* due_in;
  } cases[] = {
      {"pay the rent", true, 90 * kMinute, "1 hours 30 minutes"},
      {"call the bank", false, 59 * kSecond, "Now"},
      {"answer the mail", true, -59 * kSecond, "Now"},
      {"renew the passport", false, -(2 + (3 * 60 + 4) / 1440.0),
       "2 days 3 hours 4 minutes overdue"},
  };
  for (const auto& c : cases) {
    if (c.is_action)
      action(c.name, check + c.due)->started = 46000.0 + 8.25 / 24;
    else
      someday(c.name, check + c.due);
  }
  click("lblInbox");
  main().close();  // in the notification area
  for (int i = 0; i < 59; ++i) {
    clock.advance_seconds(1);
    main().tmMainTimer();
  }
  EXPECT_EQ(current_page(), kPageInbox);
  bring_up();
  EXPECT_EQ(alarm_page()->return_page(), kPageInbox);
  EXPECT_TRUE(main().isVisible());

  // Actions first, as they are scheduled, then someday/maybe items.
  int row = 0;
  for (bool actions : {true, false}) {
    for (const auto& c : cases) {
      if (c.is_action != actions) continue;
      EXPECT_EQ(cell(kPageAlarm, row, 0), c.name);
      EXPECT_EQ(cell(kPageAlarm, row, 1), c.due_in) << c.name;
      EXPECT_EQ(cell(kPageAlarm, row, 2), actions ? "Action" : "Someday");
      ++row;
    }
  }
  EXPECT_EQ(rows(kPageAlarm), row);
  // The first row is selected and described.
  EXPECT_EQ(list(kPageAlarm)->selected_row(), 0);
  EXPECT_EQ(label("lblDescription"), "pay the rent");
  EXPECT_EQ(label("lblStartTime"), "2025/12/09 08:15:00");
  select(kPageAlarm, 2);
  EXPECT_EQ(label("lblDescription"), "call the bank");
  EXPECT_EQ(label("lblStartTime"), "N/A");
  for (const char* b : {"btnOpen", "btnDismiss", "btnSnooze", "btnDismissAll"})
    EXPECT_TRUE(enabled(kPageAlarm, b)) << b;
  EXPECT_EQ(control<QPushButton>(page(kPageAlarm), "btnSnooze")->text(), "Snooze");

  // While the page is up, later checks keep it as it is and keep where it goes back to.
  action("water the plants", next_check());
  bring_up();
  EXPECT_EQ(alarm_page()->return_page(), kPageInbox);
  EXPECT_EQ(rows(kPageAlarm), 4);
}

TEST_F(RemindersTest, OpenAndDoubleClickOpenTheEditorOfEachKind) {
  const double check = next_check();
  Action* a = action("book the flights", check + 1);
  SomedayItem* s = someday("learn the cello", check + 1);
  bring_up();
  const struct {
    int row;
    bool double_click;
  } cases[] = {{0, false}, {1, false}, {0, true}, {1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << c.row << (c.double_click ? " double-click" : ""));
    if (c.double_click) {
      RecordListView* lv = list(kPageAlarm);
      QPoint at = lv->visualRect(lv->model()->index(c.row, 0)).center();
      QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(lv->viewport(), Qt::LeftButton, {}, at);
    } else {
      select(kPageAlarm, c.row);
      click(kPageAlarm, "btnOpen");
    }
    if (c.row == 0) {
      ASSERT_EQ(current_page(), kPageOneAction);
      EXPECT_EQ(stub(kPageOneAction)->edited_action(), a);
      EXPECT_EQ(stub(kPageOneAction)->return_page(), kPageAlarm);
      main().show_page(stub(kPageOneAction)->return_page(), true);
    } else {
      ASSERT_EQ(current_page(), kPageOneSomeday);
      auto* editor = dynamic_cast<TfmOneSomeday*>(page(kPageOneSomeday));
      EXPECT_EQ(editor->record(), s);
      click(kPageOneSomeday, "btnCancel");
    }
    // Back on the reminders, filled afresh.
    ASSERT_EQ(current_page(), kPageAlarm);
    EXPECT_EQ(rows(kPageAlarm), 2);
  }
}

TEST_F(RemindersTest, ADismissedReminderStaysDismissedAfterARestart) {
  const double check = next_check();
  action("pay the rent", check);
  someday("learn the cello", check);
  // Stored as they are: only the dismissal can put a change on file.
  ASSERT_TRUE(g().actions.save());
  ASSERT_TRUE(g().someday.save());
  const double modified = g().actions.first()->modified;
  bring_up();
  for (int left : {1, 0}) {
    select(kPageAlarm, 0);
    click(kPageAlarm, "btnDismiss");
    EXPECT_EQ(rows(kPageAlarm), left);
  }
  // An empty list leaves nothing to open, dismiss or snooze.
  for (const char* b : {"btnOpen", "btnDismiss", "btnSnooze", "btnDismissAll"})
    EXPECT_FALSE(enabled(kPageAlarm, b)) << b;
  EXPECT_EQ(label("lblDescription"), "");
  EXPECT_EQ(label("lblStartTime"), "N/A");
  exit_program();

  ZorvoActionMgr actions;
  ZorvoSomedayMgr items;
  actions.set_folder(data_folder());
  items.set_folder(data_folder());
  actions.reload();
  items.reload();
  ASSERT_EQ(actions.count(), 1u);
  ASSERT_EQ(items.count(), 1u);
  EXPECT_EQ(actions.first()->remind, 0);
  EXPECT_EQ(actions.first()->modified, modified);  // not an edit of the record
  EXPECT_EQ(items.first()->remind, 0);

  program.reset();
  start_program();
  run_to_next_check();
  run_to_next_check();
  EXPECT_NE(current_page(), kPageAlarm);
  EXPECT_EQ(g().alarms.count(), 0u);
  exit_program();
}

TEST_F(RemindersTest, SnoozeOneDayBringsTheReminderBackAfter1440Minutes) {
  const double check = next_check();
  // Its reminder came half a minute before the check, so later checks are never on the edge.
  Action* snoozed = action("pay the rent", check + 3 - 30 * kSecond);
  Action* other = action("call the bank", check);
  bring_up();
  const double before = snoozed->reminder_time;
  choose_snooze(8);
  EXPECT_EQ(control<QComboBox>(page(kPageAlarm), "cbSnooze")->currentText(), "1 day");
  click(kPageAlarm, "btnSnooze");
  EXPECT_DOUBLE_EQ(snoozed->reminder_time, before + 1);
  ASSERT_EQ(rows(kPageAlarm), 1);
  // Without a choice, five minutes.
  select(kPageAlarm, 0);
  choose_snooze(-1);
  const double other_before = other->reminder_time;
  click(kPageAlarm, "btnSnooze");
  EXPECT_DOUBLE_EQ(other->reminder_time, other_before + 5 * kMinute);
  EXPECT_EQ(rows(kPageAlarm), 0);
  EXPECT_EQ(g().alarms.count(), 2u);  // both still scheduled
  g().actions.remove(other);          // not to come back within the day

  click("lblHome");
  for (int minute = 1; minute < 1440; ++minute) {
    run_to_next_check();
    ASSERT_NE(current_page(), kPageAlarm) << "back after " << minute << " minutes";
  }
  run_to_next_check();
  ASSERT_EQ(current_page(), kPageAlarm);
  EXPECT_EQ(alarm_page()->return_page(), kPageHome);
  ASSERT_EQ(rows(kPageAlarm), 1);
  EXPECT_EQ(cell(kPageAlarm, 0, 0), "pay the rent");
  // Shown afresh: the first snooze choice again.
  EXPECT_EQ(control<QComboBox>(page(kPageAlarm), "cbSnooze")->currentIndex(), 0);
}

TEST_F(RemindersTest, DismissAllGoesBackToThePageThatWasCurrent) {
  const double check = next_check();
  Action* a = action("pay the rent", check);
  Action* b = action("call the bank", check);
  SomedayItem* s = someday("learn the cello", check);
  click("lblInbox");
  bring_up();
  ASSERT_EQ(rows(kPageAlarm), 3);
  // Scheduled while the page is up: not listed, so not dismissed with the rest.
  Action* later = action("water the plants", next_check());
  run_to_next_check();
  click(kPageAlarm, "btnDismissAll");
  EXPECT_EQ(current_page(), kPageInbox);
  EXPECT_EQ(rows(kPageAlarm), 0);
  for (int32_t remind : {a->remind, b->remind, s->remind}) EXPECT_EQ(remind, 0);
  EXPECT_EQ(later->remind, 1);
  ASSERT_EQ(g().alarms.count(), 1u);
  bring_up();
  EXPECT_EQ(alarm_page()->return_page(), kPageInbox);
  ASSERT_EQ(rows(kPageAlarm), 1);
  EXPECT_EQ(cell(kPageAlarm, 0, 0), "water the plants");
}

TEST_F(RemindersTest, ARemovedRecordLeavesItsRowAtOnce) {
  const double check = next_check();
  action("pay the rent", check);
  Action* removed = action("call the bank", check);
  someday("learn the cello", check);
  bring_up();
  select(kPageAlarm, 1);
  g().actions.remove(removed);  // as the Actions page deletes it
  ASSERT_EQ(rows(kPageAlarm), 2);
  EXPECT_EQ(cell(kPageAlarm, 0, 0), "pay the rent");
  EXPECT_EQ(cell(kPageAlarm, 1, 0), "learn the cello");
  EXPECT_EQ(label("lblDescription").isEmpty(), list(kPageAlarm)->selected_row() < 0);

  // Deleted on its own page; Back shows the reminders as they were left, without filling them.
  main().show_page(kPageSomeday, true);
  tick(kPageSomeday, 0);
  prompts.answer(Prompts::Yes);
  click(kPageSomeday, "btnDelete");
  click("btnBack");
  ASSERT_EQ(current_page(), kPageAlarm);
  ASSERT_EQ(rows(kPageAlarm), 1);
  EXPECT_EQ(cell(kPageAlarm, 0, 0), "pay the rent");
  select(kPageAlarm, 0);
  click(kPageAlarm, "btnDismissAll");
  EXPECT_EQ(g().alarms.count(), 0u);
}

}  // namespace
