#include "stores/ActionRules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "stores/EditedRecord.h"
#include "support/AddRecord.h"

namespace {

Action* add_action(ZorvoActionMgr& store, const char* name, int32_t status, int32_t type = 0,
                   int32_t project = 0, int32_t context = 0) {
  Action* a = add_record(store, name, status);
  a->action_type = type;
  a->project_id = project;
  a->context_id = context;
  return a;
}

std::vector<std::string> listed_names(const ZorvoActionMgr& store, const ActionFilter& filter) {
  std::vector<std::string> names;
  for (const Action* a : store.records())
    if (is_listed(*a, filter)) names.push_back(std::string(a->name.view()));
  return names;
}

using Names = std::vector<std::string>;

TEST(ActionFilterTest, EachFilterListsItsActions) {
  ZorvoActionMgr store;
  add_action(store, "asap", kStatusNotStarted, kTypeAsap, 3, 4);
  add_action(store, "delegated", kStatusPaused, kTypeDelegated, 3, 0);
  add_action(store, "scheduled", kStatusStopped, kTypeScheduled, 0, 4);
  add_action(store, "disabled", kStatusDisabled, kTypeAsap, 0, 0);
  add_action(store, "running", kStatusRunning, kTypeAsap, 3, 7);
  add_action(store, "fresh", 0, kTypeDelegated, 0, 7);
  add_action(store, "done asap", kStatusCompleted, kTypeAsap, 3, 4);
  add_action(store, "done delegated", kStatusCompleted, kTypeDelegated, 0, 0);

  const struct {
    ActionFilter filter;
    Names listed;
  } cases[] = {
      {{kShowAllActive, 0, 0}, {"asap", "delegated", "scheduled", "disabled", "running", "fresh"}},
      {{kShowAsap, 0, 0}, {"asap", "disabled", "running"}},
      {{kShowDelegated, 0, 0}, {"delegated", "fresh"}},
      {{kShowScheduled, 0, 0}, {"scheduled"}},
      {{kShowCompleted, 0, 0}, {"done asap", "done delegated"}},
      {{kShowByProject, 3, 0}, {"asap", "delegated", "running"}},
      {{kShowByProject, -1, 0}, {}},  // no project chosen
      {{kShowByProject, 0, 0}, {"scheduled", "disabled", "fresh"}},
      {{kShowByContext, 0, 0}, {"delegated", "disabled"}},  // "Not Specified"
      {{kShowByContext, 0, 7}, {"running", "fresh"}},
      {{7, 0, 0}, {}},
      {{-1, 0, 0}, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(listed_names(store, c.filter), c.listed)
        << "mode " << c.filter.mode << ", project " << c.filter.project_id << ", context "
        << c.filter.context_id;
}

TEST(RowShadeTest, StateBeatsPriorityAndRunningBeatsOverdue) {
  constexpr double kDue = 46000.5;
  constexpr double kSecond = 1.0 / 86400;
  auto action = [](int32_t status, int32_t priority_flags, double due) {
    Action a;
    a.status = status;
    a.priority_flags = priority_flags;
    a.due = due;
    return a;
  };
  const struct {
    Action action;
    bool show_color;
    double now;
    RowShade shade;
  } cases[] = {
      {action(kStatusNotStarted, kPriorityHigh, 0), true, kDue, RowShade::High},
      {action(kStatusNotStarted, kPriorityNormal, 0), true, kDue, RowShade::Normal},
      {action(kStatusPaused, kPriorityLow | 0x5, 0), true, kDue, RowShade::Low},
      {action(kStatusPaused, kPriorityLow | kPriorityHigh, 0), true, kDue, RowShade::High},
      {action(kStatusPaused, 0x5, 0), true, kDue, RowShade::ListText},
      {action(kStatusCompleted, kPriorityHigh, kDue - 1), true, kDue, RowShade::Completed},
      {action(kStatusRunning, kPriorityLow, kDue - 1), true, kDue, RowShade::Running},
      {action(kStatusPaused, kPriorityLow, kDue), true, kDue, RowShade::Low},  // due this second
      {action(kStatusPaused, kPriorityLow, kDue), true, kDue + kSecond, RowShade::Overdue},
      {action(kStatusDisabled, kPriorityHigh, kDue - 1), true, kDue, RowShade::Overdue},
      {action(kStatusRunning, kPriorityHigh, kDue - 1), false, kDue, RowShade::Black},
      {action(kStatusNotStarted, kPriorityHigh, 0), false, kDue, RowShade::Black},
  };
  int i = 0;
  for (const auto& c : cases)
    EXPECT_EQ(row_shade(c.action, c.show_color, c.now), c.shade) << "case " << i++;
}

class RunningTest : public ::testing::Test {
 protected:
  void SetUp() override {
    a = add_record(store, "a", kStatusNotStarted);
    b = add_record(store, "b", kStatusPaused);
    ASSERT_TRUE(store.save(path()));  // a clean store: what marks it changed shows
  }
  void TearDown() override { std::remove(path().c_str()); }
  static std::string path() { return ::testing::TempDir() + "action-rules-test.dat"; }

  ZorvoActionMgr store;
  Action* a;
  Action* b;
};

TEST_F(RunningTest, StartingBWhileARunsPausesA) {
  start_or_pause(store, *a, 100);
  EXPECT_TRUE(store.dirty());
  EXPECT_EQ(a->started, 100);
  b->started = 50;
  start_or_pause(store, *b, 200);
  EXPECT_EQ(a->status, kStatusPaused);
  EXPECT_EQ(b->status, kStatusRunning);
  EXPECT_EQ(store.active_action(), b);
  EXPECT_EQ(b->started, 50);  // stamped only on the first start
  EXPECT_EQ(a->started, 100);
}

TEST_F(RunningTest, PauseLeavesNoneRunningAndIsSaved) {
  start_or_pause(store, *a, 100);
  ASSERT_TRUE(store.save(path()));
  start_or_pause(store, *a, 300);
  EXPECT_EQ(a->status, kStatusPaused);
  EXPECT_EQ(store.active_action(), nullptr);
  EXPECT_EQ(a->started, 100);
  EXPECT_TRUE(store.dirty());  // an exit before the next counted second keeps the pause
  switch_running(store, *b);   // the editor's button: no stamp
  EXPECT_EQ(store.active_action(), b);
  EXPECT_EQ(b->started, 0);
  switch_running(store, *b);
  EXPECT_EQ(b->status, kStatusPaused);
  EXPECT_EQ(store.active_action(), nullptr);
}

TEST_F(RunningTest, CompleteStopsTheRunningActionOrCompletesAnother) {
  start_or_pause(store, *a, 100);
  ASSERT_TRUE(store.save(path()));
  complete_action(store, *a, 400);
  EXPECT_EQ(a->status, kStatusCompleted);
  EXPECT_EQ(a->completed, 400);
  EXPECT_EQ(store.active_action(), nullptr);
  EXPECT_TRUE(store.dirty());

  start_or_pause(store, *a, 500);   // a completed action can be started again by the store
  complete_action(store, *b, 600);  // paused: completed, and the running one runs on
  EXPECT_EQ(b->status, kStatusCompleted);
  EXPECT_EQ(b->completed, 600);
  EXPECT_EQ(store.active_action(), a);
}

TEST_F(RunningTest, ASecondRunningActionStopsWithoutTouchingTheCountedOne) {
  // Only a file written elsewhere holds two running actions; the store counts the first.
  a->status = kStatusRunning;
  b->status = kStatusRunning;
  ASSERT_EQ(store.active_action(), a);
  start_or_pause(store, *b, 100);
  EXPECT_EQ(b->status, kStatusPaused);
  EXPECT_EQ(a->status, kStatusRunning);
  b->status = kStatusRunning;
  complete_action(store, *b, 100);
  EXPECT_EQ(a->status, kStatusRunning);
  b->status = kStatusRunning;
  save_status(store, *b, kStatusDisabled);
  EXPECT_EQ(b->status, kStatusDisabled);
  EXPECT_EQ(store.active_action(), a);
}

TEST_F(RunningTest, SavingAStatus) {
  a->spent_seconds = 70;
  b->spent_seconds = 80;
  // Running on a paused action starts it and pauses the one that ran.
  store.set_active(a, kStatusPaused);
  save_status(store, *b, kStatusRunning);
  EXPECT_EQ(a->status, kStatusPaused);
  EXPECT_EQ(store.active_action(), b);
  // Leaving Running stops the count.
  save_status(store, *b, kStatusCompleted);
  EXPECT_EQ(b->status, kStatusCompleted);
  EXPECT_EQ(store.active_action(), nullptr);
  store.count_second();
  EXPECT_EQ(b->spent_seconds, 80);
  // Stopped clears the spent time, from any status, running or not.
  save_status(store, *a, kStatusStopped);
  EXPECT_EQ(a->spent_seconds, 0);
  store.set_active(b, kStatusPaused);
  save_status(store, *b, kStatusStopped);
  EXPECT_EQ(b->status, kStatusStopped);
  EXPECT_EQ(b->spent_seconds, 0);
  EXPECT_EQ(store.active_action(), nullptr);
  // The same status again changes nothing.
  save_status(store, *b, kStatusStopped);
  EXPECT_EQ(b->status, kStatusStopped);
}

TEST_F(RunningTest, ANewActionStartedBeforeItsFirstSaveRunsOnAsTheStoredCopy) {
  store.set_active(a, kStatusPaused);
  {
    EditedRecord<ZorvoActionMgr> edited(store);
    edited.edit(store.create());
    switch_running(store, *edited.get());
    EXPECT_EQ(store.active_action(), edited.get());
    EXPECT_EQ(a->status, kStatusPaused);
    save_status(store, *edited.get(), kStatusRunning);
    Action* stored = edited.commit();
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(store.active_action(), stored);
  }
  // A new action started and then dropped unsaved: the store no longer names it.
  {
    EditedRecord<ZorvoActionMgr> edited(store);
    edited.edit(store.create());
    switch_running(store, *edited.get());
    edited.drop();
    EXPECT_EQ(store.active_action(), nullptr);
    EXPECT_EQ(store.count(), 3u);
  }
}

// An action whose reminder, two hours before its due time, the scheduler has listed.
struct Scheduled {
  static constexpr double kDue = 46001.5;

  Scheduled() {
    action = add_record(actions, "dentist", kStatusNotStarted);
    action->due = kDue;
    action->remind = 1;
    action->remind_lead = 2;
    action->remind_unit = kUnitHours;
    alarms.collect_action_reminders();
  }
  ZorvoActionMgr actions;
  ZorvoSomedayMgr someday;
  ZorvoAlarmMgr alarms{actions, someday};
  Action* action;
};

TEST(RescheduleTest, AChangedDueTimeOrReminderIsScheduledAfreshWithOneEntry) {
  constexpr double kDue = Scheduled::kDue;
  const struct {
    const char* change;
    void (*apply)(Action&);
    double reminder_time;  // after the next pass; 0: not scheduled
  } cases[] = {
      {"due", [](Action& a) { a.due = kDue + 1; }, kDue + 1 - 2.0 / 24},
      {"lead", [](Action& a) { a.remind_lead = 3; }, kDue - 3.0 / 24},
      {"unit", [](Action& a) { a.remind_unit = kUnitMinutes; }, kDue - 2.0 / 1440},
      {"switched off", [](Action& a) { a.remind = 0; }, 0},
      {"no due time", [](Action& a) { a.due = 0, a.remind = 0; }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    Scheduled s;
    ASSERT_EQ(s.alarms.count(), 1u);
    ASSERT_DOUBLE_EQ(s.action->reminder_time, kDue - 2.0 / 24);
    const ReminderInput before = reminder_input(*s.action);
    c.apply(*s.action);
    reschedule_if_changed(s.alarms, *s.action, before);
    EXPECT_EQ(s.action->reminder_time, 0);
    EXPECT_EQ(s.alarms.count(), 0u);  // the old reminder is not listed meanwhile
    s.alarms.collect_action_reminders();
    s.alarms.collect_action_reminders();
    EXPECT_EQ(s.alarms.count(), c.reminder_time == 0 ? 0u : 1u);
    EXPECT_DOUBLE_EQ(s.action->reminder_time, c.reminder_time);
  }
}

TEST(RescheduleTest, AnUnchangedReminderKeepsItsSnooze) {
  Scheduled s;
  s.alarms.snooze(s.alarms.first(), 30);
  const double snoozed = s.action->reminder_time;
  const ReminderInput before = reminder_input(*s.action);
  s.action->percent_done = 50;  // saved for another reason
  reschedule_if_changed(s.alarms, *s.action, before);
  EXPECT_EQ(s.action->reminder_time, snoozed);
  EXPECT_EQ(s.alarms.count(), 1u);
}

}  // namespace
