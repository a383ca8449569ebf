#include "app/StoreLoader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/Apputil.h"
#include "stores/EditedRecord.h"
#include "support/FakeClock.h"
#include "support/TempFolder.h"

namespace {

class StoreLoaderTest : public ::testing::Test {
 protected:
  // Store files as an earlier run leaves them: three inbox items, two actions (the second
  // running), a someday/maybe file cut short; no context file.
  void write_earlier_run() {
    Globals earlier;
    earlier.use_folder(dir.path());
    for (const char* name : {"one", "two", "three"}) {
      InboxItem item;
      item.id = ++last_id;
      item.name = name;
      earlier.inbox.add_copy(&item);
    }
    Action a;
    a.id = 1;
    earlier.actions.add_copy(&a);
    a.id = 2;
    a.status = kStatusRunning;
    a.spent_seconds = 30;
    earlier.actions.add_copy(&a);
    SomedayItem s;
    s.name = "a long trip";
    earlier.someday.add_copy(&s);
    earlier.someday.add_copy(&s);
    ASSERT_TRUE(save_all_stores(earlier).empty());
    std::filesystem::remove(earlier.contexts.default_path());
    const std::string someday = read_file(earlier.someday.default_path());
    write_file(earlier.someday.default_path(), someday.substr(0, someday.size() - 9));
  }
  bool damaged_copy_of(const std::string& file) {
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
      if (e.path().string().rfind(file + ".damaged-", 0) == 0) return true;
    return false;
  }

  TempFolder dir;
  FakeClock clock{45000.0};
  int32_t last_id = 0;
};

TEST_F(StoreLoaderTest, HandsOverWhatEachStoreReadsFromItsFile) {
  write_earlier_run();
  Globals g;
  g.use_folder(dir.path());
  StoreLoader loader(g.folder);
  loader.hand_over(g);
  ASSERT_EQ(g.inbox.count(), 3u);
  EXPECT_EQ((*g.inbox.records().begin())->name, "one");
  EXPECT_EQ(g.inbox.id_counter(), 4u);
  EXPECT_FALSE(g.inbox.dirty());
  ASSERT_NE(g.actions.active_action(), nullptr);
  EXPECT_EQ(g.actions.active_action()->spent_seconds, 30);
  // A first start of the context store: the defaults, written, and still to be written again.
  EXPECT_EQ(g.contexts.count(), 11u);
  EXPECT_TRUE(file_exists(g.contexts.default_path()));
  EXPECT_TRUE(g.contexts.dirty());
  // The file cut short: what was whole, and an untouched copy beside it.
  EXPECT_EQ(g.someday.count(), 1u);
  EXPECT_TRUE(damaged_copy_of(g.someday.default_path()));
  EXPECT_EQ(g.refs.count(), 0u);
}

TEST_F(StoreLoaderTest, WhoeverHeldTheOldRecordsLetsGoOfThem) {
  write_earlier_run();
  Globals g;
  g.use_folder(dir.path());
  InboxItem held;
  EditedRecord<ZorvoInboxItemMgr> editor(g.inbox);
  editor.edit(g.inbox.add_copy(&held));
  Action reminded;
  reminded.remind = 1;
  reminded.remind_lead = 5;
  reminded.remind_unit = kUnitMinutes;
  reminded.due = 45001.0;
  g.actions.add_copy(&reminded);
  g.alarms.collect_action_reminders();
  ASSERT_EQ(g.alarms.count(), 1u);
  load_all_stores(g);
  EXPECT_EQ(editor.get(), nullptr);
  EXPECT_EQ(g.alarms.count(), 0u);
  EXPECT_EQ(g.inbox.count(), 3u);
  EXPECT_EQ(g.actions.count(), 2u);
}

TEST_F(StoreLoaderTest, ALoaderThatIsNeverHandedOverStillEndsItsThread) {
  write_earlier_run();
  { StoreLoader loader(dir.path()); }
  Globals g;
  g.use_folder(dir.path());
  load_all_stores(g);
  EXPECT_EQ(g.inbox.count(), 3u);
}

}  // namespace
