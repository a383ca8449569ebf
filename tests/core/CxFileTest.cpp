#include "common/misc/CxFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <vector>

#include "common/misc/WinUtil.h"

#include "support/TempFolder.h"

namespace {

std::string written(const std::function<void(CxFile&)>& write) {
  TempFolder dir;
  CxFile f;
  EXPECT_TRUE(f.Open(dir.file("out.dat"), "wb"));
  write(f);
  EXPECT_TRUE(f.Commit());
  return read_file(dir.file("out.dat"));
}

TEST(CxFileTest, ByteEncodings) {
  struct Case {
    const char* what;
    std::function<void(CxFile&)> write;
    std::string bytes;
  };
  const Case cases[] = {
      {"int32 1", [](CxFile& f) { f.WriteDWord(1); }, std::string("\x01\0\0\0", 4)},
      {"int32 -2", [](CxFile& f) { f.WriteDWord(-2); }, "\xFE\xFF\xFF\xFF"},
      {"double 1.0", [](CxFile& f) { f.WriteDouble(1.0); }, std::string("\0\0\0\0\0\0\xF0\x3F", 8)},
      {"text abc", [](CxFile& f) { f.WriteString("abc"); }, std::string("\x03\0\0\0abc", 7)},
      {"empty text", [](CxFile& f) { f.WriteString(""); }, std::string(4, '\0')},
      {"missing text", [](CxFile& f) { f.WriteString({}); }, std::string(4, '\0')},
  };
  for (const Case& c : cases) EXPECT_EQ(written(c.write), c.bytes) << c.what;
}

TEST(CxFileTest, ReadsWhatWasWrittenAndNothingPastTheEnd) {
  TempFolder dir;
  std::string path = dir.file("in.dat");
  write_file(path, std::string("\x07\0\0\0", 4) + std::string("\x02\0\0\0hi", 6) +
                       std::string("\0\0\0\0", 4) + std::string("\xFF\xFF\xFF\xFF", 4) + "\x01");
  CxFile f;
  ASSERT_TRUE(f.Open(path, "rb"));
  int32_t v = 0;
  EXPECT_TRUE(f.ReadDWord(&v));
  EXPECT_EQ(v, 7);
  std::string_view text;
  int32_t len = 0;
  EXPECT_TRUE(f.ReadString(&text, &len));
  EXPECT_EQ(text, "hi");
  // A length of 0 or below reads nothing more and leaves the destination as it was.
  EXPECT_TRUE(f.ReadString(&text, &len));
  EXPECT_EQ(len, 0);
  EXPECT_EQ(text, "hi");
  EXPECT_TRUE(f.ReadString(&text, &len));
  EXPECT_EQ(len, -1);
  EXPECT_FALSE(f.AtEnd());
  // One byte left: a short read fails and leaves the destination alone.
  v = 99;
  EXPECT_FALSE(f.ReadDWord(&v));
  EXPECT_EQ(v, 99);
  double d = 5;
  EXPECT_FALSE(f.ReadDouble(&d));
  EXPECT_EQ(d, 5);
  EXPECT_FALSE(f.AtEnd());
}

TEST(CxFileTest, TextsLongerThanTheReadBufferAreReadWhole) {
  TempFolder dir;
  const std::string big(700000, 'x');
  {
    CxFile f;
    ASSERT_TRUE(f.Open(dir.file("big.dat"), "wb"));
    for (int i = 0; i < 3; ++i) f.WriteString(big + char('a' + i));
    f.WriteDWord(42);
    ASSERT_TRUE(f.Commit());
  }
  CxFile f;
  ASSERT_TRUE(f.Open(dir.file("big.dat"), "rb"));
  for (int i = 0; i < 3; ++i) {
    std::string_view text;
    ASSERT_TRUE(f.ReadString(&text, nullptr));
    EXPECT_EQ(text, big + char('a' + i));
  }
  int32_t v = 0;
  EXPECT_TRUE(f.ReadDWord(&v));
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(f.AtEnd());
}

TEST(CxFileTest, TextLongerThanTheBytesLeftIsNotRead) {
  TempFolder dir;
  write_file(dir.file("t.dat"), std::string("\x10\0\0\0abc", 7));
  CxFile f;
  ASSERT_TRUE(f.Open(dir.file("t.dat"), "rb"));
  std::string_view text = "kept";
  EXPECT_FALSE(f.ReadString(&text, nullptr));
  EXPECT_EQ(text, "kept");
}

TEST(CxFileTest, OpenRefusesEmptyArgumentsAndMissingFiles) {
  TempFolder dir;
  CxFile f;
  EXPECT_FALSE(f.Open("", "rb"));
  EXPECT_FALSE(f.Open(dir.file("x"), ""));
  EXPECT_FALSE(f.Open(dir.file("missing"), "rb"));
  EXPECT_FALSE(f.Open(dir.file("no-such-folder/x"), "wb"));
}

using CxFileDeathTest = ::testing::Test;

TEST_F(CxFileDeathTest, UseOfAClosedFileStopsWithTheFailedCondition) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  CxFile f;
  int32_t v;
  double d;
  std::string_view s;
  EXPECT_DEATH(f.ReadDWord(&v), "m_fp && pdwVal");
  EXPECT_DEATH(f.ReadDouble(&d), "m_fp && pdVal");
  EXPECT_DEATH(f.ReadString(&s, nullptr), "m_fp&&szBuf");
  EXPECT_DEATH(f.WriteDWord(1), "m_fp");
}

int entries_in(const std::string& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

// A save that fails at any step, in any way, leaves the folder as it was: the old file byte for
// byte, or no file where there was none, and no temporary file. The failure tells why.
TEST(CxFileTest, AFailedCommitLeavesTheFolderAsItWas) {
  using Step = CxFile::Step;
  std::vector<Step> steps = {Step::Open, Step::Write, Step::Flush,
                             Step::Sync, Step::Close, Step::Replace};
  if (platform::replace_needs_folder_sync()) steps.push_back(Step::FolderSync);
  // More than the write buffer holds: the bytes go out in several writes, and each one fails.
  const std::string big(700000, 'n');
  for (bool had_file : {true, false}) {
    for (int error : {ENOSPC, EIO}) {
      for (Step step : steps) {
        for (int nth = 1;; ++nth) {
          TempFolder dir;
          std::string path = dir.file("store.dat");
          if (had_file) write_file(path, "old contents");
          CxFile::set_fault_for_testing(CxFile::Fault{step, error, nth});
          CxFile f;
          bool ok = f.Open(path, "wb") && f.WriteString(big) && f.Commit();
          CxFile::set_fault_for_testing(std::nullopt);
          std::string at = "step " + std::to_string(static_cast<int>(step)) + ", time " +
                           std::to_string(nth) + ", error " + std::to_string(error);
          if (ok) {  // the step is not reached that often
            EXPECT_GT(nth, 1) << at;
            EXPECT_EQ(read_file(path).size(), big.size() + 4) << at;
            break;
          }
          EXPECT_EQ(f.error(), error) << at;
          EXPECT_EQ(file_exists(path), had_file) << at;
          if (had_file) {
            EXPECT_EQ(read_file(path), "old contents") << at;
          }
          EXPECT_EQ(entries_in(dir.path()), had_file ? 1 : 0) << "a file was left behind, " << at;
        }
      }
    }
  }
}

TEST(CxFileTest, WhatSavesThatNeverFinishedLeftBehindIsRemoved) {
  TempFolder dir;
  const char* leftovers[] = {"ZorvoAct.dat.tmp-4242-0", "morvane.ini.tmp-17-3",
                             "ZorvoCtx.dat.tmp-99-12.old",
                             "ZorvoRef.dat.damaged-20240101-101010.tmp-5-0"};
  const char* kept[] = {"ZorvoAct.dat", "ZorvoAct.dat.damaged-20240101-101010",
                        "notes.tmp-",   "a.tmp-12",
                        "a.tmp-x-1",    "a.tmp-1-2.older",
                        ".tmp-1-2",     "ZorvoWizard.lock"};
  for (const char* name : leftovers) write_file(dir.file(name), "x");
  for (const char* name : kept) write_file(dir.file(name), "x");
  std::filesystem::create_directory(dir.file("folder.tmp-1-1"));
  EXPECT_EQ(CxFile::remove_leftovers(dir.path()), 4);
  for (const char* name : leftovers) EXPECT_FALSE(file_exists(dir.file(name))) << name;
  for (const char* name : kept) EXPECT_TRUE(file_exists(dir.file(name))) << name;
  EXPECT_TRUE(file_exists(dir.file("folder.tmp-1-1")));
}

TEST(CxFileTest, ReplacingSomethingThatIsNotAFileFails) {
  TempFolder dir;
  std::filesystem::create_directory(dir.file("store.dat"));
  CxFile f;
  ASSERT_TRUE(f.Open(dir.file("store.dat"), "wb"));
  f.WriteDWord(1);
  EXPECT_FALSE(f.Commit());
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("store.dat")));
}

TEST(CxFileTest, CloseWithoutCommitWritesNothing) {
  TempFolder dir;
  write_file(dir.file("a.dat"), "before");
  {
    CxFile f;
    ASSERT_TRUE(f.Open(dir.file("a.dat"), "wb"));
    f.WriteString("after");
  }
  EXPECT_EQ(read_file(dir.file("a.dat")), "before");
}

}  // namespace
