#include <QLineEdit>
#include <QPlainTextEdit>

#include "support/AddRecord.h"
#include "support/ProgramFixture.h"
#include "ui/PageIds.h"

namespace {

class ProjectEditorTest : public ExitingProgramFixture {
 protected:
  void SetUp() override { start(pages_with_stubs({kPageOneAction})); }
  Project* add_project(const char* name) {
    Project* p = add_record(g().projects, name, 0);
    p->id = static_cast<int32_t>(g().projects.count()) + 10;
    return p;
  }
  Action* add_step(Project* project, const char* name, int32_t status, int32_t priority) {
    Action* a = add_record(g().actions, name, status);
    a->project_id = project ? project->id : 0;
    a->priority_flags = priority;
    return a;
  }
  void open(Project* project) {
    main().show_page(kPageReview, true);
    main().open_editor(kPageOneProject, project, kPageReview);
    ASSERT_EQ(current_page(), kPageOneProject);
  }
  void open_new() {
    main().show_page(kPageReview, true);
    click(kPageReview, "btnAddProject");
    ASSERT_EQ(current_page(), kPageOneProject);
  }
  QString field(const char* name) {
    return control<QLineEdit>(page(kPageOneProject), name)->text();
  }
  StubPage* action_editor() { return stub(kPageOneAction); }
};

TEST_F(ProjectEditorTest, ListsTheProjectsActionsWithStatusAndPriority) {
  Project* garden = add_project("Garden");
  garden->outcome = "Vegetables all summer";
  garden->notes = "Raised beds\r\nby the fence";
  Project* other = add_project("Other");
  add_step(garden, "Dig the beds", kStatusRunning, kPriorityHigh);
  add_step(other, "of another project", 0, 0);
  add_step(nullptr, "simple", 0, 0);
  add_step(garden, "Buy seeds", kStatusDisabled, kPriorityNormal | kPriorityLow);
  add_step(garden, "Water", kStatusCompleted, 0);
  open(garden);
  EXPECT_EQ(field("edtName"), "Garden");
  EXPECT_EQ(field("edtOutcome"), "Vegetables all summer");
  EXPECT_EQ(control<QPlainTextEdit>(page(kPageOneProject), "memNotes")->toPlainText(),
            "Raised beds\nby the fence");
  ASSERT_EQ(rows(kPageOneProject), 3);
  const char* expected[3][3] = {{"Dig the beds", "Running", "High"},
                                {"Buy seeds", "Not Started", "Low"},
                                {"Water", "Completed", "Normal"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(cell(kPageOneProject, r, c), expected[r][c]) << r << c;
  EXPECT_EQ(list(kPageOneProject)->selected_row(), 0);
  EXPECT_TRUE(enabled(kPageOneProject, "btnModify"));
  EXPECT_TRUE(enabled(kPageOneProject, "btnDelete"));
  click(kPageOneProject, "btnModify");
  ASSERT_EQ(current_page(), kPageOneAction);
  EXPECT_EQ(action_editor()->edited_action()->name, "Dig the beds");
  EXPECT_EQ(action_editor()->return_page(), kPageOneProject);
}

TEST_F(ProjectEditorTest, ANewProjectIsStoredOnlyWhenCommitted) {
  open_new();
  EXPECT_EQ(rows(kPageOneProject), 0);
  EXPECT_FALSE(enabled(kPageOneProject, "btnModify"));
  EXPECT_FALSE(enabled(kPageOneProject, "btnDelete"));
  type(kPageOneProject, "edtName", "Move house");
  click(kPageOneProject, "btnCancel");
  EXPECT_EQ(current_page(), kPageReview);
  EXPECT_EQ(g().projects.count(), 0u);

  // Without a description neither Save nor Add goes anywhere.
  click(kPageReview, "btnAddProject");
  for (const char* button : {"btnSave", "btnAdd"}) {
    prompts.answer(Prompts::Ok);
    click(kPageOneProject, button);
    ASSERT_EQ(prompts.messages().size(), 1u) << button;
    EXPECT_EQ(prompts.messages().back().caption, "Error");
    EXPECT_EQ(prompts.messages().back().text, "The project description field can not be empty.");
    EXPECT_EQ(current_page(), kPageOneProject);
    EXPECT_EQ(action_editor()->edited_action(), nullptr) << button;
    EXPECT_EQ(g().projects.count(), 0u);
    prompts.forget();
  }

  // Add stores the project first; the action editor's Cancel leaves it stored, without a step.
  type(kPageOneProject, "edtName", "Move house");
  click(kPageOneProject, "btnAdd");
  ASSERT_EQ(current_page(), kPageOneAction);
  ASSERT_EQ(g().projects.count(), 1u);
  Project* stored = g().projects.first();
  EXPECT_EQ(stored->name, "Move house");
  EXPECT_EQ(stored->state, kStateChanged);
  EXPECT_EQ(action_editor()->edited_action()->project_id, stored->id);
  EXPECT_EQ(action_editor()->edited_action()->state, kStateNew);
  main().show_page(kPageOneProject, false);
  EXPECT_EQ(g().actions.count(), 0u);
  EXPECT_EQ(field("edtName"), "Move house");
  click(kPageOneProject, "btnSave");
  EXPECT_EQ(g().projects.count(), 1u);
}

TEST_F(ProjectEditorTest, TextsAreCutToWhatTheRecordHolds) {
  Project* p = add_project("p");
  const struct {
    int typed;
    std::size_t stored;
  } outcomes[] = {{300, 300}, {600, 511}};
  for (const auto& o : outcomes) {
    open(p);
    type(kPageOneProject, "edtOutcome", QString(o.typed, 'o'));
    type(kPageOneProject, "edtName", QString(300, 'n'));
    click(kPageOneProject, "btnSave");
    EXPECT_EQ(p->outcome.size(), o.stored);
    EXPECT_EQ(p->name.size(), 255u);
  }
}

TEST_F(ProjectEditorTest, DeleteRemovesTheActionAtOnceWithItsReminderAndItsRun) {
  g().settings.AlertDeletion = true;  // asked nothing all the same
  Project* p = add_project("Trip");
  Action* running = add_step(p, "Book flights", 0, 0);
  running->due = 46001.5;
  running->remind = 1;
  running->remind_lead = 1;
  running->remind_unit = kUnitHours;
  add_step(p, "Pack", 0, 0);
  g().actions.set_active(running, kStatusPaused);
  g().alarms.collect_action_reminders();
  ASSERT_EQ(g().alarms.count(), 1u);
  open(p);
  click(kPageOneProject, "btnDelete");
  EXPECT_TRUE(prompts.messages().empty());
  EXPECT_EQ(g().actions.count(), 1u);
  EXPECT_EQ(g().alarms.count(), 0u);
  EXPECT_EQ(g().actions.active_action(), nullptr);
  ASSERT_EQ(rows(kPageOneProject), 1);
  EXPECT_EQ(cell(kPageOneProject, 0, 0), "Pack");
  click(kPageOneProject, "btnCancel");
  EXPECT_EQ(g().actions.count(), 1u);  // Cancel brings nothing back
}

TEST_F(ProjectEditorTest, AProjectRemovedMeanwhileIsNotTouched) {
  Project* p = add_project("Gone soon");
  open(p);
  main().show_page(kPageReview, false);
  g().projects.remove(p);
  click("btnBack");
  ASSERT_EQ(current_page(), kPageOneProject);
  click(kPageOneProject, "btnSave");  // does what Cancel does
  EXPECT_EQ(current_page(), kPageReview);
  EXPECT_EQ(g().projects.count(), 0u);
}

}  // namespace
