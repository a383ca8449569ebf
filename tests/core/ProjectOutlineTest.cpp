#include "stores/ProjectOutline.h"

#include <gtest/gtest.h>

#include "support/AddRecord.h"

namespace {

Action* step(ZorvoActionMgr& actions, const char* name, int32_t project_id) {
  Action* a = add_record(actions, name, 0);
  a->project_id = project_id;
  return a;
}

Project* project(ZorvoProjectMgr& projects, const char* name, int32_t id) {
  Project* p = add_record(projects, name, 0);
  p->id = id;
  return p;
}

std::vector<Action*> steps(const ProjectOutline& outline, std::size_t i) {
  std::span<Action* const> s = outline.steps(i);
  return {s.begin(), s.end()};
}

TEST(ProjectOutlineTest, EachProjectHoldsItsStepsAndTheRestAreSimpleActions) {
  ZorvoProjectMgr projects;
  ZorvoActionMgr actions;
  ProjectOutline outline;
  outline.rebuild(projects, actions);
  EXPECT_TRUE(outline.projects().empty());
  EXPECT_TRUE(outline.simple_actions().empty());

  Project* garden = project(projects, "garden", 7);
  Project* move = project(projects, "move", 3);
  Project* twin = project(projects, "damaged twin of move", 3);
  Action* dig = step(actions, "dig", 7);
  Action* call = step(actions, "call", 0);
  Action* pack = step(actions, "pack", 3);
  Action* orphan = step(actions, "of a removed project", 99);
  Action* plant = step(actions, "plant", 7);

  outline.rebuild(projects, actions);
  EXPECT_EQ(outline.projects(), (std::vector<Project*>{garden, move, twin}));  // store order
  EXPECT_EQ(steps(outline, 0), (std::vector<Action*>{dig, plant}));            // action order
  EXPECT_EQ(steps(outline, 1), std::vector<Action*>{pack});
  EXPECT_TRUE(steps(outline, 2).empty());  // the first of a shared identifier holds them
  EXPECT_EQ(outline.step_count(), 3u);
  EXPECT_EQ(outline.simple_actions(), (std::vector<Action*>{call, orphan}));
  EXPECT_EQ(steps_of(actions, 7), (std::vector<Action*>{dig, plant}));

  // Removing a project leaves its actions, which become simple actions.
  projects.remove(garden);
  EXPECT_EQ(actions.count(), 5u);
  EXPECT_EQ(dig->project_id, 7);
  outline.rebuild(projects, actions);  // made again in the same memory
  EXPECT_EQ(outline.projects(), (std::vector<Project*>{move, twin}));
  EXPECT_EQ(steps(outline, 0), std::vector<Action*>{pack});
  EXPECT_EQ(outline.simple_actions(), (std::vector<Action*>{dig, call, orphan, plant}));
}

TEST(ProjectOutlineTest, HowTheProjectEditorListsAStep) {
  const struct {
    int32_t status;
    const char* text;
  } statuses[] = {
      {kStatusRunning, "Running"},
      {kStatusCompleted, "Completed"},
      {kStatusPaused, "Paused"},
      {kStatusStopped, "Stopped"},
      {kStatusNotStarted, "Not Started"},
      {kStatusDisabled, "Not Started"},
      {0, "Not Started"},
      {kStatusRunning | kStatusPaused, "Not Started"},
  };
  for (const auto& s : statuses) EXPECT_STREQ(step_status_text(s.status), s.text) << s.status;

  const struct {
    int32_t flags;
    const char* text;
  } priorities[] = {
      {kPriorityHigh, "High"},
      {kPriorityHigh | kPriorityLow, "High"},
      {kPriorityNormal | kPriorityLow, "Low"},  // Low before Normal, unlike the Actions page
      {kPriorityLow | 5, "Low"},
      {kPriorityNormal, "Normal"},
      {0, "Normal"},
  };
  for (const auto& p : priorities) EXPECT_STREQ(step_priority_text(p.flags), p.text) << p.flags;
}

}  // namespace
