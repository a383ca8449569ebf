#include <QDateEdit>
#include <QIcon>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTreeView>

#include "support/AddRecord.h"
#include "support/ProgramFixture.h"
#include "ui/PageIds.h"
#include "ui/Review.h"

namespace {

class ReviewTest : public ExitingProgramFixture {
 protected:
  void SetUp() override { start(pages_with_stubs({kPageOneAction})); }
  Project* add_project(const char* name) {
    Project* p = add_record(g().projects, name, 0);
    p->id = static_cast<int32_t>(g().projects.count()) + 20;
    return p;
  }
  Action* add_action(const char* name, const Project* project = nullptr) {
    Action* a = add_record(g().actions, name, 0);
    a->project_id = project ? project->id : 0;
    return a;
  }
  void show_review() {
    main().show_page(kPageHome, true);
    click("lblReview");
    ASSERT_EQ(current_page(), kPageReview);
  }
  TfmReview* review() { return dynamic_cast<TfmReview*>(page(kPageReview)); }
  QTreeView* tree() { return control<QTreeView>(page(kPageReview), "tvData"); }
  QTabWidget* tabs() { return control<QTabWidget>(page(kPageReview), "pMain"); }
  RecordListView* list_named(const char* name) {
    return control<RecordListView>(page(kPageReview), name);
  }
  QModelIndex node(int group, int row = -1, int child = -1) {
    QModelIndex n = tree()->model()->index(group, 0);
    if (row >= 0) n = tree()->model()->index(row, 0, n);
    if (child >= 0) n = tree()->model()->index(child, 0, n);
    return n;
  }
  // The texts under a node, one level down.
  QStringList children(const QModelIndex& parent) {
    QStringList texts;
    for (int r = 0; r < tree()->model()->rowCount(parent); ++r)
      texts << tree()->model()->index(r, 0, parent).data().toString();
    return texts;
  }
  QString selected_node() {
    QModelIndexList s = tree()->selectionModel()->selectedIndexes();
    return s.isEmpty() ? QString("(none)") : s.first().data().toString();
  }
  void choose(const QModelIndex& n) {
    ASSERT_TRUE(n.isValid());
    tree()->setCurrentIndex(n);
  }
  // The current tab's title, and the titles of the tabs that are there.
  QString current_tab() { return tabs()->tabText(tabs()->currentIndex()); }
  QStringList visible_tabs() {
    QStringList titles;
    for (int i = 0; i < tabs()->count(); ++i)
      if (tabs()->isTabVisible(i)) titles << tabs()->tabText(i);
    return titles;
  }
  QStringList list_texts(const char* name) {
    QStringList texts;
    RecordListView* l = list_named(name);
    for (int r = 0; r < l->model()->rowCount(); ++r)
      texts << l->model()->index(r, 0).data().toString();
    return texts;
  }
  template <class W>
  W* field(const char* name) {
    return control<W>(page(kPageReview), name);
  }
};

TEST_F(ReviewTest, EmptyStoresShowTheTwoGroupsAndAnEmptyProjectList) {
  show_review();
  EXPECT_EQ(children({}), (QStringList{"All Projects", "All Simple Actions"}));
  EXPECT_EQ(tree()->model()->rowCount(node(0)) + tree()->model()->rowCount(node(1)), 0);
  EXPECT_EQ(selected_node(), "All Projects");
  EXPECT_EQ(current_tab(), "All Projects");
  EXPECT_EQ(visible_tabs(), (QStringList{"All Projects", "All Actions"}));
  EXPECT_EQ(list_named("lvAllProjects")->model()->rowCount(), 0);
  EXPECT_FALSE(enabled(kPageReview, "btnEditProject"));
  EXPECT_FALSE(enabled(kPageReview, "btnDelProject"));
  EXPECT_TRUE(enabled(kPageReview, "btnAddProject"));
}

TEST_F(ReviewTest, TheTreeHoldsProjectsWithTheirActionsAndTheSimpleActions) {
  Project* garden = add_project("Garden");
  Project* gone = add_project("Removed project");
  Project* move = add_project("Move house");
  add_action("Dig", garden);
  add_action("Call the bank");
  add_action("Orphan", gone)->status = kStatusCompleted;
  add_action("Pack boxes", move)->status = kStatusDisabled;
  add_action("Plant", garden);
  g().projects.remove(gone);
  show_review();
  EXPECT_EQ(children(node(0)), (QStringList{"Garden", "Move house"}));
  EXPECT_EQ(children(node(0, 0)), (QStringList{"Dig", "Plant"}));
  EXPECT_EQ(children(node(0, 1)), QStringList{"Pack boxes"});
  EXPECT_EQ(children(node(1)), (QStringList{"Call the bank", "Orphan"}));
  EXPECT_EQ(list_texts("lvAllProjects"), (QStringList{"Garden", "Move house"}));
  // Each kind of node has a picture of its own.
  auto picture = [](const QModelIndex& n) {
    return n.data(Qt::DecorationRole).value<QIcon>().pixmap(24).toImage();
  };
  const QImage group = picture(node(0)), project = picture(node(0, 0)),
               action = picture(node(0, 0, 0));
  EXPECT_FALSE(group.isNull() || project.isNull() || action.isNull());
  EXPECT_NE(group, project);
  EXPECT_NE(project, action);
  EXPECT_NE(group, action);
  EXPECT_EQ(picture(node(1)), group);
  EXPECT_EQ(picture(node(1, 0)), action);
}

TEST_F(ReviewTest, SelectingANodeShowsItsTab) {
  Project* garden = add_project("Garden");
  garden->notes = "Raised beds";
  add_action("Dig", garden);
  Action* call = add_action("Call the bank");
  call->action_type = kTypeDelegated;
  call->delegate = "Anna";
  call->notes = "About the loan";
  Action* visit = add_action("Visit the site");
  visit->action_type = kTypeScheduled;
  visit->scheduled = 45413.0 + 14.5 / 24;  // 2024-05-01 14:30
  show_review();

  choose(node(0, 0));
  EXPECT_EQ(current_tab(), "Project Details");
  EXPECT_EQ(visible_tabs(), (QStringList{"Project Details", "All Projects", "All Actions"}));
  EXPECT_EQ(field<QLineEdit>("edtProjectDesc")->text(), "Garden");
  EXPECT_FALSE(field<QLineEdit>("edtProjectDesc")->isEnabled());
  EXPECT_EQ(field<QPlainTextEdit>("memProjectNotes")->toPlainText(), "Raised beds");
  EXPECT_EQ(list_texts("lvAction"), QStringList{"Dig"});
  EXPECT_EQ(review()->chosen(), TfmReview::Chosen::Project);

  const struct {
    int row;
    const char* type;
    const char* delegate;
    QDate date;
    QTime time;
  } actions[] = {
      {0, "rbtnDelegate", "Anna", QDate(2025, 12, 9), QTime(12, 0)},  // not scheduled: now
      {1, "rbtnSchedule", "", QDate(2024, 5, 1), QTime(14, 30)},
  };
  for (const auto& a : actions) {
    choose(node(1, a.row));
    EXPECT_EQ(current_tab(), "Action Details");
    EXPECT_EQ(visible_tabs(), (QStringList{"Action Details", "All Projects", "All Actions"}));
    EXPECT_TRUE(field<QRadioButton>(a.type)->isChecked()) << a.type;
    EXPECT_EQ(field<QLineEdit>("edtDelegate")->text(), a.delegate);
    EXPECT_EQ(field<QDateEdit>("pkScheduleDate")->date(), a.date);
    EXPECT_EQ(field<QTimeEdit>("pkScheduleTime")->time(), a.time);
  }
  EXPECT_EQ(field<QLineEdit>("edtActionDesc")->text(), "Visit the site");
  // The details take no input.
  EXPECT_FALSE(field<QRadioButton>("rbtnASAP")->isEnabled());
  EXPECT_TRUE(field<QLineEdit>("edtDelegate")->isReadOnly());
  EXPECT_TRUE(field<QDateEdit>("pkScheduleDate")->isReadOnly());

  choose(node(1));
  EXPECT_EQ(current_tab(), "All Actions");
  EXPECT_EQ(visible_tabs(), (QStringList{"All Projects", "All Actions"}));
  EXPECT_EQ(list_texts("lvAllActions"), (QStringList{"Dig", "Call the bank", "Visit the site"}));
  EXPECT_EQ(review()->chosen(), TfmReview::Chosen::None);
  EXPECT_TRUE(enabled(kPageReview, "btnEditAction"));
}

// Every delete asks while AlertDeletion is on; only Yes goes on.
TEST_F(ReviewTest, EveryDeleteAsksFirst) {
  const struct {
    const char* what;
    bool project;
    bool from_list;
    const char* button;
    const char* question;
  } deletes[] = {
      {"project from the list", true, true, "btnDelProject",
       "Are you sure to delete this project?"},
      {"project from its details", true, false, "btnProjectDel",
       "Are you sure to delete this project?"},
      {"action from the list", false, true, "btnDelAction", "Are you sure to delete this action?"},
      {"action from its details", false, false, "btnActionDel",
       "Are you sure to delete this action?"},
  };
  for (const auto& d : deletes) {
    SCOPED_TRACE(d.what);
    add_project("Project");
    add_action("Action");
    show_review();
    choose(d.project ? (d.from_list ? node(0) : node(0, 0)) : (d.from_list ? node(1) : node(1, 0)));
    const QString chosen_before = selected_node();
    for (int answer : {Prompts::No, Prompts::Cancel}) {
      prompts.answer(answer);
      click(kPageReview, d.button);
      ASSERT_EQ(prompts.messages().size(), 1u);
      EXPECT_EQ(prompts.messages().back().caption, "Confirmation");
      EXPECT_EQ(prompts.messages().back().text, d.question);
      EXPECT_EQ(prompts.messages().back().buttons, Prompts::Yes | Prompts::No | Prompts::Cancel);
      prompts.forget();
      EXPECT_EQ(g().projects.count() + g().actions.count(), 2u);
      EXPECT_EQ(selected_node(), chosen_before);
      EXPECT_EQ(tree()->model()->rowCount(node(d.project ? 0 : 1)), 1);
    }
    prompts.answer(Prompts::Yes);
    click(kPageReview, d.button);
    EXPECT_EQ(g().projects.count(), d.project ? 0u : 1u);
    EXPECT_EQ(g().actions.count(), d.project ? 1u : 0u);
    EXPECT_EQ(tree()->model()->rowCount(node(d.project ? 0 : 1)), 0);
    EXPECT_EQ(review()->chosen_record(), nullptr);
    prompts.forget();
    g().projects.clear();
    g().actions.clear();
  }
  // Without AlertDeletion nothing is asked.
  g().settings.AlertDeletion = false;
  add_action("quiet");
  show_review();
  choose(node(1));
  click(kPageReview, "btnDelAction");
  EXPECT_EQ(g().actions.count(), 0u);
}

TEST_F(ReviewTest, ADeletedProjectLeavesItsActionsAsSimpleActions) {
  Project* garden = add_project("Garden");
  add_project("Kitchen");
  add_action("Dig", garden);
  add_action("Plant", garden);
  add_action("Call the bank");
  show_review();
  choose(node(0, 0));
  prompts.answer(Prompts::Yes);
  click(kPageReview, "btnProjectDel");
  // Its node and its action nodes are gone at once; the neighbour is chosen.
  EXPECT_EQ(children(node(0)), QStringList{"Kitchen"});
  EXPECT_EQ(children(node(1)), QStringList{"Call the bank"});
  EXPECT_EQ(selected_node(), "Kitchen");
  EXPECT_EQ(current_tab(), "Project Details");
  EXPECT_EQ(field<QLineEdit>("edtProjectDesc")->text(), "Kitchen");
  EXPECT_EQ(g().actions.count(), 3u);
  show_review();
  EXPECT_EQ(children(node(1)), (QStringList{"Dig", "Plant", "Call the bank"}));
  // The last project of the tree goes the same way, and its group is chosen.
  choose(node(0, 0));
  prompts.answer(Prompts::Yes);
  click(kPageReview, "btnProjectDel");
  EXPECT_EQ(selected_node(), "All Projects");
  EXPECT_EQ(current_tab(), "All Projects");
}

TEST_F(ReviewTest, ReturningFromAnEditorChoosesWhatWasChosen) {
  Project* garden = add_project("Garden");
  show_review();
  choose(node(0, 0));
  click(kPageReview, "btnProjectEdit");
  ASSERT_EQ(current_page(), kPageOneProject);
  type(kPageOneProject, "edtName", "Vegetable garden");
  click(kPageOneProject, "btnSave");
  ASSERT_EQ(current_page(), kPageReview);
  EXPECT_EQ(selected_node(), "Vegetable garden");
  EXPECT_EQ(current_tab(), "Project Details");
  EXPECT_EQ(review()->chosen_record(), garden);

  // With the "All Projects" tab up, a new project comes back last in the list.
  choose(node(0));
  click(kPageReview, "btnAddProject");
  type(kPageOneProject, "edtName", "Bathroom");
  click(kPageOneProject, "btnSave");
  ASSERT_EQ(current_page(), kPageReview);
  EXPECT_EQ(selected_node(), "All Projects");
  EXPECT_EQ(current_tab(), "All Projects");
  EXPECT_EQ(list_texts("lvAllProjects"), (QStringList{"Vegetable garden", "Bathroom"}));

  // The action editor is handed the chosen action and comes back here.
  Action* call = add_action("Call the bank");
  show_review();
  choose(node(1, 0));
  click(kPageReview, "btnActionEdit");
  ASSERT_EQ(current_page(), kPageOneAction);
  EXPECT_EQ(stub(kPageOneAction)->edited_action(), call);
  EXPECT_EQ(stub(kPageOneAction)->return_page(), kPageReview);
  main().show_page(kPageReview, false);
  EXPECT_EQ(selected_node(), "Call the bank");
  EXPECT_EQ(current_tab(), "Action Details");
}

TEST_F(ReviewTest, AChosenRecordRemovedElsewhereCountsAsNotFound) {
  Project* garden = add_project("Garden");
  Action* dig = add_action("Dig", garden);
  add_action("Call the bank");
  show_review();
  choose(node(0, 0, 0));
  ASSERT_EQ(review()->chosen_record(), dig);
  // Deleted in the project editor: the next show goes to the group of simple actions.
  main().open_editor(kPageOneProject, garden, kPageReview);
  click(kPageOneProject, "btnDelete");
  EXPECT_EQ(review()->chosen_record(), nullptr);
  click(kPageOneProject, "btnCancel");
  ASSERT_EQ(current_page(), kPageReview);
  EXPECT_EQ(selected_node(), "All Simple Actions");
  EXPECT_EQ(current_tab(), "All Actions");
  EXPECT_EQ(list_texts("lvAllActions"), QStringList{"Call the bank"});
  // A project removed meanwhile: Back shows no node selected, and a click chooses again.
  add_project("Kitchen");
  show_review();
  choose(node(0, 0));
  main().show_page(kPageHome, true);
  g().projects.remove(garden);
  click("btnBack");
  ASSERT_EQ(current_page(), kPageReview);
  EXPECT_EQ(selected_node(), "(none)");
  EXPECT_EQ(children(node(0)), QStringList{"Kitchen"});
  click(kPageReview, "btnProjectEdit");  // the project is gone: nothing opens
  EXPECT_EQ(current_page(), kPageReview);
  choose(node(0, 0));
  EXPECT_EQ(field<QLineEdit>("edtProjectDesc")->text(), "Kitchen");
  // Removed while the page is away: the group of projects at the next show.
  main().show_page(kPageHome, true);
  g().projects.remove(g().projects.first());
  show_review();
  EXPECT_EQ(selected_node(), "All Projects");
  EXPECT_EQ(current_tab(), "All Projects");
}

TEST_F(ReviewTest, DeletingAnActionDropsItsReminderAndItsRun) {
  Action* running = add_action("Book flights");
  running->due = 46001.5;
  running->remind = 1;
  running->remind_lead = 2;
  running->remind_unit = kUnitHours;
  g().actions.set_active(running, kStatusPaused);
  g().alarms.collect_action_reminders();
  ASSERT_EQ(g().alarms.count(), 1u);
  show_review();
  choose(node(1, 0));
  prompts.answer(Prompts::Yes);
  click(kPageReview, "btnActionDel");
  EXPECT_EQ(g().alarms.count(), 0u);
  EXPECT_EQ(g().actions.active_action(), nullptr);
  EXPECT_EQ(g().actions.count(), 0u);
  for (int second = 0; second < 5; ++second)
    main().tmMainTimer();  // counts nothing, breaks nothing
}

}  // namespace
