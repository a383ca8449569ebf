#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/Apputil.h"
#include "common/misc/WinUtil.h"
#include "support/TempFolder.h"

namespace {

const char* const kKeysInOrder[] = {
    "ToWelcome",
    "SaveToOL",
    "SaveToPD",
    "StartLast",
    "LastID",
    "ShowCompleted",
    "ShowColor",
    "HighColor",
    "NormalColor",
    "LowColor",
    "CompletedColor",
    "OverDueColor",
    "ActiveColor",
    "ShowActionMode",
    "ShowActionProjectID",
    "ShowActionContextID",
    "AlertDeletion",
    "AlertNotSaved",
    "AutoSave",
    "AutoSaveInterval",
};

std::string settings_text(std::initializer_list<std::pair<const char*, const char*>> kv) {
  std::string s = std::string("[Zorvo-Wizard]") + platform::line_end();
  for (auto [k, v] : kv) s += std::string(k) + "=" + v + platform::line_end();
  return s;
}

TEST(SettingsTest, AFirstStartUsesTheDefaultsAndExitWritesEveryKeyInOrder) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), kSettingsFile);
  Settings s;
  s.HighColor = 1;  // load must overwrite it with the default
  load_settings(ini, s);
  EXPECT_EQ(s.HighColor, 255);
  ASSERT_TRUE(save_settings(ini, s));
  EXPECT_EQ(read_file(ini.File()), settings_text({{"ToWelcome", "0"},
                                                  {"SaveToOL", "0"},
                                                  {"SaveToPD", "0"},
                                                  {"StartLast", "1"},
                                                  {"LastID", "0"},
                                                  {"ShowCompleted", "0"},
                                                  {"ShowColor", "1"},
                                                  {"HighColor", "255"},
                                                  {"NormalColor", "0"},
                                                  {"LowColor", "32768"},
                                                  {"CompletedColor", "8421504"},
                                                  {"OverDueColor", "255"},
                                                  {"ActiveColor", "16711680"},
                                                  {"ShowActionMode", "1"},
                                                  {"ShowActionProjectID", "0"},
                                                  {"ShowActionContextID", "0"},
                                                  {"AlertDeletion", "1"},
                                                  {"AlertNotSaved", "1"},
                                                  {"AutoSave", "1"},
                                                  {"AutoSaveInterval", "5"}}));
}

TEST(SettingsTest, EveryKeyRoundTripsAndUnknownKeysStay) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), kSettingsFile);
  write_file(ini.File(), settings_text({{"Mine", "keep"}}));
  // Key i holds 100 + i: a number for the integers, "not 0" (true) for the booleans.
  std::vector<std::pair<std::string, std::string>> values;
  for (int i = 0; i < 20; ++i) values.emplace_back(kKeysInOrder[i], std::to_string(100 + i));
  ASSERT_TRUE(ini.WriteAll(kSettingsSection, values));
  Settings s;
  load_settings(ini, s);
  EXPECT_TRUE(s.ToWelcome);
  EXPECT_EQ(s.LastID, 104);
  EXPECT_EQ(s.HighColor, 107);
  EXPECT_EQ(s.ShowActionContextID, 115);
  EXPECT_TRUE(s.AlertNotSaved);
  EXPECT_EQ(s.AutoSaveInterval, 119);
  ASSERT_TRUE(save_settings(ini, s));
  std::string text = read_file(ini.File());
  EXPECT_NE(text.find("Mine=keep"), std::string::npos);
  EXPECT_NE(text.find("ToWelcome=1"), std::string::npos);  // booleans are written as 0 or 1
  EXPECT_NE(text.find("LastID=104"), std::string::npos);
  Settings again;
  load_settings(ini, again);
  EXPECT_EQ(again.ActiveColor, 112);
  EXPECT_TRUE(again.AutoSave);
}

TEST(SettingsTest, UnreadableValues) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), kSettingsFile);
  const struct {
    const char* text;
    int32_t interval;
  } intervals[] = {{"0", 5},
                   {"-3", 5},
                   {"x", 5},
                   {"", 5},
                   {"1", 1},
                   {"120", 120},
                   // Above the longest period offered: that one, so the timer's count of
                   // seconds neither overflows nor becomes 0.
                   {"121", 120},
                   {"1073741824", 120},
                   {"99999999999", 120}};
  for (const auto& c : intervals) {
    write_file(ini.File(), settings_text({{"HighColor", "abc"}, {"AutoSaveInterval", c.text}}));
    Settings s;
    load_settings(ini, s);
    EXPECT_EQ(s.HighColor, 0);  // not a number: 0, black
    EXPECT_TRUE(s.AutoSave);    // missing: the default
    EXPECT_EQ(s.AutoSaveInterval, c.interval) << c.text;
  }
}

TEST(SettingsTest, AByteOrderMarkBeforeTheSectionKeepsItTheSameSection) {
  TempFolder dir;
  CxIniUtil ini(dir.path(), kSettingsFile);
  const std::string bom = "\xEF\xBB\xBF";
  write_file(ini.File(), bom + settings_text({{"HighColor", "42"}, {"Mine", "keep"}}));
  Settings s;
  load_settings(ini, s);
  EXPECT_EQ(s.HighColor, 42);
  ASSERT_TRUE(save_settings(ini, s));
  std::string text = read_file(ini.File());
  EXPECT_EQ(text.rfind(bom + "[Zorvo-Wizard]", 0), 0u) << text;
  EXPECT_EQ(text.find("[Zorvo-Wizard]"), text.rfind("[Zorvo-Wizard]")) << "a second section";
  EXPECT_NE(text.find("Mine=keep"), std::string::npos);
  EXPECT_NE(text.find("HighColor=42"), std::string::npos);
}

// These point the POSIX data folder at a temporary one through XDG_DATA_HOME. The Windows data
// folder lies below the machine's common application data folder, which a test cannot move:
// the Windows tests check it where it is.
class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: the Windows data folder cannot be redirected for a test";
#endif
  }
};

TEST_F(DataFolderTest, LivesBelowTheUsersDataFolder) {
  TempFolder home(true);
  std::string path = "untouched";
  ASSERT_TRUE(data_folder(path));
  EXPECT_EQ(path, home.path() + "morvane/Zorvo-Wizard/");
  EXPECT_TRUE(std::filesystem::is_directory(path));
  std::string again;
  ASSERT_TRUE(data_folder(again));
  EXPECT_EQ(again, path);
}

TEST_F(DataFolderTest, FailsWithoutAFolderAndLeavesThePath) {
  TempFolder home(true);
  write_file(home.file("morvane"), "a file where the folder should be");
  std::string path = "untouched";
  EXPECT_FALSE(data_folder(path));
  EXPECT_EQ(path, "untouched");
}

TEST_F(DataFolderTest, GlobalsMoveTheirFilesIntoIt) {
  TempFolder home(true);
  Globals g;
  std::string found;
  ASSERT_TRUE(data_folder(found));
  g.use_folder(found);
  std::string folder = home.path() + "morvane/Zorvo-Wizard/";
  EXPECT_EQ(g.folder, folder);
  EXPECT_EQ(g.ini.File(), folder + "morvane.ini");
  EXPECT_EQ(g.inbox.default_path(), folder + "ZorvoInbox.dat");
  EXPECT_EQ(g.refs.default_path(), folder + "ZorvoRef.dat");
}

}  // namespace
