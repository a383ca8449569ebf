#include "stores/OpenWork.h"

#include <gtest/gtest.h>

#include "stores/EditedRecord.h"
#include "stores/ZorvoAlarmMgr.h"
#include "support/AddRecord.h"

namespace {

struct Stores {
  ZorvoInboxItemMgr inbox;
  ZorvoProjectMgr projects;
  ZorvoActionMgr actions;
  ZorvoSomedayMgr someday;
  OpenWork count() const { return count_open_work(inbox, projects, actions); }
};

TEST(OpenWorkTest, WhatCountsAsOpen) {
  Stores s;
  OpenWork none = s.count();
  EXPECT_EQ(none.waiting_items + none.open_projects + none.open_actions, 0);
  EXPECT_EQ(none.running, nullptr);

  for (int32_t status : {kNotProcessed, kProcessing, kProcessed, 3})
    add_record(s.inbox, "item", status);
  for (int32_t status : {0, kStatusNotStarted, kStatusCompleted, kStatusDisabled, kStatusPaused})
    add_record(s.projects, "project", status);
  // Every type and project counts; only Completed and Disabled close an action.
  for (int32_t status : {0, kStatusNotStarted, kStatusPaused, kStatusStopped, kStatusCompleted,
                         kStatusDisabled, 0x30000})
    add_record(s.actions, "step", status);
  OpenWork work = s.count();
  EXPECT_EQ(work.waiting_items, 2);
  EXPECT_EQ(work.open_projects, 3);
  EXPECT_EQ(work.open_actions, 5);
  EXPECT_EQ(work.running, nullptr);

  Action* first = add_record(s.actions, "first running", kStatusRunning);
  add_record(s.actions, "second running", kStatusRunning);
  work = s.count();
  EXPECT_EQ(work.running, first);
  EXPECT_EQ(work.open_actions, 7);
}

// What removing a record does elsewhere: nothing refers to it any more, and nothing else goes.
TEST(RemovalTest, ARemovedRecordLeavesNothingBehindAndTakesNothingWithIt) {
  Stores s;
  ZorvoAlarmMgr alarms(s.actions, s.someday);
  Project* project = add_record(s.projects, "move house", 0);
  project->id = 7;
  Action step;
  step.project_id = 7;
  step.remind = 1;
  step.remind_lead = 5;
  step.remind_unit = kUnitMinutes;
  step.due = 45000.0;
  Action* running = s.actions.add_copy(&step);
  s.actions.set_active(running, kStatusPaused);
  Action* other = s.actions.add_copy(&step);
  alarms.collect_action_reminders();
  EditedRecord<ZorvoActionMgr> editor(s.actions);
  editor.edit(running);
  ASSERT_EQ(alarms.count(), 2u);

  s.actions.remove(running);
  EXPECT_EQ(s.actions.active_action(), nullptr);  // no action runs afterwards
  EXPECT_EQ(alarms.count(), 1u);                  // its reminder went with it
  EXPECT_EQ(editor.get(), nullptr);               // the editor lets go of it
  EXPECT_EQ(s.count().running, nullptr);

  s.projects.remove(project);
  ASSERT_EQ(s.actions.count(), 1u);  // a project's actions stay, still naming it
  EXPECT_EQ(other->project_id, 7);
  EXPECT_EQ(alarms.count(), 1u);
}

}  // namespace
