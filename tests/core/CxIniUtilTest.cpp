#include "common/misc/CxIniUtil.h"

#include <gtest/gtest.h>

#include "common/misc/CxFile.h"
#include "common/misc/WinUtil.h"
#include "support/TempFolder.h"

namespace {

std::string lines(std::initializer_list<const char*> ls) {
  std::string s;
  for (const char* l : ls) s += std::string(l) + platform::line_end();
  return s;
}

TEST(IniTest, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), "test.ini");
  EXPECT_EQ(ini.File(), dir.file("test.ini"));
  EXPECT_EQ(ini.GetInt("S", "Width", 17), 17);
  EXPECT_TRUE(ini.GetBool("S", "Flag", true));
  char buf[16];
  EXPECT_EQ(ini.GetString("S", "Name", buf, sizeof buf, "dflt"), 4);
  EXPECT_STREQ(buf, "dflt");
  EXPECT_FALSE(file_exists(ini.File()));

  EXPECT_TRUE(ini.WriteInt("S", "Width", -3));
  EXPECT_TRUE(ini.WriteBool("S", "Flag", false));
  EXPECT_EQ(read_file(ini.File()), lines({"[S]", "Width=-3", "Flag=0"}));
  EXPECT_EQ(ini.GetInt("S", "Width", 17), -3);
  EXPECT_FALSE(ini.GetBool("S", "Flag", true));
  EXPECT_FALSE(ini.WriteString("S", "", "x"));
}

TEST(IniTest, WritingKeepsOtherSectionsUnknownKeysAndComments) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), "test.ini");
  write_file(ini.File(),
             "; my settings\r\n[Other]\r\nKeep=me\r\n\r\n[S]\r\nunknown = 5 \r\n"
             "width=1\r\n\r\n[Last]\r\nX=1\r\n");
  EXPECT_EQ(ini.GetInt("s", "WIDTH", 0), 1);  // names match without regard to case
  EXPECT_EQ(ini.GetInt("S", "unknown", 0), 5);
  EXPECT_TRUE(ini.WriteAll("S", {{"width", "2"}, {"Height", "3"}}));
  EXPECT_EQ(read_file(ini.File()),
            "; my settings\r\n[Other]\r\nKeep=me\r\n\r\n[S]\r\nunknown = 5 \r\n"
            "width=2\r\nHeight=3\r\n\r\n[Last]\r\nX=1\r\n");
  EXPECT_TRUE(ini.WriteString("New", "Key", "a\nb"));
  EXPECT_EQ(ini.GetInt("Other", "Keep", 7), 0);  // a value without digits reads as 0
  char buf[8];
  EXPECT_EQ(ini.GetString("New", "Key", buf, sizeof buf, ""), 3);
  EXPECT_STREQ(buf, "a b");
}

TEST(IniTest, LinesTheProgramDoesNotChangeKeepTheirLineEnds) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), "test.ini");
  // A first line ending in LF, then CR LF, a stray CR, and no line end at the very end.
  write_file(ini.File(), "; notes\n[Other]\r\r\nk=v\r\n[S]\nA=1");
  EXPECT_TRUE(ini.WriteAll("S", {{"A", "2"}, {"B", "3"}}));
  const std::string once = read_file(ini.File());
  EXPECT_EQ(once, "; notes\n[Other]\r\r\nk=v\r\n[S]\nA=2\nB=3\n");
  EXPECT_TRUE(ini.WriteAll("S", {{"A", "2"}, {"B", "3"}}));
  EXPECT_EQ(read_file(ini.File()), once);  // the same values again change nothing
}

TEST(IniTest, GetStringCutsToTheBuffer) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), "test.ini");
  ini.WriteString("S", "Name", "abcdef");
  char buf[4];
  EXPECT_EQ(ini.GetString("S", "Name", buf, sizeof buf, ""), 3);
  EXPECT_STREQ(buf, "abc");
  EXPECT_EQ(ini.GetString("S", "Name", nullptr, 4, ""), 0);
  EXPECT_EQ(ini.GetString("S", "Name", buf, 0, ""), 0);
}

TEST(IniTest, NumbersParseAsAtolDoes) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"42", 42},
      {"  -7x", -7},
      {"+5", 5},
      {"abc", 0},
      {"12abc", 12},
      {"2147483647", INT32_MAX},
      {"99999999999", INT32_MAX},
      {"-99999999999", INT32_MIN},
      {"-", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_atol(c.text), c.value) << c.text;
}

TEST(IniTest, AFailedWriteKeepsTheOldFile) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), "test.ini");
  ini.WriteInt("S", "A", 1);
  std::string before = read_file(ini.File());
  CxFile::Step step = CxFile::Step::Sync;
  CxFile::fail_step_for_testing(&step);
  EXPECT_FALSE(ini.WriteInt("S", "A", 2));
  CxFile::fail_step_for_testing(nullptr);
  EXPECT_EQ(read_file(ini.File()), before);

  CxIniUtil nowhere(dir.path() + "missing/", "test.ini");
  EXPECT_FALSE(nowhere.WriteInt("S", "A", 1));
}

TEST(IniTest, SetFileIgnoresAnEmptyPath) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), "a.ini");
  ini.SetFile("");
  EXPECT_EQ(ini.File(), dir.file("a.ini"));
  ini.SetFile(dir.file("b.ini"));
  EXPECT_EQ(ini.File(), dir.file("b.ini"));
  CxIniUtil beside_program("", "c.ini");
  std::string folder;
  ASSERT_TRUE(module_folder(folder));
  EXPECT_EQ(beside_program.File(), folder + "c.ini");
}

}  // namespace
