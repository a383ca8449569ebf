#include <QSystemTrayIcon>
#include <cerrno>
#include <filesystem>
#include <map>

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

TEST_F(ExitTest, WithNobodyToAskTheExitSavesWhatItCanEndsAndTellsAtTheNextStart) {
  add_item("one");
  g().settings.LastID = 7;
  CxFile::set_fault_for_testing(CxFile::Fault{CxFile::Step::Write, ENOSPC, 1});
  main().exit_without_questions();
  CxFile::set_fault_for_testing(std::nullopt);
  EXPECT_TRUE(ended());
  EXPECT_TRUE(prompts.messages().empty());
  EXPECT_EQ(program->exit_code(), 1);
  EXPECT_NE(read_file(data_file("morvane.ini")).find("LastID=7"), std::string::npos);

  prompts.answer(Prompts::Ok);
  start();
  ASSERT_EQ(prompts.messages().size(), 1u);
  const auto& m = prompts.messages()[0];
  EXPECT_EQ(m.caption, "Error");
  EXPECT_EQ(m.icon, Prompts::Icon::Error);
  EXPECT_EQ(m.buttons, Prompts::Ok);
  EXPECT_TRUE(m.text.contains(
      QString::fromStdString(data_file("ZorvoInbox.dat") + ": " + cx_error_text(ENOSPC))))
      << m.text.toStdString();
  EXPECT_FALSE(m.text.contains("morvane.ini"));
  EXPECT_EQ(g().inbox.count(), 0u);  // what the failed save held is gone, the old file is whole
  exit_program();
  EXPECT_EQ(program->exit_code(), 0);
  // Told once: the start after that says nothing.
  prompts.forget();
  start();
  EXPECT_TRUE(prompts.messages().empty());
  exit_program();
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

// The files of the data folder and their bytes.
std::map<std::string, std::string> files_in(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    files[e.path().string()] = read_file(e.path().string());
  return files;
}

class SaveFaultTest : public ProgramFixture {
 protected:
  void TearDown() override { CxFile::set_fault_for_testing(std::nullopt); }
};

// Every step of the exit's save failing, the way a full or a failing disk makes it fail: the
// user is told which file and why, the file on disk is the one saved before, byte for byte, no
// temporary file is left, and what was not saved is still there to be saved.
TEST_F(SaveFaultTest, EveryStepOfTheExitsSaveCanFailWithoutLosingAnything) {
  using Step = CxFile::Step;
  {
    // More than one write's worth of actions: the action file takes several writes.
    ZorvoActionMgr actions;
    actions.set_folder(data_folder());
    for (int i = 0; i < 300; ++i) {
      auto a = actions.create();
      a->name = "Action " + std::to_string(i);
      a->notes = std::string(2000, 'n');
      actions.add_copy(a.get());
    }
    ASSERT_TRUE(actions.save());
  }
  std::vector<Step> steps = {Step::Open,  Step::Write,   Step::Flush,     Step::Sync,
                             Step::Close, Step::Replace, Step::FolderSync};
  int items = 0;
  for (int error : {ENOSPC, EIO}) {
    for (Step step : steps) {
      start();
      for (int nth = 1;; ++nth) {
        SCOPED_TRACE("step " + std::to_string(static_cast<int>(step)) + ", time " +
                     std::to_string(nth) + ", error " + std::to_string(error));
        // Something to save in the inbox, the action file and the settings.
        InboxItem item;
        item.name = "item";
        g().inbox.add_copy(&item);
        ++items;
        g().actions.touch(g().actions.first());
        g().settings.LastID = nth;
        const auto before = files_in(data_folder());
        prompts.forget();
        prompts.answer(Prompts::Cancel);
        CxFile::set_fault_for_testing(CxFile::Fault{step, error, nth});
        click("btnExit");
        CxFile::set_fault_for_testing(std::nullopt);
        if (ended()) {  // the step is not reached that often: everything was saved
          prompts.withdraw_answers();
          EXPECT_GT(nth, 1);
          break;
        }
        ASSERT_EQ(prompts.messages().size(), 1u);
        const QString text = prompts.messages()[0].text;
        EXPECT_TRUE(text.contains(QString::fromStdString(cx_error_text(error))))
            << text.toStdString();
        int named = 0;
        for (const std::string& file :
             {g().inbox.default_path(), g().actions.default_path(), g().ini.File()}) {
          if (!text.contains(QString::fromStdString(file + ": "))) continue;
          ++named;
          if (before.count(file))
            EXPECT_EQ(read_file(file), before.at(file)) << file << " was changed";
          else
            EXPECT_FALSE(file_exists(file)) << file << " was made";
        }
        EXPECT_EQ(named, 1) << text.toStdString();
        for (const auto& [file, bytes] : files_in(data_folder()))
          EXPECT_EQ(file.find(".tmp-"), std::string::npos) << file << " was left behind";
        const auto unsaved = [&](auto& store) {
          return text.contains(QString::fromStdString(store.default_path()));
        };
        EXPECT_EQ(g().inbox.dirty(), unsaved(g().inbox));
        EXPECT_EQ(g().actions.dirty(), unsaved(g().actions));
      }
      program.reset();
    }
  }
  ZorvoInboxItemMgr inbox;
  inbox.set_folder(data_folder());
  inbox.reload();
  EXPECT_EQ(inbox.count(), static_cast<uint32_t>(items));
}

}  // namespace
