// The real program, with 10,000 records in every store and an action running, ended over and
// over by a termination signal and then killed a few random milliseconds later: while it starts,
// while it runs, while it saves. After every round each store file decodes whole with all its
// records, and the running action's time never goes back.
//
// ZORVO_CRASH_ROUNDS sets the number of rounds (a few by default, to keep the test run short).

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoCtxMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "stores/ZorvoProjectMgr.h"
#include "stores/ZorvoRefMgr.h"
#include "stores/ZorvoSomedayMgr.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kRecords = 10000;

int rounds() {
  const char* set = std::getenv("ZORVO_CRASH_ROUNDS");
  return set && std::atoi(set) > 0 ? std::atoi(set) : 12;
}

template <class Store>
void fill(const std::string& folder) {
  Store store;
  store.set_folder(folder);
  for (uint32_t i = 0; i < kRecords; ++i) {
    auto r = store.create();
    r->name = "Record number " + std::to_string(i);
    if constexpr (std::is_same_v<Store, ZorvoActionMgr>) {
      r->notes = "Notes of the action";
      if (i == kRecords / 2) r->status = kStatusRunning;
    }
    store.add_copy(r.get());
  }
  ASSERT_TRUE(store.save());
}

// Whether the store's file decodes whole (a damaged one would be copied aside) with every
// record.
template <class Store>
::testing::AssertionResult decodes_whole(const std::string& folder) {
  Store store;
  store.set_folder(folder);
  if (!store.load()) return ::testing::AssertionFailure() << store.file_name() << " is missing";
  for (const auto& e : fs::directory_iterator(folder))
    if (e.path().string().find(".damaged-") != std::string::npos)
      return ::testing::AssertionFailure() << store.file_name() << " is damaged";
  if (store.count() != kRecords)
    return ::testing::AssertionFailure() << store.file_name() << " holds " << store.count();
  return ::testing::AssertionSuccess();
}

int32_t running_time(const std::string& folder) {
  ZorvoActionMgr actions;
  actions.set_folder(folder);
  actions.load();
  Action* running = actions.active_action();
  return running ? running->spent_seconds : -1;
}

// The process ids in the names of the temporary files of saves that did not finish.
std::set<int64_t> leftover_owners(const std::string& folder) {
  std::set<int64_t> owners;
  for (const auto& e : fs::directory_iterator(folder)) {
    std::string name = e.path().filename().string();
    std::size_t at = name.rfind(".tmp-");
    if (at != std::string::npos) owners.insert(std::atoll(name.c_str() + at + 5));
  }
  return owners;
}

class CrashLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder());
    fill<ZorvoInboxItemMgr>(folder());
    fill<ZorvoCtxMgr>(folder());
    fill<ZorvoProjectMgr>(folder());
    fill<ZorvoActionMgr>(folder());
    fill<ZorvoSomedayMgr>(folder());
    fill<ZorvoRefMgr>(folder());
  }
  std::string folder() const { return home.path() + "morvane/Zorvo-Wizard/"; }

  void launch(QProcess& p) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", QString::fromStdString(home.path()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(ZORVO_PROGRAM_PATH, {});
    ASSERT_TRUE(p.waitForStarted(10000));
  }

  // Waits until `p` holds the data folder's lock: it has started and handles termination
  // signals. False when it ended first or took longer than 20 seconds.
  bool started(QProcess& p) {
    QElapsedTimer t;
    t.start();
    const std::string lock = folder() + "ZorvoWizard.lock";
    while (std::atoll(read_file(lock).c_str()) != p.processId()) {
      if (p.state() == QProcess::NotRunning || t.elapsed() > 20000) return false;
      QTest::qWait(10);
    }
    return true;
  }

  void expect_every_file_whole() {
    EXPECT_TRUE(decodes_whole<ZorvoInboxItemMgr>(folder()));
    EXPECT_TRUE(decodes_whole<ZorvoCtxMgr>(folder()));
    EXPECT_TRUE(decodes_whole<ZorvoProjectMgr>(folder()));
    EXPECT_TRUE(decodes_whole<ZorvoActionMgr>(folder()));
    EXPECT_TRUE(decodes_whole<ZorvoSomedayMgr>(folder()));
    EXPECT_TRUE(decodes_whole<ZorvoRefMgr>(folder()));
  }

  TempFolder home;
};

TEST_F(CrashLoopTest, KilledAtAnyMomentItLosesNothing) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  // Every other round is ended while it starts; the others once it has started, some after it
  // counted a second, so that its exit saves the large action file.
  std::uniform_int_distribution<int> while_starting(0, 1000), once_started(0, 2000),
      until_kill(0, 40);
  int32_t time = running_time(folder());
  int cut_saves = 0, counted = 0;  // rounds that left a save unfinished, that counted time
  for (int round = 0; round < rounds() && !HasFailure(); ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    QProcess child;
    launch(child);
    const int64_t pid = child.processId();
    if (round % 2 == 0)
      QTest::qWait(while_starting(random));
    else if (started(child))
      QTest::qWait(once_started(random));
    child.terminate();  // SIGTERM, unless it has ended already
    QTest::qWait(until_kill(random));
    child.kill();
    if (child.state() != QProcess::NotRunning) {
      ASSERT_TRUE(child.waitForFinished(20000));
    }
    expect_every_file_whole();
    int32_t now = running_time(folder());
    EXPECT_GE(now, time) << "the running action's time went back";
    // A program that counted a second had started, so it had removed what the saves of the
    // programs before it left: only its own can be left.
    std::set<int64_t> owners = leftover_owners(folder());
    cut_saves += owners.count(pid) ? 1 : 0;
    if (now > time) {
      ++counted;
      for (int64_t owner : owners) EXPECT_EQ(owner, pid);
    }
    time = now;
  }
  std::printf("%d rounds: %d killed in the middle of a save, %d counted time\n", rounds(),
              cut_saves, counted);
  // A last start that ends normally removes whatever the killed ones left.
  QProcess last;
  launch(last);
  ASSERT_TRUE(started(last));
  last.terminate();
  ASSERT_TRUE(last.waitForFinished(20000));
  EXPECT_EQ(last.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(last.exitCode(), 0);
  expect_every_file_whole();
  EXPECT_TRUE(leftover_owners(folder()).empty());
  EXPECT_GE(running_time(folder()), time);
}

}  // namespace
