#include <QMenu>
#include <QTest>

#include "support/ProgramFixture.h"
#include "ui/PageIds.h"
#include "watcher/ZorvoActionWatcher.h"

namespace {

class WatcherTest : public ExitingProgramFixture {
 protected:
  void SetUp() override { start(pages_with_stubs({kPageOneAction})); }
  ZorvoActionWatcher& watcher() { return *main().watcher(); }
  Action* run_action(const std::string& name, int32_t seconds) {
    Action a;
    a.name = name;
    a.spent_seconds = seconds;
    Action* stored = g().actions.add_copy(&a);
    g().actions.set_active(stored, kStatusPaused);
    return stored;
  }
  QStringList menu_captions() {
    emit watcher().menu()->aboutToShow();
    QStringList captions;
    for (QAction* a : watcher().menu()->actions()) captions << (a->isSeparator() ? "-" : a->text());
    return captions;
  }
  void choose(int index) {
    emit watcher().menu()->aboutToShow();
    watcher().menu()->actions()[index]->trigger();
  }
};

TEST_F(WatcherTest, ATopmostToolWindowInTheTopRightCorner) {
  EXPECT_TRUE(watcher().isVisible());
  EXPECT_EQ(watcher().size(), QSize(200, 160));
  EXPECT_TRUE(watcher().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(watcher().windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ((watcher().windowFlags() & Qt::Tool), Qt::Tool);
  EXPECT_EQ(watcher().y(), 40);
}

TEST_F(WatcherTest, ShowsTheRunningActionAndItsTime) {
  EXPECT_EQ(ZorvoActionWatcher::title_text(), "Vantrel Active Action");
  EXPECT_EQ(watcher().name_text(), "None");
  EXPECT_EQ(watcher().time_text(), "Running Time: 00:00:00");
  run_action("Draft the budget", 3725);
  EXPECT_EQ(watcher().name_text(), "Draft the budget");
  EXPECT_EQ(watcher().time_text(), "Running Time: 01:02:05");
  main().tmMainTimer();
  EXPECT_EQ(watcher().time_text(), "Running Time: 01:02:06");
  run_action(std::string(300, 'n'), 0);
  EXPECT_EQ(watcher().name_text(), QString(254, 'n'));
  EXPECT_TRUE(watcher().refresh());
  QImage shot = watcher().grab().toImage();
  EXPECT_EQ(shot.pixelColor(5, 100), QColor(255, 255, 160));  // the yellow background
}

TEST_F(WatcherTest, TheMenuHidesAndShowsTheWatcher) {
  EXPECT_EQ(menu_captions(), QStringList({"Hide Action Watcher", "Open Vantrel Wizard", "-",
                                          "Exit Vantrel Wizard"}));
  choose(0);
  EXPECT_FALSE(watcher().isVisible());
  EXPECT_FALSE(watcher().refresh());
  EXPECT_EQ(menu_captions()[0], "Show Action Watcher");
  choose(0);
  EXPECT_TRUE(watcher().isVisible());
  EXPECT_EQ(menu_captions()[0], "Hide Action Watcher");
}

TEST_F(WatcherTest, TheMenuOpensAndEndsTheProgram) {
  main().close();
  choose(1);
  EXPECT_TRUE(main().isVisible());
  EXPECT_FALSE(main().isMinimized());
  main().close();
  choose(3);  // exit while the window is away
  EXPECT_TRUE(ended());
}

TEST_F(WatcherTest, AClickBelowTheTopStripOpensTheRunningAction) {
  main().close();
  QTest::mouseClick(&watcher(), Qt::LeftButton, {}, QPoint(100, 10));  // the strip: a title bar
  EXPECT_EQ(current_page(), kPageHome);
  QTest::mouseClick(&watcher(), Qt::LeftButton, {}, QPoint(100, 80));
  EXPECT_EQ(current_page(), kPageActions);
  EXPECT_TRUE(main().isVisible());
  Action* running = run_action("call", 0);
  QTest::mouseClick(&watcher(), Qt::LeftButton, {}, QPoint(100, 80));
  EXPECT_EQ(current_page(), kPageOneAction);
  EXPECT_EQ(stub(kPageOneAction)->edited_action(), running);
  EXPECT_EQ(stub(kPageOneAction)->return_page(), kPageActions);
}

TEST_F(WatcherTest, TheExitStopsTheThread) {
  exit_program();
  EXPECT_FALSE(watcher().isVisible());
  watcher().stop_watcher();  // a second stop finds nothing to do
}

}  // namespace
