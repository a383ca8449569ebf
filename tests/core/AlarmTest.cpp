#include "stores/ZorvoAlarmMgr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "support/FakeClock.h"
#include "support/TempFolder.h"

namespace {

constexpr double kToday = 45000.0;  // midnight
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
  action(0, kUnitMinutes, kTomorrow10);  // a lead of 0
  action(10, 0, kTomorrow10);            // no unit
  action(10, 7, kTomorrow10);            // an unknown unit
  action(10, kUnitMinutes, 0);           // no due time
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

TEST_F(AlarmTest, DismissIsSavedWithoutTouchingTheRecord) {
  TempFolder folder;
  actions.set_folder(folder.path());
  somedays.set_folder(folder.path());
  Action* a = action(30, kUnitMinutes, kToday + 12.25 / 24);
  SomedayItem* s = someday(30, kUnitMinutes, kToday + 12.25 / 24);
  a->modified = s->modified = 44000.25;
  ASSERT_TRUE(actions.save());
  ASSERT_TRUE(somedays.save());
  collect();
  while (ReminderEntry* e = alarms.first()) ASSERT_TRUE(alarms.dismiss(e));
  EXPECT_TRUE(actions.dirty());
  EXPECT_TRUE(somedays.dirty());
  EXPECT_EQ(a->state, kStateStored);
  EXPECT_EQ(a->modified, 44000.25);
  EXPECT_EQ(s->state, kStateStored);
  EXPECT_EQ(s->modified, 44000.25);
  ASSERT_TRUE(actions.save_if_dirty());
  ASSERT_TRUE(somedays.save_if_dirty());

  // The next start does not schedule them again.
  ZorvoActionMgr actions_after;
  ZorvoSomedayMgr somedays_after;
  actions_after.set_folder(folder.path());
  somedays_after.set_folder(folder.path());
  actions_after.reload();
  somedays_after.reload();
  EXPECT_EQ(actions_after.first()->remind, 0);
  EXPECT_EQ(somedays_after.first()->remind, 0);
  ZorvoAlarmMgr alarms_after{actions_after, somedays_after};
  alarms_after.collect_action_reminders();
  alarms_after.collect_someday_reminders();
  EXPECT_EQ(alarms_after.count(), 0u);
}

// Records, while it is called, which entries the scheduler lets go, reading each one as it
// goes (it must still be whole).
struct RemovalLog {
  explicit RemovalLog(ZorvoAlarmMgr& alarms)
      : listening(alarms.listen_removal(
            [this](const ReminderEntry* e) { gone.push_back(e ? e->record : nullptr); })) {}
  std::vector<const void*> gone;
  ZorvoAlarmMgr::Removals::Subscription listening;
};

TEST_F(AlarmTest, ListenersLearnOfEveryEntryThatGoes) {
  Action* dismissed = action(30, kUnitMinutes, kToday + 12.25 / 24);
  Action* removed = action(30, kUnitMinutes, kToday + 12.25 / 24);
  Action* snoozed = action(30, kUnitMinutes, kToday + 12.25 / 24);
  SomedayItem* rescheduled = someday(1, kUnitHours, kTomorrow10);
  SomedayItem* cleared = someday(1, kUnitHours, kTomorrow10);
  collect();
  ASSERT_EQ(alarms.count(), 5u);
  RemovalLog log(alarms);

  alarms.dismiss(alarms.first());
  actions.remove(removed);
  alarms.snooze(alarms.first(), 5);  // the entry stays: nothing to tell
  rescheduled->reminder_time = 0;    // saved in its editor
  collect();
  const std::vector<const void*> one_by_one{dismissed, removed, rescheduled};
  EXPECT_EQ(log.gone, one_by_one);

  log.gone.clear();
  somedays.clear();  // each entry of the store's records, named
  const std::vector<const void*> items{cleared, rescheduled};
  EXPECT_EQ(log.gone, items);
  ASSERT_EQ(alarms.count(), 1u);
  EXPECT_EQ(alarms.first()->record, snoozed);
  log.gone.clear();
  alarms.clear();  // every entry at once
  EXPECT_EQ(log.gone, std::vector<const void*>{nullptr});
}

TEST_F(AlarmTest, DueInTexts) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double seconds;  // from now to the due moment
    const char* text;
  } cases[] = {
      {90 * 60, "1 hours 30 minutes"},
      {59, "Now"},
      {-59, "Now"},
      {0, "Now"},
      {-(2 * 86400 + 3 * 3600 + 4 * 60), "2 days 3 hours 4 minutes overdue"},
      {61 * 60, "1 hours 1 minutes"},  // not 60: subtracting two moments is not exact
      {60, "1 minutes"},
      {-60, "1 minutes overdue"},
      {119, "1 minutes"},                               // truncated toward zero,
      {-(90 * 60 + 59), "1 hours 30 minutes overdue"},  // in the past as well
      {3599, "59 minutes"},
      {86400, "1 days 0 hours 0 minutes"},
  };
  for (double moment : {kToday + 12.0 / 24, 46000.5, 46000.0 + 13.0 / 1440}) {
    for (const auto& c : cases) {
      const double due = moment + c.seconds / 86400;
      EXPECT_EQ(due_in_text(due - moment), c.text) << c.seconds << " at " << moment;
    }
  }
  // A someday/maybe item without a date counts back to the first day; a damaged date still
  // gives a text.
  EXPECT_EQ(due_in_text(0 - 46000.5), "46000 days 12 hours 0 minutes overdue");
  EXPECT_EQ(due_in_text(1e300), "1000000000 days 0 hours 0 minutes");
  EXPECT_EQ(due_in_text(-INFINITY), "1000000000 days 0 hours 0 minutes overdue");
  EXPECT_EQ(due_in_text(kNaN), "Now");
}

TEST_F(AlarmTest, WhatThePageShowsOfAnEntry) {
  Action* a = action(30, kUnitMinutes, kTomorrow10);
  a->name = "file the taxes";
  a->started = kToday + (9 + 5.0 / 60 + 7.0 / 3600) / 24;
  SomedayItem* s = someday(30, kUnitMinutes, kTomorrow10 + 1);
  s->name = "visit Iceland";
  ReminderDetails ad = details_of({ReminderEntry::kAction, a});
  EXPECT_EQ(ad.name, "file the taxes");
  EXPECT_EQ(ad.due, kTomorrow10);
  EXPECT_EQ(ad.started, a->started);
  EXPECT_STREQ(ad.type, "Action");
  ReminderDetails sd = details_of({ReminderEntry::kSomeday, s});
  EXPECT_EQ(sd.name, "visit Iceland");
  EXPECT_EQ(sd.due, kTomorrow10 + 1);
  EXPECT_EQ(sd.started, 0);
  EXPECT_STREQ(sd.type, "Someday");
  EXPECT_EQ(details_of({3, a}).type, nullptr);

  EXPECT_EQ(start_time_text(a->started), "2023/03/15 09:05:07");
  EXPECT_EQ(start_time_text(0), "N/A");
  EXPECT_EQ(start_time_text(-1), "N/A");
  EXPECT_EQ(start_time_text(1e9), "N/A");  // no calendar date
}

}  // namespace
