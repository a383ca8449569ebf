#include "stores/ZorvoAlarmMgr.h"

#include <gtest/gtest.h>

#include "support/FakeClock.h"

namespace {

constexpr double kToday = 45000.0;          // midnight
constexpr double kTomorrow10 = 45001.0 + 10.0 / 24;

class AlarmTest : public ::testing::Test {
 protected:
  Action* action(int32_t lead, int32_t unit, double due, int32_t status = kStatusNotStarted) {
    Action a;
    a.id = ++ids;
    a.remind = 1;
    a.remind_lead = lead;
    a.remind_unit = unit;
    a.due = due;
    a.status = status;
    return actions.add_copy(&a);
  }
  SomedayItem* someday(int32_t lead, int32_t unit, double when) {
    SomedayItem s;
    s.id = ++ids;
    s.remind = 1;
    s.remind_lead = lead;
    s.remind_unit = unit;
    s.when = when;
    return somedays.add_copy(&s);
  }
  void collect() {
    alarms.collect_action_reminders();
    alarms.collect_someday_reminders();
  }

  FakeClock clock{kToday + 12.0 / 24};
  int32_t ids = 0;
  ZorvoActionMgr actions;
  ZorvoSomedayMgr somedays;
  ZorvoAlarmMgr alarms{actions, somedays};
};

TEST_F(AlarmTest, TheLeadCountsBackFromTheDueTime) {
  Action* a = action(2, kUnitHours, kTomorrow10);
  collect();
  EXPECT_DOUBLE_EQ(a->reminder_time, 45001.0 + 8.0 / 24);
  ASSERT_EQ(alarms.count(), 1u);
  EXPECT_EQ(alarms.first()->action(), a);
  EXPECT_EQ(alarms.due_count(), 0u);
  clock.set(45001.0 + 8.0 / 24 - 1.0 / 86400);
  EXPECT_EQ(alarms.due_count(), 0u);
  clock.set(a->reminder_time);
  EXPECT_EQ(alarms.due_count(), 1u);
}

TEST_F(AlarmTest, LeadsInEveryUnit) {
  EXPECT_EQ(lead_minutes(5, kUnitMinutes), 5);
  EXPECT_EQ(lead_minutes(5, kUnitHours), 300);
  EXPECT_EQ(lead_minutes(5, kUnitDays), 7200);
  EXPECT_EQ(lead_minutes(5, 0), 0);
  EXPECT_EQ(lead_minutes(5, 4), 0);
  EXPECT_EQ(lead_minutes(INT32_MAX, kUnitDays), int64_t{INT32_MAX} * 1440);
}

TEST_F(AlarmTest, WhatIsNeverScheduled) {
  action(0, kUnitMinutes, kTomorrow10);                     // a lead of 0
  action(10, 0, kTomorrow10);                                // no unit
  action(10, 7, kTomorrow10);                                // an unknown unit
  action(10, kUnitMinutes, 0);                               // no due time
  action(10, kUnitMinutes, kTomorrow10, kStatusCompleted);
  action(10, kUnitMinutes, kTomorrow10, kStatusDisabled);
  action(10, kUnitMinutes, kTomorrow10)->remind = 0;         // reminder off
  action(10, kUnitMinutes, kTomorrow10)->reminder_time = 5;  // already scheduled
  someday(0, kUnitDays, kTomorrow10);
  collect();
  EXPECT_EQ(alarms.count(), 0u);
  for (Action* a = actions.first(); a; a = actions.next()) {
    EXPECT_TRUE(a->reminder_time == 0 || a->reminder_time == 5) << a->id;
  }
}

TEST_F(AlarmTest, AReminderAlreadyPastIsDueInTheSamePass) {
  action(30, kUnitMinutes, kToday + 12.25 / 24);  // reminder at 11:45, now 12:00
  collect();
  EXPECT_EQ(alarms.due_count(), 1u);
}

TEST_F(AlarmTest, ASomedayItemWithoutADateIsScheduledButNeverDue) {
  SomedayItem* s = someday(1, kUnitDays, 0);
  collect();
  EXPECT_EQ(s->reminder_time, -1.0);
  EXPECT_EQ(alarms.count(), 1u);
  clock.set(3e6);
  EXPECT_EQ(alarms.due_count(), 0u);
}

TEST_F(AlarmTest, SnoozeMovesTheReminderAndDismissSwitchesItOff) {
  Action* a = action(30, kUnitMinutes, kToday + 12.25 / 24);
  SomedayItem* s = someday(1, kUnitHours, kToday + 12.5 / 24);
  collect();
  ASSERT_EQ(alarms.due_count(), 2u);
  double before = a->reminder_time;
  ReminderEntry* e = alarms.first();
  EXPECT_TRUE(alarms.snooze(e, 30));  // 11:45 to 12:15
  EXPECT_DOUBLE_EQ(a->reminder_time, before + 30.0 / 1440);
  EXPECT_EQ(alarms.count(), 2u);
  EXPECT_EQ(alarms.due_count(), 1u);
  clock.advance_seconds(15 * 60);
  EXPECT_EQ(alarms.due_count(), 2u);

  ReminderEntry* second = alarms.first();
  second = alarms.next();
  ASSERT_EQ(second->someday(), s);
  EXPECT_TRUE(alarms.dismiss(second));
  EXPECT_EQ(s->remind, 0);
  EXPECT_EQ(s->reminder_time, 0);
  EXPECT_EQ(alarms.count(), 1u);
  collect();  // switched off: not scheduled again
  EXPECT_EQ(alarms.count(), 1u);
}

TEST_F(AlarmTest, EntriesOfAnUnknownKindAreRefused) {
  Action a;
  ReminderEntry* odd = alarms.add({3, &a});
  EXPECT_FALSE(alarms.dismiss(odd));
  EXPECT_FALSE(alarms.snooze(odd, 5));
  EXPECT_FALSE(alarms.dismiss(nullptr));
  EXPECT_FALSE(alarms.snooze(nullptr, 5));
  EXPECT_EQ(alarms.count(), 1u);
  EXPECT_EQ(alarms.due_count(), 0u);
}

TEST_F(AlarmTest, OneEntryPerRecordAcrossPassesAndRescheduling) {
  SomedayItem* s = someday(1, kUnitHours, kTomorrow10);
  action(1, kUnitHours, kTomorrow10);
  collect();
  collect();
  EXPECT_EQ(alarms.count(), 2u);
  // The editor saves the item: its reminder is scheduled afresh, replacing the old entry.
  s->when = kTomorrow10 + 1;
  s->reminder_time = 0;
  collect();
  EXPECT_EQ(alarms.count(), 2u);
  int entries_for_s = 0;
  for (ReminderEntry* e = alarms.first(); e; e = alarms.next()) entries_for_s += e->record == s;
  EXPECT_EQ(entries_for_s, 1);
  EXPECT_DOUBLE_EQ(s->reminder_time, kTomorrow10 + 1 - 1.0 / 24);
}

TEST_F(AlarmTest, ACompletedActionStillCountsOnceScheduled) {
  Action* a = action(30, kUnitMinutes, kToday + 12.25 / 24);
  collect();
  a->status = kStatusCompleted;
  EXPECT_EQ(alarms.due_count(), 1u);
}

TEST_F(AlarmTest, NoEntryOutlivesItsRecord) {
  Action* a = action(30, kUnitMinutes, kToday + 12.25 / 24);
  action(30, kUnitMinutes, kToday + 12.25 / 24);
  someday(30, kUnitMinutes, kToday + 12.25 / 24);
  collect();
  ASSERT_EQ(alarms.count(), 3u);
  actions.remove(a);
  EXPECT_EQ(alarms.count(), 2u);
  somedays.clear();
  ASSERT_EQ(alarms.count(), 1u);
  EXPECT_EQ(alarms.first()->kind, ReminderEntry::kAction);
  actions.clear();
  EXPECT_EQ(alarms.count(), 0u);
  EXPECT_EQ(alarms.due_count(), 0u);  // would read freed records if an entry had stayed
}

}  // namespace
