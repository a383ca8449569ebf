#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>

#include "support/ProgramFixture.h"
#include "ui/PageIds.h"

namespace {

class SomedayTest : public ExitingProgramFixture {
 protected:
  void SetUp() override { start(); }
  template <class W>
  W* field(const char* name) {
    return control<W>(page(kPageOneSomeday), name);
  }
  SomedayItem* add(const char* name, double when) {
    SomedayItem s;
    s.name = name;
    s.when = when;
    return g().someday.add_copy(&s);
  }
  void open(int row) {
    main().show_page(kPageSomeday, true);
    select(kPageSomeday, row);
    click(kPageSomeday, "btnProp");
    ASSERT_EQ(current_page(), kPageOneSomeday);
  }
};

constexpr double kMay1At1430 = 45413.0 + 14.5 / 24;  // 2024-05-01 14:30

TEST_F(SomedayTest, ANewItemComesUpTodayAtMidnight) {
  main().show_page(kPageSomeday, true);
  click(kPageSomeday, "btnAdd");
  EXPECT_EQ(field<QDateEdit>("pkDate")->date(), QDate(2025, 12, 9));
  EXPECT_EQ(field<QTimeEdit>("pkTime")->time(), QTime(0, 0));
  EXPECT_FALSE(field<QCheckBox>("cbRemind")->isChecked());
  EXPECT_FALSE(field<QSpinBox>("edtAlarmInterval")->isEnabled());
  EXPECT_EQ(field<QComboBox>("cbAlarmUnit")->currentText(), "Minutes");
  EXPECT_EQ(control<QLabel>(page(kPageOneSomeday), "lblCreateTime")->text(),
            control<QLabel>(page(kPageOneSomeday), "lblUpdateTime")->text());
  type(kPageOneSomeday, "edtName", "Learn the cello");
  click(kPageOneSomeday, "btnSave");
  ASSERT_EQ(g().someday.count(), 1u);
  EXPECT_EQ(g().someday.first()->when, 46000.0);
  EXPECT_EQ(cell(kPageSomeday, 0, 2), "12/09/2025 00:00:00");
}

TEST_F(SomedayTest, DateAndTimeAreEditedApart) {
  add("trip", kMay1At1430);
  open(0);
  EXPECT_EQ(field<QDateEdit>("pkDate")->date(), QDate(2024, 5, 1));
  EXPECT_EQ(field<QTimeEdit>("pkTime")->time(), QTime(14, 30));
  field<QDateEdit>("pkDate")->setDate(QDate(2024, 5, 3));
  click(kPageOneSomeday, "btnSave");
  EXPECT_DOUBLE_EQ(g().someday.first()->when, kMay1At1430 + 2);
}

TEST_F(SomedayTest, TheReminderIsStoredWhetherOrNotItIsTicked) {
  SomedayItem* item = add("concert", kMay1At1430);
  item->remind = 1;
  item->remind_lead = 3;
  item->remind_unit = kUnitHours;
  item->spare_a = 9;
  item->spare_b = "old";
  open(0);
  EXPECT_TRUE(field<QCheckBox>("cbRemind")->isChecked());
  EXPECT_TRUE(field<QSpinBox>("edtAlarmInterval")->isEnabled());
  EXPECT_EQ(field<QSpinBox>("edtAlarmInterval")->value(), 3);
  EXPECT_EQ(field<QComboBox>("cbAlarmUnit")->currentText(), "Hours");
  field<QCheckBox>("cbRemind")->click();
  EXPECT_FALSE(field<QSpinBox>("edtAlarmInterval")->isEnabled());
  EXPECT_FALSE(field<QComboBox>("cbAlarmUnit")->isEnabled());
  field<QSpinBox>("edtAlarmInterval")->setValue(2);
  field<QComboBox>("cbAlarmUnit")->setCurrentIndex(2);
  click(kPageOneSomeday, "btnSave");
  EXPECT_EQ(item->remind, 0);
  EXPECT_EQ(item->remind_lead, 2);
  EXPECT_EQ(item->remind_unit, kUnitDays);
  EXPECT_EQ(item->spare_a, 0);
  EXPECT_TRUE(item->spare_b.empty());
}

TEST_F(SomedayTest, SavingReschedulesTheReminderWithOneEntry) {
  SomedayItem* item = add("dentist", 46001.5);
  item->remind = 1;
  item->remind_lead = 1;
  item->remind_unit = kUnitDays;
  g().alarms.collect_someday_reminders();
  ASSERT_EQ(g().alarms.count(), 1u);
  g().alarms.snooze(g().alarms.first(), 60);
  open(0);
  field<QDateEdit>("pkDate")->setDate(QDate(2025, 12, 20));
  click(kPageOneSomeday, "btnSave");
  EXPECT_EQ(item->reminder_time, 0);  // scheduled afresh at the next pass
  g().alarms.collect_someday_reminders();
  ASSERT_EQ(g().alarms.count(), 1u);
  EXPECT_DOUBLE_EQ(item->reminder_time, 46011.5 - 1);
  // Deleting the item takes its reminder with it.
  main().show_page(kPageSomeday, true);
  tick(kPageSomeday, 0);
  prompts.answer(Prompts::Yes);
  click(kPageSomeday, "btnDelete");
  EXPECT_EQ(g().alarms.count(), 0u);
}

TEST_F(SomedayTest, AContextThatIsGoneShowsAnEmptyCell) {
  add("a", 46000)->context_id = 4;   // "@Calls", one of the default contexts
  add("b", 46000)->context_id = 999;  // no such context
  main().show_page(kPageSomeday, true);
  EXPECT_EQ(cell(kPageSomeday, 0, 1), "@Calls");
  EXPECT_EQ(cell(kPageSomeday, 1, 1), "");
}

using ReferenceTest = SomedayTest;

TEST_F(ReferenceTest, TheListShowsTheContextAndTheEditorTheTimes) {
  RefItem r;
  r.name = "warranty";
  r.context_id = 7;  // "@Office"
  r.spare_a = "kept as it was";
  g().refs.add_copy(&r);
  r.context_id = 404;
  g().refs.add_copy(&r);
  main().show_page(kPageRef, true);
  EXPECT_EQ(cell(kPageRef, 0, 1), "@Office");
  EXPECT_EQ(cell(kPageRef, 1, 1), "");
  click(kPageRef, "btnAdd");
  const QString created = control<QLabel>(page(kPageOneRef), "lblCreateTime")->text();
  EXPECT_EQ(created, "12/09/2025 12:00:00");
  EXPECT_EQ(control<QLabel>(page(kPageOneRef), "lblUpdateTime")->text(), created);
  click(kPageOneRef, "btnCancel");
  select(kPageRef, 0);
  click(kPageRef, "btnProp");
  type(kPageOneRef, "edtName", "warranty of the washer");
  click(kPageOneRef, "btnSave");
  EXPECT_EQ(g().refs.first()->spare_a, "kept as it was");
  EXPECT_EQ(g().refs.first()->context_id, 7);
}

}  // namespace
