#include <QSystemTrayIcon>

#include "support/ProgramFixture.h"
#include "ui/PageIds.h"
#include "watcher/ZorvoActionWatcher.h"

namespace {

class ExitTest : public ProgramFixture {
 protected:
  void SetUp() override { start(); }
  InboxItem* add_item(const char* name) {
    InboxItem item;
    item.name = name;
    return g().inbox.add_copy(&item);
  }
  uint32_t items_on_disk() {
    ZorvoInboxItemMgr store;
    store.set_folder(data_folder());
    store.reload();
    return store.count();
  }
  void fail_saving(bool fail) {
    static const CxFile::Step step = CxFile::Step::Replace;
    CxFile::fail_step_for_testing(fail ? &step : nullptr);
  }
  void TearDown() override { fail_saving(false); }
};

TEST_F(ExitTest, ClosingTheWindowKeepsTheProgramRunning) {
  main().close();
  EXPECT_FALSE(ended());
  EXPECT_FALSE(main().exit_requested());
  if (main().tray_icon()) {
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(main().tray_icon()->toolTip(), "Vantrel Wizard");
  } else {
    // No notification area here: the window is minimised, so it can still be reached.
    EXPECT_TRUE(main().isMinimized());
  }
  EXPECT_TRUE(control<QTimer>("tmMain")->isActive());
  EXPECT_NE(page(kPageHome), nullptr);
  main().restore_main_window();
  EXPECT_TRUE(main().isVisible());
  EXPECT_FALSE(main().isMinimized());
  exit_program();
}

TEST_F(ExitTest, ExitSavesTheStoresAndTheSettingsAndDestroysThePages) {
  add_item("one");
  g().settings.HighColor = 1234;
  exit_program();
  EXPECT_EQ(items_on_disk(), 1u);
  EXPECT_NE(read_file(data_file("morvane.ini")).find("HighColor=1234"), std::string::npos);
  EXPECT_EQ(page(kPageHome), nullptr);
  EXPECT_FALSE(main().isVisible());
  EXPECT_FALSE(main().watcher()->isVisible());
  main().show_page(kPageInbox, true);  // nothing left to show, and nothing breaks
}

TEST_F(ExitTest, AFailedSaveAtExitAsksAndCanBeRetriedCancelledOrAccepted) {
  add_item("precious");
  fail_saving(true);
  prompts.answer(Prompts::Retry);
  prompts.answer(Prompts::Cancel);
  click("btnExit");
  ASSERT_EQ(prompts.messages().size(), 2u);
  const auto& m = prompts.messages()[0];
  EXPECT_EQ(m.caption, "Error");
  EXPECT_EQ(m.icon, Prompts::Icon::Error);
  EXPECT_EQ(m.buttons, Prompts::Retry | Prompts::Discard | Prompts::Cancel);
  EXPECT_TRUE(m.text.contains(QString::fromStdString(data_file("ZorvoInbox.dat"))));
  EXPECT_TRUE(m.text.contains(QString::fromStdString(data_file("morvane.ini"))));
  // Cancel: the program keeps running with the change.
  EXPECT_FALSE(ended());
  EXPECT_FALSE(main().exit_requested());
  EXPECT_TRUE(g().inbox.dirty());
  EXPECT_NE(page(kPageHome), nullptr);
  // Once the disk is back, the next exit saves everything.
  fail_saving(false);
  exit_program();
  EXPECT_EQ(items_on_disk(), 1u);
}

TEST_F(ExitTest, ExitWithoutSavingEndsAndLeavesTheOldFiles) {
  add_item("lost on purpose");
  fail_saving(true);
  prompts.answer(Prompts::Discard);
  click("btnExit");
  EXPECT_TRUE(ended());
  fail_saving(false);
  EXPECT_FALSE(file_exists(data_file("ZorvoInbox.dat")));
}

TEST_F(ExitTest, WithNobodyToAskTheExitSavesWhatItCanAndEnds) {
  add_item("one");
  g().settings.LastID = 7;
  fail_saving(true);
  main().exit_without_questions();
  EXPECT_TRUE(ended());
  EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(ExitTest, SessionEndSavesWithoutEnding) {
  add_item("one");
  main().save_at_session_end();
  EXPECT_FALSE(g().inbox.dirty());
  EXPECT_EQ(items_on_disk(), 1u);
  EXPECT_TRUE(file_exists(data_file("morvane.ini")));
  EXPECT_FALSE(ended());
  exit_program();
}

}  // namespace
