#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "common/misc/WinUtil.h"

#include "support/FakeClock.h"
#include "support/RecordFill.h"
#include "support/StoreTypes.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

std::string le32(int32_t v) {
  std::string s(4, '\0');
  std::memcpy(s.data(), &v, 4);
  return s;
}

// Writes a record whose first text field is `extra` bytes longer than the field holds.
class OversizeTextWriter {
 public:
  OversizeTextWriter(std::string& out, std::size_t extra) : m_out(out), m_extra(extra) {}
  void operator()(const int32_t& v) { m_out += le32(v); }
  void operator()(const double& v) { m_out.append(reinterpret_cast<const char*>(&v), 8); }
  template <std::size_t N>
  void operator()(const Text<N>& t) {
    std::string s(t.view());
    if (!m_done) s = std::string(N - 1 + m_extra, 'x');
    m_done = true;
    m_out += le32(static_cast<int32_t>(s.size())) + s;
  }
  template <record_io::FieldRun A>
  void operator()(const A& run) {
    for (std::size_t i = 0; i < run.size(); ++i) (*this)(run[i]);
  }

 private:
  std::string& m_out;
  std::size_t m_extra;
  bool m_done = false;
};

template <class Store>
class StoreSafetyTest : public ::testing::Test {
 protected:
  using R = typename Store::Record;

  void SetUp() override { store.set_folder(dir.path()); }

  // Adds `n` records with every field set; the scheduler's field is left unscheduled, as
  // loading leaves it.
  void fill(int n) {
    for (int i = 0; i < n; ++i) {
      R r;
      RecordFill::fill(r, 1000 * (i + 1));
      if constexpr (requires { r.reminder_time; }) r.reminder_time = 0;
      store.add_copy(&r);
    }
  }

  std::vector<std::string> damaged_copies() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) {
      std::string name = e.path().filename().string();
      if (name.find(".damaged-") != std::string::npos) names.push_back(e.path().string());
    }
    return names;
  }

  void remove_damaged_copies() {
    for (const std::string& p : damaged_copies()) fs::remove(p);
  }

  // Loads `bytes` as the store's file and checks that the damage was noticed: the file itself
  // is untouched and exactly one copy of it was kept.
  void load_damaged(const std::string& bytes) {
    write_file(store.default_path(), bytes);
    store.reload();
    EXPECT_EQ(read_file(store.default_path()), bytes);
    std::vector<std::string> copies = damaged_copies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(read_file(copies[0]), bytes);
    remove_damaged_copies();
  }

  TempFolder dir;
  FakeClock clock{45000.5};
  Store store;
};

TYPED_TEST_SUITE(StoreSafetyTest, AllStores);

TYPED_TEST(StoreSafetyTest, EveryFieldRoundTripsByteForByte) {
  this->fill(3);
  ASSERT_TRUE(this->store.save());
  std::string first = read_file(this->store.default_path());
  this->store.reload();
  ASSERT_EQ(this->store.count(), 3u);
  EXPECT_TRUE(this->damaged_copies().empty());
  ASSERT_TRUE(this->store.save());
  std::string second = read_file(this->store.default_path());
  // The records come back byte for byte; only the identifier counter, which the first file
  // left at 0, was raised above the loaded identifiers.
  ASSERT_EQ(second.size(), first.size());
  EXPECT_EQ(second.substr(0, first.size() - 4), first.substr(0, first.size() - 4));
  EXPECT_EQ(second.substr(first.size() - 4), le32(3000));
}

TYPED_TEST(StoreSafetyTest, AFileCutAnywhereLoadsTheWholeRecordsAndKeepsACopy) {
  // Where each record ends in the file, from saving one, two and three of them.
  std::vector<std::size_t> ends;
  for (int n = 1; n <= 3; ++n) {
    this->store.clear();
    this->fill(n);
    ASSERT_TRUE(this->store.save());
    ends.push_back(read_file(this->store.default_path()).size() - 4);
  }
  const std::string whole = read_file(this->store.default_path());
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    this->load_damaged(whole.substr(0, cut));
    uint32_t expected = 0;
    for (std::size_t end : ends) expected += cut >= end ? 1 : 0;
    ASSERT_EQ(this->store.count(), expected) << "cut at " << cut;
    EXPECT_FALSE(this->store.dirty());
    // Whatever was loaded is a correct record, and the next id is beyond all of them.
    auto next = this->store.create();
    EXPECT_GT(next->id, static_cast<int32_t>(1000 * expected));
  }
}

TYPED_TEST(StoreSafetyTest, ACountTheFileCannotHoldIsNotBelieved) {
  this->fill(1);
  ASSERT_TRUE(this->store.save());
  std::string body = read_file(this->store.default_path()).substr(4);
  for (int32_t count : {INT32_MAX, -1, 2}) {
    this->load_damaged(le32(count) + body);
    EXPECT_EQ(this->store.count(), 1u) << count;
  }
}

TYPED_TEST(StoreSafetyTest, ATextLongerThanItsFieldKeepsItsStartAndTheRestOfTheRecord) {
  using R = typename TestFixture::R;
  R r;
  RecordFill::fill(r, 7000);
  if constexpr (requires { r.reminder_time; }) r.reminder_time = 0;
  std::string bytes = le32(1);
  OversizeTextWriter writer(bytes, 300);
  R::stored_fields(static_cast<const R&>(r), writer);
  bytes += le32(7);
  this->load_damaged(bytes);
  ASSERT_EQ(this->store.count(), 1u);
  R* loaded = this->store.first();
  // Everything after the cut text was read in step: the record saves as the original would,
  // but for the cut text.
  EXPECT_EQ(loaded->id, r.id);
  EXPECT_EQ(loaded->created, r.created);
  EXPECT_EQ(loaded->reserved_texts[9], r.reserved_texts[9]);
}

TYPED_TEST(StoreSafetyTest, BytesAfterTheCounterAreKeptInTheCopy) {
  this->fill(2);
  ASSERT_TRUE(this->store.save());
  this->load_damaged(read_file(this->store.default_path()) + "junk");
  EXPECT_EQ(this->store.count(), 2u);
}

TYPED_TEST(StoreSafetyTest, AFailingSaveLeavesTheOldFileAndTheStoreDirty) {
  this->fill(1);
  ASSERT_TRUE(this->store.save());
  const std::string before = read_file(this->store.default_path());
  this->fill(1);
  CxFile::Step step = CxFile::Step::Write;
  CxFile::fail_step_for_testing(&step);
  EXPECT_FALSE(this->store.save_if_dirty());
  CxFile::fail_step_for_testing(nullptr);
  EXPECT_TRUE(this->store.dirty());
  EXPECT_EQ(read_file(this->store.default_path()), before);
  EXPECT_TRUE(this->store.save_if_dirty());
  EXPECT_FALSE(this->store.dirty());
}

TYPED_TEST(StoreSafetyTest, AFileThatCannotBeReadIsNeverReplaced) {
  fs::create_directory(this->store.default_path());  // there, but not readable as a file
  this->store.reload();
  this->fill(1);
  EXPECT_FALSE(this->store.save());
  EXPECT_TRUE(this->store.dirty());
  EXPECT_TRUE(fs::is_directory(this->store.default_path()));
}

using DamagedCopyTest = StoreSafetyTest<ZorvoRefMgr>;

// However the copy of a damaged file fails, it leaves nothing half-made beside it, and the file
// itself is not replaced until a whole copy exists: one whole copy per damaged file, or none and
// a save that says why it failed.
TEST_F(DamagedCopyTest, ACopyIsWholeOrNotThere) {
  using Step = CxFile::Step;
  fill(2);
  ASSERT_TRUE(store.save());
  const std::string damaged = read_file(store.default_path()) + "junk";
  std::vector<Step> steps = {Step::Open, Step::Write, Step::Flush,
                             Step::Sync, Step::Close, Step::Replace};
  if (platform::replace_needs_folder_sync()) steps.push_back(Step::FolderSync);
  for (Step step : steps) {
    SCOPED_TRACE("step " + std::to_string(static_cast<int>(step)));
    write_file(store.default_path(), damaged);
    CxFile::set_fault_for_testing(CxFile::Fault{step, ENOSPC});
    store.reload();
    EXPECT_EQ(store.count(), 2u);
    fill(1);
    EXPECT_FALSE(store.save());  // the copy is tried again first, and fails again
    EXPECT_NE(store.save_failure().find(cx_error_text(ENOSPC)), std::string::npos)
        << store.save_failure();
    EXPECT_TRUE(store.dirty());
    EXPECT_EQ(read_file(store.default_path()), damaged);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 1) << "a partial copy or a temporary file was left behind";

    CxFile::set_fault_for_testing(std::nullopt);
    EXPECT_TRUE(store.save());
    std::vector<std::string> copies = damaged_copies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(read_file(copies[0]), damaged);
    remove_damaged_copies();
  }
}

TEST(RecordLayoutTest, EveryRecordHasItsFileShape) {
  const std::string reserved = std::string(10, 'i') + [] {
    std::string t;
    for (int i = 0; i < 10; ++i) t += "T10";
    return t;
  }();
  const std::string tail = "dd" + reserved;  // created, modified, reserved ints and texts
  EXPECT_EQ(LayoutOf::of<InboxItem>(), "iiT256iiiiT1024iiiT2048" + tail);
  EXPECT_EQ(LayoutOf::of<Context>(), "iiT256iT2048" + tail);
  EXPECT_EQ(LayoutOf::of<Project>(),
            "ii"
            "iiii"
            "iiii"
            "T512T512"
            "iii"
            "ddd"
            "iiii"
            "T256"
            "iiiii"
            "dd"
            "iiiii"
            "T2048" +
                tail);
  EXPECT_EQ(LayoutOf::of<Action>(),
            "iiiiiiiiii"
            "T512T512"
            "i"
            "ii"
            "dddd"
            "T256"
            "iiii"
            "T256"
            "iii"
            "ii"
            "dd"
            "iiiii"
            "T2048" +
                tail);
  EXPECT_EQ(LayoutOf::of<SomedayItem>(),
            "iiT256iid"
            "iiii"
            "T256"
            "d"
            "T2048" +
                tail);
  EXPECT_EQ(LayoutOf::of<RefItem>(), "iiT256iiT512T2048" + tail);
}

}  // namespace
