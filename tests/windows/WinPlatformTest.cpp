// What the Windows bodies of the platform functions do beyond what the core tests see.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <thread>

#include "app/Apputil.h"
#include "common/misc/CxDateTime.h"
#include "common/misc/WinUtil.h"
#include "stores/ZorvoRefMgr.h"
#include "support/TempFolder.h"

namespace {

TEST(WindowsPathsTest, TheDataFolderLiesBelowTheCommonApplicationDataFolder) {
  // %ProgramData% names the common application data folder too.
  const char* common = std::getenv("ProgramData");
  ASSERT_NE(common, nullptr);
  std::string path = "untouched";
  ASSERT_TRUE(data_folder(path));
  EXPECT_EQ(path, std::string(common) + "\\morvane\\Zorvo-Wizard\\");
  EXPECT_EQ(path.find('/'), std::string::npos);
  DWORD attributes = GetFileAttributesA(path.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);

  Globals g;
  g.use_folder(path);
  EXPECT_EQ(g.ini.File(), path + "morvane.ini");
  EXPECT_EQ(g.inbox.default_path(), path + "ZorvoInbox.dat");
  EXPECT_EQ(g.refs.default_path(), path + "ZorvoRef.dat");
}

TEST(WindowsPathsTest, WithoutADataFolderTheSettingsLieBesideTheProgram) {
  std::string folder;
  ASSERT_TRUE(module_folder(folder));
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_TRUE(file_exists(folder + "windows_tests.exe")) << folder;
  EXPECT_EQ(CxIniUtil("", kSettingsFile).File(), folder + kSettingsFile);
}

TEST(WindowsClockTest, TheLocalClockAgreesWithTheCRuntime) {
  double clock = now();
  std::time_t t = std::time(nullptr);
  std::tm local = *std::localtime(&t);
  CxSystemTime st;
  st.wYear = static_cast<uint16_t>(local.tm_year + 1900);
  st.wMonth = static_cast<uint16_t>(local.tm_mon + 1);
  st.wDay = static_cast<uint16_t>(local.tm_mday);
  st.wHour = static_cast<uint16_t>(local.tm_hour);
  st.wMinute = static_cast<uint16_t>(local.tm_min);
  st.wSecond = static_cast<uint16_t>(local.tm_sec);
  double expected = 0;
  ASSERT_TRUE(system_time_to_ole(st, expected));
  // The two readings may straddle a tick.
  EXPECT_LE(std::fabs(clock - expected) * 86400.0, 2.0)
      << format_date_time(clock) << " against " << format_date_time(expected);
}

// Another program's handle on a file, opened for reading the way the C runtime opens one:
// others may read and write the file meanwhile, but not delete or rename it.
class ForeignReader {
 public:
  explicit ForeignReader(const std::string& path)
      : m_handle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~ForeignReader() { release(); }
  ForeignReader(const ForeignReader&) = delete;
  ForeignReader& operator=(const ForeignReader&) = delete;

  bool holds() const { return m_handle != INVALID_HANDLE_VALUE; }

  // The whole file as this handle sees it.
  std::string read_all() const {
    std::string bytes;
    SetFilePointer(m_handle, 0, nullptr, FILE_BEGIN);
    char chunk[4096];
    DWORD n = 0;
    while (ReadFile(m_handle, chunk, sizeof chunk, &n, nullptr) && n > 0) bytes.append(chunk, n);
    return bytes;
  }

  void release() {
    if (holds()) CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE m_handle;
};

// A store saved once with one record, then given a second one that is not saved yet.
class HeldStoreFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.set_folder(dir.path());
    add("first");
    ASSERT_TRUE(store.save());
    saved_bytes = read_file(store.default_path());
    add("second");
  }

  void add(const char* name) {
    auto r = store.create();
    r->name = name;
    store.add_copy(r.get());
  }

  int entries_in_folder() const {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++n;
    return n;
  }

  TempFolder dir;
  ZorvoRefMgr store;
  std::string saved_bytes;
};

TEST_F(HeldStoreFileTest, ASaveWaitsForAReaderThatLetsGoSoon) {
  ForeignReader reader(store.default_path());
  ASSERT_TRUE(reader.holds());
  std::atomic<bool> letting_go{false};
  std::thread other([&] {
    Sleep(200);
    letting_go = true;
    reader.release();
  });
  bool saved = store.save();
  bool waited = letting_go;
  other.join();
  EXPECT_TRUE(saved);
  EXPECT_TRUE(waited) << "the file was replaced while another handle held it";
  EXPECT_FALSE(store.dirty());
  EXPECT_EQ(entries_in_folder(), 1) << "a temporary file was left behind";
  store.reload();
  EXPECT_EQ(store.count(), 2u);
}

TEST_F(HeldStoreFileTest, AReaderThatHoldsOnFailsTheSaveSoonAndKeepsTheOldFile) {
  ForeignReader reader(store.default_path());
  ASSERT_TRUE(reader.holds());
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(store.save());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(store.dirty());
  EXPECT_EQ(reader.read_all(), saved_bytes);
  EXPECT_EQ(read_file(store.default_path()), saved_bytes);
  EXPECT_EQ(entries_in_folder(), 1) << "a temporary file was left behind";

  reader.release();
  EXPECT_TRUE(store.save());
  store.reload();
  EXPECT_EQ(store.count(), 2u);
}

}  // namespace
