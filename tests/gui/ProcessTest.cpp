// The real program in a child process: what happens on disk when the system ends it, and when
// it is started twice.

#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHostInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <filesystem>

#include "app/SingleInstance.h"
#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoCtxMgr.h"
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

  void launch(QProcess& p) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", QString::fromStdString(home.path()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
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
  void write_running_action(int32_t seconds) {
    ZorvoActionMgr actions;
    actions.set_folder(folder());
    Action a;
    a.name = "write the report";
    a.status = kStatusRunning;
    a.spent_seconds = seconds;
    actions.add_copy(&a);
    ASSERT_TRUE(actions.save());
  }
  Action read_action() {
    ZorvoActionMgr actions;
    actions.set_folder(folder());
    actions.reload();
    return actions.first() ? *actions.first() : Action{};
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
