#include "stores/InboxProcessing.h"

#include <gtest/gtest.h>

#include "support/FakeClock.h"
#include "support/TempFolder.h"

namespace {

class InboxProcessingTest : public ::testing::Test {
 protected:
  InboxItem* item(int32_t id) {
    InboxItem i;
    i.id = id;
    i.actionable = 1;
    return inbox.add_copy(&i);
  }
  template <class Store>
  typename Store::Record* record(Store& store, int32_t id, int32_t source_item_id) {
    typename Store::Record r;
    r.id = id;
    r.source_item_id = source_item_id;
    return store.add_copy(&r);
  }

  void SetUp() override { inbox.set_folder(dir.path()); }

  TempFolder dir;
  FakeClock clock{45000.5};
  ZorvoInboxItemMgr inbox;
  ZorvoActionMgr actions;
  ZorvoProjectMgr projects;
  ZorvoSomedayMgr someday;
  ZorvoRefMgr refs;
};

TEST_F(InboxProcessingTest, TheOutcomeAnItemRecords) {
  const struct {
    int32_t actionable, is_project, someday_id, reference_id;
    Outcome outcome;
  } cases[] = {
      {1, 0, 0, 0, Outcome::NextAction}, {1, 1, 4, 0, Outcome::Project},
      {7, 2, 0, 0, Outcome::NextAction}, {0, 1, 4, 5, Outcome::Someday},
      {0, 0, 0, 5, Outcome::Reference},  {0, 0, 0, 0, Outcome::Trash},
  };
  for (const auto& c : cases) {
    InboxItem i;
    i.actionable = c.actionable;
    i.is_project = c.is_project;
    i.someday_id = c.someday_id;
    i.reference_id = c.reference_id;
    EXPECT_EQ(recorded_outcome(i), c.outcome)
        << c.actionable << c.is_project << c.someday_id << c.reference_id;
  }
}

TEST_F(InboxProcessingTest, CommittingADecision) {
  const struct {
    const char* what;
    ProcessDecision decision;
    int32_t process_status, trashed, someday_id, reference_id;
  } cases[] = {
      {"actionable, looked at", {true, Outcome::Trash, false}, kProcessing, 0, 4, 5},
      {"actionable, done", {true, Outcome::Trash, true}, kProcessed, 0, 4, 5},
      {"trash, whatever the box says", {false, Outcome::Trash, false}, kProcessed, 1, 0, 0},
      {"someday/maybe", {false, Outcome::Someday, false}, kProcessing, 0, 4, 0},
      {"someday/maybe, done", {false, Outcome::Someday, true}, kProcessed, 0, 4, 0},
      {"reference", {false, Outcome::Reference, true}, kProcessed, 0, 0, 5},
  };
  for (const auto& c : cases) {
    InboxItem* i = item(1);
    i->trashed = 0;
    i->someday_id = 4;
    i->reference_id = 5;
    ASSERT_TRUE(inbox.save());
    clock.advance_seconds(60);
    commit_decision(inbox, *i, c.decision);
    EXPECT_EQ(i->process_status, c.process_status) << c.what;
    EXPECT_EQ(i->trashed, c.trashed) << c.what;
    EXPECT_EQ(i->someday_id, c.someday_id) << c.what;
    EXPECT_EQ(i->reference_id, c.reference_id) << c.what;
    EXPECT_EQ(i->state, kStateChanged) << c.what;
    EXPECT_EQ(i->modified, clock.moment()) << c.what;
    EXPECT_TRUE(inbox.dirty()) << c.what;
    inbox.remove(i);
  }
}

TEST_F(InboxProcessingTest, LinkedRecordsAreLookedUpAfresh) {
  InboxItem* i = item(3);
  EXPECT_EQ(linked_action(actions, *i), nullptr);
  EXPECT_EQ(linked_project(projects, *i), nullptr);
  EXPECT_EQ(linked_someday(someday, *i), nullptr);
  EXPECT_EQ(linked_reference(refs, *i), nullptr);

  record(actions, 1, 9);
  Action* first = record(actions, 2, 3);
  record(actions, 3, 3);
  EXPECT_EQ(linked_action(actions, *i), first);  // the first in store order
  Project* project = record(projects, 1, 3);
  EXPECT_EQ(linked_project(projects, *i), project);

  // Someday/maybe and reference records: the identifier the item holds comes first.
  SomedayItem* by_source = record(someday, 1, 3);
  SomedayItem* by_id = record(someday, 2, 0);
  EXPECT_EQ(linked_someday(someday, *i), by_source);
  i->someday_id = 2;
  EXPECT_EQ(linked_someday(someday, *i), by_id);
  i->someday_id = 99;  // gone: the source is tried next
  EXPECT_EQ(linked_someday(someday, *i), by_source);
  RefItem* ref = record(refs, 6, 0);
  i->reference_id = 6;
  EXPECT_EQ(linked_reference(refs, *i), ref);
  refs.remove(ref);
  EXPECT_EQ(linked_reference(refs, *i), nullptr);
}

TEST_F(InboxProcessingTest, EditButtonsHandOverTheLinkedRecordOrANewOne) {
  InboxItem* i = item(3);
  i->is_project = 1;
  RecordToEdit<Action> action = next_action_for(actions, *i);
  EXPECT_EQ(i->is_project, 0);
  ASSERT_TRUE(action.is_new());
  EXPECT_EQ(action.get()->source_item_id, 3);
  EXPECT_EQ(action.get()->name, "");  // nothing of the item is copied
  EXPECT_EQ(actions.count(), 0u);     // stored only by its editor
  Action* stored = actions.add_copy(action.get());
  RecordToEdit<Action> again = next_action_for(actions, *i);
  EXPECT_FALSE(again.is_new());
  EXPECT_EQ(again.get(), stored);

  RecordToEdit<Project> project = project_for(projects, *i);
  EXPECT_EQ(i->is_project, 1);
  ASSERT_TRUE(project.is_new());
  EXPECT_EQ(project.get()->source_item_id, 3);
}

TEST_F(InboxProcessingTest, ANewSomedayOrReferenceRecordIsLinkedAtOnceEvenIfNeverStored) {
  InboxItem* i = item(3);
  int32_t first_id = 0;
  {
    RecordToEdit<SomedayItem> fresh = someday_for(someday, *i);
    ASSERT_TRUE(fresh.is_new());
    first_id = fresh.get()->id;
    EXPECT_EQ(i->someday_id, first_id);
    EXPECT_EQ(fresh.get()->source_item_id, 0);
  }  // the editor was cancelled: the record is gone, its identifier stays in the item
  EXPECT_EQ(i->someday_id, first_id);
  RecordToEdit<SomedayItem> next = someday_for(someday, *i);
  EXPECT_EQ(next.get()->id, first_id + 1);
  EXPECT_EQ(i->someday_id, first_id + 1);
  SomedayItem* stored = someday.add_copy(next.get());
  EXPECT_EQ(someday_for(someday, *i).get(), stored);

  // The reference, chosen after the someday/maybe record, is the item's only link from now on:
  // with both, the item would show (and stay) someday/maybe.
  i->actionable = 0;
  RecordToEdit<RefItem> ref = reference_for(refs, *i);
  EXPECT_EQ(i->reference_id, ref.get()->id);
  EXPECT_EQ(i->someday_id, 0);
  EXPECT_EQ(recorded_outcome(*i), Outcome::Reference);
  EXPECT_EQ(someday.count(), 1u);  // what was made stays
}

TEST_F(InboxProcessingTest, TheDescriptionOfWhatTheItemBecame) {
  InboxItem* i = item(3);
  ProcessingStores stores{actions, projects, someday, refs};
  const struct {
    Outcome outcome;
    const char* before;  // nothing made yet
  } cases[] = {
      {Outcome::NextAction, "<Create New Action>"},
      {Outcome::Project, "<Create New Project>"},
      {Outcome::Someday, ""},
      {Outcome::Reference, ""},
      {Outcome::Trash, ""},
  };
  i->someday_id = 40;  // a record that was never stored
  for (const auto& c : cases)
    EXPECT_EQ(linked_description(stores, *i, c.outcome), c.before) << static_cast<int>(c.outcome);

  record(actions, 1, 3)->name = "Call the plumber";
  record(projects, 1, 3)->name = "Fix the bathroom";
  record(someday, 2, 0)->name = "Learn the cello";
  i->someday_id = 2;
  record(refs, 1, 3)->name = "Plumber's number";
  EXPECT_EQ(linked_description(stores, *i, Outcome::NextAction), "Call the plumber");
  EXPECT_EQ(linked_description(stores, *i, Outcome::Project), "Fix the bathroom");
  EXPECT_EQ(linked_description(stores, *i, Outcome::Someday), "Learn the cello");
  EXPECT_EQ(linked_description(stores, *i, Outcome::Reference), "Plumber's number");
  EXPECT_EQ(linked_description(stores, *i, Outcome::Trash), "");
}

}  // namespace
