#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "app/Apputil.h"
#include "stores/EditedRecord.h"
#include "support/FakeClock.h"
#include "support/TempFolder.h"

namespace {

template <class Store>
typename Store::Record* add_named(Store& store, const char* name) {
  auto r = store.create();
  r->name = name;
  auto* stored = store.add_copy(r.get());
  store.discard(std::move(r));
  return stored;
}

class ContextStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { store.set_folder(dir.path()); }
  TempFolder dir;
  FakeClock clock{45000.0};
  ZorvoCtxMgr store;
};

TEST_F(ContextStoreTest, AFirstStartGetsTheDefaultContextsSavedAndStillDirty) {
  store.reload();
  const char* names[] = {".Project", "@Agendas", "@Anywhere", "@Calls", "@Emails",       "@Home",
                         "@Office",  "@Out",     "@Wait For", "@Web",   "@Someday/Maybe"};
  int32_t id = 1;
  Context* c = store.first();
  for (const char* name : names) {
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->name, name);
    EXPECT_EQ(c->id, id++);
    c = store.next();
  }
  EXPECT_EQ(c, nullptr);
  EXPECT_TRUE(file_exists(store.default_path()));
  EXPECT_TRUE(store.dirty());

  ZorvoCtxMgr again;
  again.set_folder(dir.path());
  again.reload();
  EXPECT_EQ(again.count(), 11u);
  EXPECT_FALSE(again.dirty());
  EXPECT_EQ(again.create()->id, 13);  // a counter not above the count is raised to count + 1
}

TEST_F(ContextStoreTest, AFileWithoutContextsStaysEmpty) {
  ASSERT_TRUE(store.save());
  store.reload();
  EXPECT_EQ(store.count(), 0u);
  EXPECT_FALSE(store.dirty());
}

TEST_F(ContextStoreTest, DefaultsThatCannotBeWrittenStayInMemoryAndDirty) {
  store.set_folder(dir.path() + "missing/");
  store.reload();
  EXPECT_EQ(store.count(), 11u);
  EXPECT_TRUE(store.dirty());
}

TEST_F(ContextStoreTest, FindGivesTheFirstRecordWithTheIdentifier) {
  Context* a = add_named(store, "a");
  Context* b = add_named(store, "b");
  Context twin;
  twin.id = b->id;
  store.add_copy(&twin);
  EXPECT_EQ(store.find(a->id), a);
  EXPECT_EQ(store.find(b->id), b);
  EXPECT_EQ(store.find(0), nullptr);
  EXPECT_EQ(store.find(99), nullptr);
}

class ActionStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { store.set_folder(dir.path()); }
  Action* add(const char* name, int32_t status = 0) {
    Action* a = add_named(store, name);
    a->status = status;
    return a;
  }
  // The main timer's seconds.
  void tick(int seconds) {
    for (int i = 0; i < seconds; ++i) store.count_second();
  }

  TempFolder dir;
  FakeClock clock{45000.0};
  ZorvoActionMgr store;
};

TEST_F(ActionStoreTest, ANewActionHasNormalPriorityAndNoStatus) {
  auto a = store.create();
  EXPECT_EQ(a->status, 0);
  EXPECT_STREQ(status_text(a->status), "Not Started");
  EXPECT_EQ(priority_of(a->priority_flags), kPriorityNormal);
  EXPECT_EQ(a->priority_flags, 0x10000);
}

TEST_F(ActionStoreTest, PriorityAndStatusCodes) {
  EXPECT_EQ(with_priority(kPriorityLow | 5, kPriorityHigh), kPriorityHigh | 5);
  EXPECT_EQ(priority_of(0), kPriorityNormal);
  EXPECT_EQ(priority_of(kPriorityHigh | kPriorityLow), kPriorityHigh);
  EXPECT_EQ(priority_of(kPriorityLow | 0xFFFF), kPriorityLow);
  const std::pair<int32_t, const char*> texts[] = {
      {kStatusNotStarted, "Not Started"}, {kStatusRunning, "Running"},
      {kStatusPaused, "Paused"},          {kStatusStopped, "Stopped"},
      {kStatusDisabled, "Disabled"},      {kStatusCompleted, "Completed"},
      {0x30000, "Not Started"},           {-1, "Not Started"}};
  for (auto [code, text] : texts) EXPECT_STREQ(status_text(code), text) << code;
}

TEST_F(ActionStoreTest, AtMostOneActionRuns) {
  Action* a = add("A");
  Action* b = add("B");
  store.save();
  EXPECT_EQ(store.active_action(), nullptr);
  store.set_active(nullptr, kStatusPaused);  // nothing runs: nothing changes
  EXPECT_EQ(a->status, 0);
  store.set_active(a, kStatusPaused);
  EXPECT_EQ(store.active_action(), a);
  store.set_active(a, kStatusStopped);  // already running: nothing is written
  EXPECT_EQ(a->status, kStatusRunning);
  store.set_active(b, kStatusPaused);
  EXPECT_EQ(a->status, kStatusPaused);
  EXPECT_EQ(b->status, kStatusRunning);
  EXPECT_FALSE(store.dirty());  // switching does not mark the store changed
  tick(10);
  EXPECT_EQ(b->spent_seconds, 10);
  EXPECT_EQ(a->spent_seconds, 0);
  EXPECT_TRUE(store.dirty());
  // The status is the truth: an action that stops running by other means is no longer found.
  b->status = kStatusCompleted;
  EXPECT_EQ(store.active_action(), nullptr);
}

TEST_F(ActionStoreTest, ASecondCountsOnlyForTheRunningActionAndLeavesTheRecordAsItWas) {
  Action* a = add("A", kStatusPaused);
  ASSERT_TRUE(store.save());
  EXPECT_EQ(store.count_second(), nullptr);  // nothing runs: nothing counts, nothing changes
  EXPECT_FALSE(store.dirty());
  Action* b = add("B", kStatusRunning);
  ASSERT_TRUE(store.save());
  const double modified = b->modified;
  clock.set(45000.5);
  EXPECT_EQ(store.count_second(), b);
  EXPECT_EQ(b->spent_seconds, 1);
  EXPECT_EQ(a->spent_seconds, 0);
  EXPECT_TRUE(store.dirty());
  EXPECT_EQ(b->state, kStateStored);
  EXPECT_EQ(b->modified, modified);
}

TEST_F(ActionStoreTest, AWalkThatAsksForTheRunningActionAtEveryRecordSeesEveryRecord) {
  // Nothing running, then one running that the store has not looked up yet: either way
  // active_action walks the store inside the walk.
  for (int32_t last_status : {kStatusPaused, kStatusRunning}) {
    store.clear();
    add("A");
    add("B");
    add("C", last_status);
    std::string seen;
    for (Action* a : store.records()) {
      store.active_action();
      seen += a->name.view();
    }
    EXPECT_EQ(seen, "ABC") << last_status;
    // The cursor walk, too, goes on where it was.
    std::string walked;
    for (Action* a = store.first(); a; a = store.next()) {
      for (Action* inner : store.records()) (void)inner;
      walked += a->name.view();
    }
    EXPECT_EQ(walked, "ABC");
  }
}

TEST_F(ActionStoreTest, AStaleCacheNeverLeavesTwoRunning) {
  Action* a = add("A", kStatusRunning);  // running as loaded, not yet looked up
  Action* b = add("B");
  store.set_active(b, kStatusPaused);
  EXPECT_EQ(a->status, kStatusPaused);
  EXPECT_EQ(store.active_action(), b);
}

TEST_F(ActionStoreTest, TwoRunningInAFileGiveTheFirst) {
  add("A", kStatusPaused);
  Action* b = add("B", kStatusRunning);
  add("C", kStatusRunning);
  ASSERT_TRUE(store.save());
  store.reload();
  Action* running = store.active_action();
  ASSERT_NE(running, nullptr);
  EXPECT_EQ(running->name, "B");
  (void)b;
}

TEST_F(ActionStoreTest, RemovingOrClearingEmptiesTheRunningActionCache) {
  Action* a = add("A");
  store.set_active(a, kStatusPaused);
  store.remove(a);
  EXPECT_EQ(store.active_action(), nullptr);
  Action* b = add("B");
  store.set_active(b, kStatusPaused);
  store.clear();
  EXPECT_EQ(store.active_action(), nullptr);
}

TEST_F(ActionStoreTest, ANewActionStartedInTheEditorRunsOnAsItsStoredCopy) {
  EditedRecord<ZorvoActionMgr> editor(store);
  editor.edit(store.create());
  store.set_active(editor.get(), kStatusPaused);
  Action* stored = editor.commit();
  EXPECT_EQ(store.active_action(), stored);
  tick(3);
  EXPECT_EQ(stored->spent_seconds, 3);

  // Discarded instead of stored: nothing runs afterwards.
  editor.edit(store.create());
  store.set_active(editor.get(), kStatusPaused);
  EXPECT_EQ(stored->status, kStatusPaused);
  editor.drop();
  EXPECT_EQ(store.active_action(), nullptr);
}

TEST_F(ActionStoreTest, TheReminderTimeIsNeverStored) {
  Action* a = add("A");
  a->reminder_time = 45001.0;
  a->remind = 1;
  ASSERT_TRUE(store.save());
  store.reload();
  EXPECT_EQ(store.first()->reminder_time, 0);
  EXPECT_EQ(store.first()->remind, 1);
}

TEST(SomedayStoreTest, TheReminderTimeIsZeroAfterLoading) {
  TempFolder dir;
  ZorvoSomedayMgr store;
  store.set_folder(dir.path());
  SomedayItem* s = add_named(store, "trip");
  s->when = 45010.5;
  s->reminder_time = 45009.5;
  s->remind = 1;
  ASSERT_TRUE(store.save());
  store.reload();
  SomedayItem* loaded = store.first();
  EXPECT_EQ(loaded->reminder_time, 0);
  EXPECT_EQ(loaded->when, 45010.5);
  EXPECT_EQ(loaded->remind, 1);
  EXPECT_EQ(store.find(loaded->id), loaded);
  EXPECT_EQ(store.find(loaded->id + 1), nullptr);
  EXPECT_EQ(store.create()->when, 0);
}

// The files go into a folder of the test's own rather than the data folder, which on Windows is
// the machine's one and cannot be moved aside for a test.
class AllStoresTest : public ::testing::Test {
 protected:
  TempFolder dir;
  FakeClock clock{45000.0};
};

TEST_F(AllStoresTest, AFirstStartLoadsEmptyStoresAndTheDefaultContexts) {
  Globals g;
  g.use_folder(dir.path());
  load_settings(g.ini, g.settings);
  load_all_stores(g);
  EXPECT_EQ(
      g.inbox.count() + g.projects.count() + g.actions.count() + g.someday.count() + g.refs.count(),
      0u);
  EXPECT_EQ(g.contexts.count(), 11u);
  EXPECT_TRUE(save_stores_and_settings(g).empty());
  EXPECT_TRUE(file_exists(g.ini.File()));
  EXPECT_FALSE(file_exists(g.inbox.default_path()));  // nothing changed: nothing written
}

TEST_F(AllStoresTest, WithoutStartLastTheRunningActionIsPausedButNotMarkedChanged) {
  for (bool start_last : {true, false}) {
    {
      Globals g;
      g.use_folder(dir.path());
      Action* a = add_named(g.actions, "writing");
      g.actions.set_active(a, kStatusPaused);
      a->spent_seconds = 42;
      ASSERT_TRUE(save_all_stores(g).empty());
    }
    Globals g;
    g.use_folder(dir.path());
    g.settings.StartLast = start_last;
    load_all_stores(g);
    Action* a = g.actions.first();
    EXPECT_EQ(a->status, start_last ? kStatusRunning : kStatusPaused);
    EXPECT_EQ(a->spent_seconds, 42);
    EXPECT_EQ(g.actions.active_action(), start_last ? a : nullptr);
    EXPECT_FALSE(g.actions.dirty());
    std::filesystem::remove(g.actions.default_path());
  }
}

TEST_F(AllStoresTest, ASaveThatFailsNamesTheFileAndWhy) {
  Globals g;
  g.use_folder(dir.path());
  add_named(g.refs, "manual");
  CxFile::set_fault_for_testing(CxFile::Fault{CxFile::Step::Replace, ENOSPC});
  std::vector<SaveFailure> failed = save_stores_and_settings(g);
  CxFile::set_fault_for_testing(std::nullopt);
  const std::string full = cx_error_text(ENOSPC);
  EXPECT_EQ(failed,
            (std::vector<SaveFailure>{{g.refs.default_path(), full}, {g.ini.File(), full}}));
  EXPECT_EQ(describe(failed[0]), g.refs.default_path() + ": No space left on device");
  EXPECT_TRUE(g.refs.dirty());
}

}  // namespace
