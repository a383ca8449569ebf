#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>

#include "support/ProgramFixture.h"
#include "ui/PageIds.h"

namespace {

class PlanTest : public ExitingProgramFixture {
 protected:
  void SetUp() override { start(pages_with_stubs({kPageOneAction})); }

  InboxItem* add(const char* name, int32_t actionable = 1) {
    InboxItem item;
    item.id = static_cast<int32_t>(g().inbox.count()) + 1;
    item.name = name;
    item.actionable = actionable;
    return g().inbox.add_copy(&item);
  }
  void show_process() {
    main().show_page(kPageHome, true);
    click("lblPlan");
    ASSERT_EQ(current_page(), kPageProcess);
  }
  QRadioButton* radio(const char* name) { return control<QRadioButton>(page(kPageProcess), name); }
  QCheckBox* box() { return control<QCheckBox>(page(kPageProcess), "cbProcess"); }
  QString text(const char* name) { return control<QLineEdit>(page(kPageProcess), name)->text(); }
  QTabWidget* tabs() { return control<QTabWidget>(page(kPageProcess), "pDetail"); }
  bool tab_shown(const char* name) {
    QWidget* tab = control(page(kPageProcess), name);
    return tabs()->isTabVisible(tabs()->indexOf(tab)) && tabs()->currentWidget() == tab;
  }
  int selected_row() { return list(kPageProcess)->selected_row(); }
  // Saves what the stand-in action editor was handed, as its Save && Return does.
  Action* save_action(const char* name) {
    Action* edited = stub(kPageOneAction)->edited_action();
    edited->name = name;
    Action* stored = edited->state == kStateNew ? g().actions.add_copy(edited) : edited;
    main().show_page(stub(kPageOneAction)->return_page(), true);
    return stored;
  }
};

TEST_F(PlanTest, AnEmptyInboxLeavesTheControlsAsTheyStart) {
  add("done already")->process_status = kProcessed;
  show_process();
  EXPECT_EQ(rows(kPageProcess), 0);
  EXPECT_EQ(selected_row(), -1);
  EXPECT_EQ(text("edtDesc"), "");
  for (const char* selected : {"rbtnActionable", "rbtnAction", "rbtnTrash"})
    EXPECT_TRUE(radio(selected)->isChecked()) << selected;
  EXPECT_FALSE(box()->isChecked());
  EXPECT_TRUE(tab_shown("tActionable"));
  EXPECT_TRUE(enabled(kPageProcess, "btnActionEdit"));
  EXPECT_FALSE(enabled(kPageProcess, "btnProjectEdit"));
  // Without an item the controls change nothing, and Edit opens nothing.
  radio("rbtnNotActionable")->click();
  box()->click();
  click(kPageProcess, "btnItemEdit");
  EXPECT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(g().inbox.first()->process_status, kProcessed);
  EXPECT_EQ(g().inbox.first()->actionable, 1);
}

TEST_F(PlanTest, ShowingListsTheUnprocessedItemsAndLoadsTheFirst) {
  add("Call the plumber");
  add("filed long ago")->process_status = kProcessed;
  add("Renew the insurance")->process_status = kProcessing;
  show_process();
  ASSERT_EQ(rows(kPageProcess), 2);
  EXPECT_EQ(cell(kPageProcess, 1, 0), "Renew the insurance");
  EXPECT_EQ(selected_row(), 0);
  EXPECT_EQ(text("edtDesc"), "Call the plumber");
  EXPECT_EQ(text("edtAction"), "<Create New Action>");
  EXPECT_EQ(text("edtProject"), "");
}

// Each case decides on the first item, then selects the second: moving away commits the first.
TEST_F(PlanTest, MovingAwayCommitsTheDecision) {
  struct Case {
    const char* what;
    std::function<void(InboxItem&)> before;  // the item as stored
    std::vector<const char*> clicks;         // on the Process page
    int32_t actionable, process_status, trashed, someday_id, reference_id;
    bool listed_again;  // on this page and the inbox, once shown again
  };
  auto none = [](InboxItem&) {};
  auto not_actionable = [](InboxItem& i) { i.actionable = 0; };
  auto linked_both = [](InboxItem& i) {
    i.actionable = 0;
    i.someday_id = 4;
    i.reference_id = 5;
  };
  const Case cases[] = {
      {"looked at only", none, {}, 1, kProcessing, 0, 0, 0, true},
      {"box ticked", none, {"cbProcess"}, 1, kProcessed, 0, 0, 0, false},
      {"trash", none, {"rbtnNotActionable", "rbtnTrash"}, 0, kProcessed, 1, 0, 0, false},
      {"loaded as No without links: trash", not_actionable, {}, 0, kProcessed, 1, 0, 0, false},
      {"someday/maybe", linked_both, {"rbtnSomeday"}, 0, kProcessing, 0, 4, 0, true},
      {"reference, done", linked_both, {"rbtnRef", "cbProcess"}, 0, kProcessed, 0, 0, 5, false},
      {"back to Yes keeps the links",
       linked_both,
       {"rbtnActionable"},
       1,
       kProcessing,
       0,
       4,
       5,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    InboxItem* first = add("first");
    c.before(*first);
    add("second");
    ASSERT_TRUE(g().inbox.save());
    show_process();
    clock.advance_seconds(60);
    for (const char* name : c.clicks) click(kPageProcess, name);
    EXPECT_EQ(first->state, kStateStored);  // nothing is marked before moving away
    select(kPageProcess, 1);
    EXPECT_EQ(first->actionable, c.actionable);
    EXPECT_EQ(first->process_status, c.process_status);
    EXPECT_EQ(first->trashed, c.trashed);
    EXPECT_EQ(first->someday_id, c.someday_id);
    EXPECT_EQ(first->reference_id, c.reference_id);
    EXPECT_EQ(first->state, kStateChanged);
    EXPECT_EQ(first->modified, clock.moment());
    EXPECT_EQ(text("edtDesc"), "second");
    EXPECT_FALSE(box()->isChecked());
    EXPECT_EQ(rows(kPageProcess), 2);  // the first keeps its row until the next show
    show_process();
    EXPECT_EQ(rows(kPageProcess), c.listed_again ? 2 : 1);
    main().show_page(kPageInbox, true);
    EXPECT_EQ(rows(kPageInbox), c.listed_again ? 2 : 1);
    g().inbox.clear();
  }
}

TEST_F(PlanTest, ControlsRunTheirHandlingOnEveryChangeButTheBoxNotWhileLoading) {
  SomedayItem idea;
  idea.id = 5;
  idea.name = "Learn the cello";
  g().someday.add_copy(&idea);
  InboxItem* linked = add("someday", 0);
  linked->someday_id = 5;
  InboxItem* first_trash = add("trash one", 0);
  InboxItem* second_trash = add("trash two", 0);
  InboxItem* actionable = add("actionable");
  show_process();
  // Loading selected the someday/maybe option, whose handling enabled its Edit button.
  EXPECT_TRUE(radio("rbtnSomeday")->isChecked());
  EXPECT_EQ(text("edtSomeday"), "Learn the cello");
  EXPECT_TRUE(enabled(kPageProcess, "btnSomedayEdit"));
  EXPECT_FALSE(enabled(kPageProcess, "btnRefEdit"));
  EXPECT_EQ(linked->process_status, kNotProcessed);
  // Loading switches to the trash, whose handling runs the box handling: "Processing".
  select(kPageProcess, 1);
  EXPECT_TRUE(radio("rbtnTrash")->isChecked());
  EXPECT_FALSE(enabled(kPageProcess, "btnSomedayEdit"));
  EXPECT_EQ(first_trash->process_status, kProcessing);
  EXPECT_EQ(first_trash->state, kStateStored);
  // The trash is selected already: nothing runs.
  select(kPageProcess, 2);
  EXPECT_EQ(second_trash->process_status, kNotProcessed);
  // The Yes handling runs at every load; the box is set without its handling.
  select(kPageProcess, 3);
  EXPECT_TRUE(tab_shown("tActionable"));
  EXPECT_EQ(actionable->process_status, kNotProcessed);
  box()->click();
  EXPECT_EQ(actionable->process_status, kProcessed);
  box()->setChecked(true);  // the state it has: nothing runs
  actionable->process_status = kNotProcessed;
  box()->setChecked(true);
  EXPECT_EQ(actionable->process_status, kNotProcessed);
  box()->setChecked(false);
  EXPECT_EQ(actionable->process_status, kProcessing);
  // Yes and No change the item at once, and choosing the project alone changes nothing.
  radio("rbtnNotActionable")->click();
  EXPECT_EQ(actionable->actionable, 0);
  radio("rbtnActionable")->click();
  radio("rbtnProject")->click();
  EXPECT_EQ(actionable->actionable, 1);
  EXPECT_EQ(actionable->is_project, 0);
  EXPECT_FALSE(enabled(kPageProcess, "btnActionEdit"));
  EXPECT_TRUE(enabled(kPageProcess, "btnProjectEdit"));
}

TEST_F(PlanTest, OnlyTheTabOfTheAnswerCanBeUsed) {
  add("a");
  show_process();
  auto usable = [this](const char* name) {
    QWidget* w = control(page(kPageProcess), name);
    return w->isVisible() && w->isEnabled();
  };
  EXPECT_TRUE(tab_shown("tActionable"));
  EXPECT_FALSE(tabs()->isTabVisible(1));
  EXPECT_FALSE(usable("rbtnSomeday"));
  // Not even by switching to the hidden tab around the tab bar.
  tabs()->setCurrentIndex(1);
  EXPECT_FALSE(usable("rbtnSomeday"));
  radio("rbtnNotActionable")->click();
  EXPECT_TRUE(tab_shown("tNotActionable"));
  EXPECT_FALSE(tabs()->isTabVisible(0));
  EXPECT_TRUE(usable("rbtnSomeday"));
  EXPECT_FALSE(usable("btnActionEdit"));
  EXPECT_FALSE(usable("rbtnProject"));
}

TEST_F(PlanTest, TheEditButtonsOpenTheRecordsTheItemBecomes) {
  InboxItem* item = add("Fix the bathroom tap");
  show_process();
  // A next action: cancelled, nothing is stored; saved, its description is shown.
  click(kPageProcess, "btnActionEdit");
  ASSERT_EQ(current_page(), kPageOneAction);
  Action* fresh = stub(kPageOneAction)->edited_action();
  EXPECT_EQ(fresh->source_item_id, item->id);
  EXPECT_EQ(fresh->name, "");  // nothing of the item is copied
  EXPECT_EQ(stub(kPageOneAction)->return_page(), kPageProcess);
  main().show_page(kPageProcess, false);
  EXPECT_EQ(g().actions.count(), 0u);
  EXPECT_EQ(text("edtAction"), "<Create New Action>");
  click(kPageProcess, "btnActionEdit");
  Action* action = save_action("Call the plumber");
  ASSERT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(text("edtAction"), "Call the plumber");
  click(kPageProcess, "btnActionEdit");
  EXPECT_EQ(stub(kPageOneAction)->edited_action(), action);  // the linked one now
  main().show_page(kPageProcess, false);

  // A project, through its real editor: shown with its description, the action text emptied.
  radio("rbtnProject")->click();
  click(kPageProcess, "btnProjectEdit");
  ASSERT_EQ(current_page(), kPageOneProject);
  EXPECT_EQ(item->is_project, 1);
  type(kPageOneProject, "edtName", "Bathroom repairs");
  click(kPageOneProject, "btnSave");
  ASSERT_EQ(current_page(), kPageProcess);
  ASSERT_EQ(g().projects.count(), 1u);
  EXPECT_EQ(g().projects.first()->source_item_id, item->id);
  EXPECT_TRUE(radio("rbtnProject")->isChecked());
  EXPECT_EQ(text("edtProject"), "Bathroom repairs");
  EXPECT_EQ(text("edtAction"), "");

  // The item itself, in the item editor.
  click(kPageProcess, "btnItemEdit");
  ASSERT_EQ(current_page(), kPageOneItem);
  type(kPageOneItem, "edtName", "Fix the bathroom tap today");
  click(kPageOneItem, "btnSave");
  ASSERT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(text("edtDesc"), "Fix the bathroom tap today");
  EXPECT_EQ(cell(kPageProcess, 0, 0), "Fix the bathroom tap today");
}

TEST_F(PlanTest, ACancelledSomedayRecordKeepsItsIdentifierInTheItem) {
  InboxItem* item = add("Learn to play the cello", 0);
  show_process();
  radio("rbtnSomeday")->click();
  click(kPageProcess, "btnSomedayEdit");
  ASSERT_EQ(current_page(), kPageOneSomeday);
  const int32_t first_id = item->someday_id;
  EXPECT_NE(first_id, 0);
  click(kPageOneSomeday, "btnCancel");
  ASSERT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(g().someday.count(), 0u);
  EXPECT_EQ(item->someday_id, first_id);
  EXPECT_TRUE(radio("rbtnSomeday")->isChecked());
  EXPECT_EQ(text("edtSomeday"), "");
  // The next Edit makes another record, which a save links for good.
  click(kPageProcess, "btnSomedayEdit");
  EXPECT_EQ(item->someday_id, first_id + 1);
  type(kPageOneSomeday, "edtName", "Cello lessons");
  click(kPageOneSomeday, "btnSave");
  EXPECT_EQ(text("edtSomeday"), "Cello lessons");
  // A reference made afterwards replaces the someday/maybe link when the item is left.
  radio("rbtnRef")->click();
  click(kPageProcess, "btnRefEdit");
  type(kPageOneRef, "edtName", "Cello teachers nearby");
  click(kPageOneRef, "btnSave");
  EXPECT_EQ(text("edtRef"), "Cello teachers nearby");
  EXPECT_EQ(text("edtSomeday"), "");
  add("next");
  show_process();
  select(kPageProcess, 1);
  EXPECT_EQ(item->someday_id, 0);
  EXPECT_EQ(item->reference_id, g().refs.first()->id);
  EXPECT_EQ(g().someday.count(), 1u);  // what was made stays
}

TEST_F(PlanTest, TheBoxTickedAndThePageLeft) {
  InboxItem* item = add("done with it");
  add("another");
  ASSERT_TRUE(g().inbox.save());
  show_process();
  box()->click();
  click(kPageProcess, "lblInbox");
  ASSERT_EQ(current_page(), kPageInbox);
  EXPECT_EQ(rows(kPageInbox), 1);        // hidden from the inbox at once...
  EXPECT_EQ(item->state, kStateStored);  // ...but not marked until the page moves away from it
  EXPECT_FALSE(g().inbox.dirty());
  show_process();
  EXPECT_EQ(text("edtDesc"), "another");
  EXPECT_EQ(item->state, kStateChanged);
  EXPECT_EQ(item->process_status, kProcessed);
}

TEST_F(PlanTest, AnItemHandedOverReplacesTheCurrentOneUncommitted) {
  InboxItem* first = add("first");
  add("second");
  show_process();
  main().show_page(kPageInbox, true);
  select(kPageInbox, 1);
  click(kPageInbox, "btnProcess");
  ASSERT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(selected_row(), 1);
  EXPECT_EQ(text("edtDesc"), "second");
  EXPECT_EQ(first->state, kStateStored);
}

TEST_F(PlanTest, ACurrentItemDeletedElsewhereIsDroppedUntouched) {
  add("to be deleted");
  InboxItem* second = add("second");
  InboxItem* last = add("last");
  show_process();
  radio("rbtnNotActionable")->click();
  main().show_page(kPageInbox, true);
  tick(kPageInbox, 0);
  prompts.answer(Prompts::Yes);
  click(kPageInbox, "btnDelete");
  ASSERT_EQ(g().inbox.count(), 2u);
  // Back shows the page as it was left, without the deleted item: nothing acts on it.
  click("btnBack");
  ASSERT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(rows(kPageProcess), 2);
  EXPECT_EQ(selected_row(), -1);
  EXPECT_EQ(text("edtDesc"), "");
  EXPECT_TRUE(radio("rbtnActionable")->isChecked());
  for (const char* name :
       {"rbtnNotActionable", "rbtnActionable", "cbProcess", "btnItemEdit", "btnActionEdit"})
    click(kPageProcess, name);
  EXPECT_EQ(current_page(), kPageProcess);
  select(kPageProcess, 0);  // loads an item, and commits nothing
  EXPECT_EQ(text("edtDesc"), "second");
  EXPECT_EQ(second->state, kStateStored);
  // The shown item deleted while the page is away: shown again, it loads the next one.
  click("btnForward");
  ASSERT_EQ(current_page(), kPageInbox);
  tick(kPageInbox, 0);
  prompts.answer(Prompts::Yes);
  click(kPageInbox, "btnDelete");
  show_process();
  EXPECT_EQ(rows(kPageProcess), 1);
  EXPECT_EQ(text("edtDesc"), "last");
  EXPECT_EQ(last->state, kStateStored);
}

}  // namespace
