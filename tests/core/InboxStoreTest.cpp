#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "stores/EditedRecord.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "support/FakeClock.h"
#include "support/TempFolder.h"

namespace {

std::string le32(int32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i)
    s[i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
  return s;
}

std::string le64(double d) {
  uint64_t raw;
  std::memcpy(&raw, &d, 8);
  std::string s(8, '\0');
  for (int i = 0; i < 8; ++i) s[i] = static_cast<char>((raw >> (8 * i)) & 0xFF);
  return s;
}

class InboxStoreTest : public ::testing::Test {
 protected:
  InboxItem* add(const char* name) {
    auto item = store.create();
    item->name = name;
    InboxItem* stored = store.add_copy(item.get());
    store.discard(std::move(item));
    return stored;
  }

  TempFolder dir;
  FakeClock clock{40262.5};
  ZorvoInboxItemMgr store;
  void SetUp() override { store.set_folder(dir.path()); }
};

TEST_F(InboxStoreTest, AnItemIsWrittenByteForByte) {
  InboxItem* item = add("abc");
  item->actionable = 1;
  item->process_status = 1;
  item->spare_a = 2;
  item->is_project = 1;
  item->someday_id = 3;
  item->reference_id = 4;
  item->trashed = 0;
  item->state = kStateChanged;
  ASSERT_TRUE(store.save());
  std::string expected = le32(1) + le32(1) + le32(0) + le32(3) + "abc" + le32(1) + le32(1) +
                         le32(2) + le32(1) + le32(0) + le32(3) + le32(4) + le32(0) + le32(0) +
                         le64(40262.5) + le64(40262.5);
  for (int i = 0; i < 10; ++i) expected += le32(0);
  for (int i = 0; i < 10; ++i) expected += le32(0);
  expected += le32(1);  // id_counter
  EXPECT_EQ(read_file(store.default_path()), expected);
  EXPECT_EQ(item->state, kStateStored);
  EXPECT_FALSE(store.dirty());
}

TEST_F(InboxStoreTest, AnEmptyStoreTakesEightBytes) {
  ASSERT_TRUE(store.save());
  EXPECT_EQ(read_file(store.default_path()), le32(0) + le32(0));
}

TEST_F(InboxStoreTest, CreateMakesADetachedRecordWithTheStoresDefaults) {
  auto item = store.create();
  EXPECT_EQ(item->id, 1);
  EXPECT_EQ(item->state, kStateNew);
  EXPECT_EQ(item->actionable, 1);
  EXPECT_EQ(item->process_status, kNotProcessed);
  EXPECT_EQ(item->created, 40262.5);
  EXPECT_EQ(item->modified, 40262.5);
  EXPECT_EQ(store.count(), 0u);
  EXPECT_FALSE(store.dirty());
  EXPECT_EQ(store.create()->id, 2);  // a discarded record's identifier is not reused
}

TEST_F(InboxStoreTest, ChangesMarkTheStoreDirtyAndTouchStampsTheRecord) {
  InboxItem* a = add("a");
  EXPECT_TRUE(store.dirty());
  ASSERT_TRUE(store.save());
  clock.advance_seconds(30);
  EXPECT_TRUE(store.touch(a));
  EXPECT_EQ(a->state, kStateChanged);
  EXPECT_EQ(a->modified, 40262.5 + 30.0 / 86400);
  EXPECT_TRUE(store.dirty());
  EXPECT_FALSE(store.touch(nullptr));
  EXPECT_FALSE(store.remove(nullptr));
  EXPECT_EQ(store.add_copy(nullptr), nullptr);
  store.save();
  // A record that is not in the store is still freed, and the store is marked changed.
  EXPECT_TRUE(store.remove(store.create().release()));
  EXPECT_TRUE(store.dirty());
  EXPECT_EQ(store.count(), 1u);
}

TEST_F(InboxStoreTest, IdentifiersAreNeverReused) {
  struct Case {
    std::vector<int32_t> ids;
    int32_t stored_counter;
    int32_t next_id;
  };
  const Case cases[] = {
      {{1, 2, 3}, 3, 5},  // the counter is not above the count: count + 1
      {{1, 2, 3}, 7, 8},  // a larger stored counter stays
      {{}, 0, 2},         // an empty file: the count 0 is not below the counter 0
      {{10, 2}, 4, 11},   // a stored id above the counter raises it
      {{-5, 1}, 9, 10},
      // A negative counter (a damaged file) would issue negative identifiers, then 0 ("none"),
      // then the stored ones: it counts as 0.
      {{1, 2, 3}, -1, 5},
      {{-3, -2}, -4, 4},
      {{0}, -1, 3},
      {{5, 9}, INT32_MIN, 10},
      // The largest identifier is stored: the counter cannot go on, the first free one is taken.
      {{INT32_MAX, 1, 3}, 0, 2},
  };
  for (const Case& c : cases) {
    std::string bytes = le32(static_cast<int32_t>(c.ids.size()));
    for (int32_t id : c.ids) {
      bytes += le32(id) + le32(0) + le32(0) + le32(1) + le32(0) + le32(0) + le32(0) + le32(0) +
               le32(0) + le32(0) + le32(0) + le32(0) + le64(1) + le64(1);
      for (int i = 0; i < 20; ++i) bytes += le32(0);
    }
    bytes += le32(c.stored_counter);
    write_file(store.default_path(), bytes);
    store.reload();
    ASSERT_EQ(store.count(), c.ids.size());
    EXPECT_FALSE(store.dirty());
    EXPECT_EQ(store.create()->id, c.next_id) << "stored counter " << c.stored_counter;
  }
}

TEST_F(InboxStoreTest, ClearKeepsTheIdentifierSequence) {
  add("a");
  add("b");
  store.clear();
  EXPECT_EQ(store.count(), 0u);
  EXPECT_TRUE(store.dirty());
  EXPECT_EQ(store.create()->id, 3);
}

TEST_F(InboxStoreTest, SaveStoresEveryRecordAsStoredAndReloadKeepsOrder) {
  InboxItem* a = add("first");
  a->state = kStateNew;
  add("second")->notes = "some notes";
  ASSERT_TRUE(store.save());
  EXPECT_EQ(a->state, kStateStored);
  store.reload();
  ASSERT_EQ(store.count(), 2u);
  EXPECT_EQ(store.first()->name, "first");
  InboxItem* b = store.next();
  EXPECT_EQ(b->name, "second");
  EXPECT_EQ(b->notes, "some notes");
  EXPECT_EQ(b->state, kStateStored);
}

TEST_F(InboxStoreTest, AMissingFileGivesAnEmptyCleanStore) {
  add("x");
  store.reload();
  EXPECT_EQ(store.count(), 0u);
  EXPECT_FALSE(store.dirty());
  EXPECT_FALSE(store.load());
}

TEST_F(InboxStoreTest, AFailedSaveKeepsTheStoreDirty) {
  add("x");
  store.set_folder(dir.path() + "missing/");
  EXPECT_FALSE(store.save_if_dirty());
  EXPECT_TRUE(store.dirty());
}

TEST_F(InboxStoreTest, RemovalIsAnnouncedBeforeTheRecordIsFreed) {
  InboxItem* a = add("a");
  add("b");
  std::vector<const InboxItem*> heard;
  {
    auto listening = store.listen_removal([&](const InboxItem* r) { heard.push_back(r); });
    store.remove(a);
    store.clear();
  }  // a listener no longer listening hears nothing more
  add("c");
  store.clear();
  EXPECT_EQ(heard, (std::vector<const InboxItem*>{a, nullptr}));
}

TEST_F(InboxStoreTest, AnEditorCommitsANewRecordAsAStoredCopy) {
  EditedRecord<ZorvoInboxItemMgr> editor(store);
  editor.edit(store.create());
  InboxItem* detached = editor.get();
  detached->name = "typed";
  clock.advance_seconds(5);
  InboxItem* stored = editor.commit();
  ASSERT_NE(stored, nullptr);
  EXPECT_NE(stored, detached);
  EXPECT_EQ(editor.get(), stored);
  EXPECT_EQ(stored->state, kStateChanged);
  EXPECT_EQ(stored->created, 40262.5);
  EXPECT_EQ(stored->modified, 40262.5 + 5.0 / 86400);
  EXPECT_EQ(store.count(), 1u);
  EXPECT_EQ(store.first(), stored);
  // Committing again only touches the stored record.
  EXPECT_EQ(editor.commit(), stored);
  EXPECT_EQ(store.count(), 1u);
  // Removing the record from the store takes it from the editor too.
  store.remove(stored);
  EXPECT_EQ(editor.get(), nullptr);
  editor.edit(store.create());
  editor.drop();  // a new record that is never committed never reaches the store
  EXPECT_EQ(store.count(), 0u);
}

}  // namespace
