// The real program in a child process: what happens on disk when the system ends it, and when
// it is started twice.

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHostInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <filesystem>

#include "app/Program.h"
#include "app/SingleInstance.h"
#include "app/UnsavedNote.h"
#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoCtxMgr.h"
#include "support/ScriptedPrompts.h"
#include "support/StubPages.h"
#include "support/TempFolder.h"

namespace {

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(folder()); }
  void TearDown() override {
    for (QProcess* p : {&first, &second}) {
      if (p->state() != QProcess::NotRunning) {
        p->kill();
        p->waitForFinished(5000);
      }
    }
  }

  std::string folder() const { return home.path() + "morvane/Zorvo-Wizard/"; }

  void launch(QProcess& p,
              QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", QString::fromStdString(home.path()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(channels);
    p.start(ZORVO_PROGRAM_PATH, {});
    ASSERT_TRUE(p.waitForStarted(10000));
  }
  // Waits (for the child, not for time to pass) until `ready` holds; false after 20 seconds.
  template <class F>
  bool wait_until(F ready) {
    QElapsedTimer t;
    t.start();
    while (!ready()) {
      if (t.elapsed() > 20000) return false;
      QTest::qWait(20);
    }
    return true;
  }
  // A running action, after `others` actions with long notes.
  void write_running_action(int32_t seconds, int others = 0) {
    ZorvoActionMgr actions;
    actions.set_folder(folder());
    for (int i = 0; i < others; ++i) {
      auto a = actions.create();
      a->name = "Action " + std::to_string(i);
      a->notes = std::string(2000, 'n');
      actions.add_copy(a.get());
    }
    auto a = actions.create();
    a->name = "write the report";
    a->status = kStatusRunning;
    a->spent_seconds = seconds;
    actions.add_copy(a.get());
    ASSERT_TRUE(actions.save());
  }
  Action read_action() {
    ZorvoActionMgr actions;
    actions.set_folder(folder());
    actions.reload();
    return actions.active_action() ? *actions.active_action() : Action{};
  }

  TempFolder home;
  QProcess first;
  QProcess second;
};

bool lock_held(const std::string& folder) {
  return file_exists(folder + "ZorvoWizard.lock");
}

TEST_F(ProcessTest, ATerminationSignalEndsThroughTheNormalExit) {
  write_running_action(100);
  launch(first);
  // A first start writes the default contexts and keeps the store changed; taking the file
  // away leaves a change on disk that only the exit's save can put back.
  const std::string contexts = folder() + "ZorvoCtx.dat";
  ASSERT_TRUE(wait_until([&] { return file_exists(contexts); }));
  std::filesystem::remove(contexts);
  ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
  ASSERT_TRUE(first.waitForFinished(20000));
  EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(first.exitCode(), 0);
  ASSERT_TRUE(file_exists(contexts));  // written again at exit
  ZorvoCtxMgr saved;
  saved.set_folder(folder());
  EXPECT_TRUE(saved.load());
  EXPECT_EQ(saved.count(), 11u);
  Action a = read_action();
  EXPECT_GE(a.spent_seconds, 100);
  EXPECT_EQ(a.status, kStatusRunning);
  EXPECT_NE(read_file(folder() + "morvane.ini").find("AutoSaveInterval=5"), std::string::npos);
  EXPECT_FALSE(lock_held(folder()));
}

TEST_F(ProcessTest, ASecondStartWakesTheFirstAndTouchesNoFile) {
  launch(first);
  ASSERT_TRUE(wait_until([&] { return file_exists(folder() + "ZorvoCtx.dat"); }));
  auto snapshot = [&] {
    std::map<std::string, std::filesystem::file_time_type> files;
    for (const auto& e : std::filesystem::directory_iterator(folder()))
      files[e.path().filename().string()] = e.last_write_time();
    return files;
  };
  auto before = snapshot();
  launch(second);
  ASSERT_TRUE(second.waitForFinished(20000));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(first.state(), QProcess::Running);
  ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
  ASSERT_TRUE(first.waitForFinished(20000));
}

// The program runs with a limit on the size of the files it writes, below the size of its action
// file: the exit's save of that file fails as on a disk that is full. The file keeps what was
// saved before, nothing half-written is left, and the user is told at once (the program has
// nobody to ask when a termination signal ends it) and again at the next start.
TEST_F(ProcessTest, AShortDiskLosesNothingAndIsTold) {
  write_running_action(100, 1000);
  const std::string actions = folder() + "ZorvoAct.dat";
  const std::string before = read_file(actions);
  constexpr rlim_t kLimit = 1 << 20;
  ASSERT_GT(before.size(), kLimit);
  first.setChildProcessModifier([] {
    rlimit limit{kLimit, kLimit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  });
  // The action file is saved once the running action has counted a second: the one-second
  // timer must have ticked before the program is ended. A slow machine gets more time.
  QString errors;
  for (int wait_ms : {1500, 4000, 10000}) {
    launch(first, QProcess::SeparateChannels);
    ASSERT_TRUE(wait_until([&] { return file_exists(folder() + "ZorvoCtx.dat"); }));
    QTest::qWait(wait_ms);
    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(20000));
    errors = QString::fromLocal8Bit(first.readAllStandardError());
    if (errors.contains("ZorvoAct.dat")) break;
  }
  EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(first.exitCode(), 1);
  EXPECT_TRUE(errors.contains(QString::fromStdString(actions + ": " + cx_error_text(EFBIG))))
      << errors.toStdString();
  EXPECT_EQ(read_file(actions), before);
  for (const auto& e : std::filesystem::directory_iterator(folder()))
    EXPECT_EQ(e.path().string().find(".tmp-"), std::string::npos) << e.path() << " was left";
  Action running = read_action();
  EXPECT_EQ(running.spent_seconds, 100);
  // The small files were saved, and the next start will tell.
  EXPECT_NE(read_file(folder() + "morvane.ini").find("AutoSaveInterval=5"), std::string::npos);
  std::vector<std::string> note = take_unsaved_note(folder());
  ASSERT_EQ(note.size(), 1u);
  EXPECT_EQ(note[0], actions + ": " + cx_error_text(EFBIG));
}

// Takes away, for this thread, what lets the superuser write where the folder's permissions do
// not allow it, so that a read-only folder is read-only in the test too.
class WithoutOverridingPermissions {
 public:
  WithoutOverridingPermissions() {
    if (::geteuid() != 0) return;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    if (::syscall(SYS_capget, &header, m_saved) != 0) return;
    __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
    reduced[0].effective &=
        ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    m_dropped = ::syscall(SYS_capset, &header, reduced) == 0;
  }
  ~WithoutOverridingPermissions() {
    if (!m_dropped) return;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    ::syscall(SYS_capset, &header, m_saved);
  }
  // Whether permissions hold for this thread now.
  bool in_force() const { return ::geteuid() != 0 || m_dropped; }

 private:
  __user_cap_data_struct m_saved[2]{};
  bool m_dropped = false;
};

// A data folder the program cannot lock while no other copy runs: it says so, naming the folder
// and what to do, and does not start, instead of ending without a word.
TEST(UnusableDataFolderTest, IsToldAndNothingStarts) {
  enum class Cause { ReadOnlyFolder, LockFileIsAFolder };
  for (Cause cause : {Cause::ReadOnlyFolder, Cause::LockFileIsAFolder}) {
    SCOPED_TRACE(static_cast<int>(cause));
    TempFolder home(true);
    const std::string folder = home.path() + "morvane/Zorvo-Wizard/";
    std::filesystem::create_directories(folder);
    std::string lock_file = folder + "ZorvoWizard.lock";
    if (cause == Cause::LockFileIsAFolder) std::filesystem::create_directory(lock_file);
    WithoutOverridingPermissions permissions;
    if (cause == Cause::ReadOnlyFolder) {
      if (!permissions.in_force()) GTEST_SKIP() << "cannot make a folder read-only here";
      ::chmod(folder.c_str(), 0555);
    }
    ScriptedPrompts prompts;
    prompts.answer(Prompts::Ok);
    Program program(pages_with_stubs());
    EXPECT_FALSE(program.start());
    EXPECT_EQ(program.exit_code(), 1);
    ::chmod(folder.c_str(), 0755);
    ASSERT_EQ(prompts.messages().size(), 1u);
    const auto& m = prompts.messages()[0];
    EXPECT_EQ(m.caption, "Error");
    EXPECT_EQ(m.icon, Prompts::Icon::Error);
    EXPECT_EQ(m.buttons, Prompts::Ok);
    EXPECT_TRUE(m.text.contains(QString::fromStdString(folder))) << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(QString::fromStdString(lock_file))) << m.text.toStdString();
    EXPECT_TRUE(m.text.contains("start Vantrel Wizard again")) << m.text.toStdString();
    EXPECT_EQ(program.main_window(), nullptr);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++entries;
    EXPECT_EQ(entries, cause == Cause::LockFileIsAFolder ? 1 : 0) << "a file was written";
  }
}

TEST(SingleInstanceTest, ALockLeftByACrashedCopyDoesNotBlock) {
  TempFolder dir;
  // What a copy that died leaves: its process id (no longer running), name and host.
  write_file(dir.file("ZorvoWizard.lock"),
             "999999999\nVantrel Wizard\n" + QSysInfo::machineHostName().toStdString() + "\n");
  SingleInstance first(QString::fromStdString(dir.path()));
  EXPECT_EQ(first.acquire(), SingleInstance::Lock::Acquired);
  SingleInstance second(QString::fromStdString(dir.path()));
  EXPECT_EQ(second.acquire(), SingleInstance::Lock::HeldElsewhere);
  bool woken = false;
  QObject::connect(&first, &SingleInstance::woken, [&] { woken = true; });
  EXPECT_TRUE(second.wake_running_copy());
  QElapsedTimer t;
  t.start();
  while (!woken && t.elapsed() < 5000) QTest::qWait(10);
  EXPECT_TRUE(woken);
}

}  // namespace
