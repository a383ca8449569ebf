#include <QLabel>

#include "support/AddRecord.h"
#include "support/ProgramFixture.h"
#include "ui/PageIds.h"

namespace {

class HomeTest : public ProgramFixture {
 protected:
  void TearDown() override {
    if (program) exit_program();
  }
  QString text(const char* name) { return control<QLabel>(page(kPageHome), name)->text(); }
  void show_home() {
    click("lblInbox");
    click("lblHome");
  }
};

TEST_F(HomeTest, EmptyStoresShowNothingWaiting) {
  start();
  EXPECT_EQ(text("lblInboxNum"), "0");
  EXPECT_EQ(text("lblNumProjects"), "0");
  EXPECT_EQ(text("lblNumActions"), "0");
  EXPECT_EQ(text("lblCurAction"), "N/A");
  EXPECT_EQ(text("lblToday"), "Current Status :");
  EXPECT_EQ(text("Label1"), "Items in the Inbox.");
  EXPECT_EQ(text("Label5"), "Process Now!");
  EXPECT_EQ(text("Label4"), "Current Action:");
}

TEST_F(HomeTest, CountsWhatIsOpen) {
  start();
  add_record(g().inbox, "new", kNotProcessed);
  add_record(g().inbox, "half", kProcessing);
  add_record(g().inbox, "done", kProcessed);
  add_record(g().projects, "house", 0);
  add_record(g().projects, "finished", kStatusCompleted);
  add_record(g().projects, "dropped", kStatusDisabled);
  for (int32_t s :
       {kStatusNotStarted, kStatusPaused, kStatusStopped, kStatusCompleted, kStatusDisabled, 0})
    add_record(g().actions, "step", s);
  EXPECT_EQ(text("lblInboxNum"), "0");  // not refreshed while shown
  show_home();
  EXPECT_EQ(text("lblInboxNum"), "2");
  EXPECT_EQ(text("lblNumProjects"), "1");
  EXPECT_EQ(text("lblNumActions"), "4");
  EXPECT_EQ(text("lblCurAction"), "N/A");
  Action* running = add_record(g().actions, std::string(300, 'w').c_str(), 0);
  g().actions.set_active(running, kStatusPaused);
  show_home();
  EXPECT_EQ(text("lblCurAction"), QString(255, 'w'));
  EXPECT_EQ(text("lblNumActions"), "5");
}

TEST_F(HomeTest, LinksLeadToTheirPages) {
  start();
  const std::pair<const char*, int32_t> links[] = {
      {"btnCollect", kPageInbox},    {"btnProcess", kPageProcess},
      {"btnOrganize", kPageProcess}, {"btnReview", kPageReview},
      {"btnDo", kPageActions},       {"lblInboxNum", kPageInbox},
      {"Label5", kPageInbox},        {"lblNumProjects", kPageReview},
      {"Label6", kPageReview},       {"lblNumActions", kPageActions},
      {"Label7", kPageActions},
  };
  for (auto [name, target] : links) {
    click(kPageHome, name);
    EXPECT_EQ(current_page(), target) << name;
    click("lblHome");
  }
}

TEST_F(HomeTest, TheCurrentActionOpensInTheEditorOrTheActionsPage) {
  start(pages_with_stubs({kPageOneAction}));
  click(kPageHome, "lblCurAction");
  EXPECT_EQ(current_page(), kPageActions);
  Action* running = add_record(g().actions, "write report", 0);
  g().actions.set_active(running, kStatusPaused);
  show_home();
  click(kPageHome, "lblCurAction");
  EXPECT_EQ(current_page(), kPageOneAction);
  StubPage* editor = stub(kPageOneAction);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->edited_action(), running);
  EXPECT_EQ(editor->return_page(), kPageActions);
}

TEST_F(HomeTest, StoresOnDiskAreCountedAtStart) {
  {
    ZorvoInboxItemMgr inbox;
    inbox.set_folder(data_folder());
    add_record(inbox, "a", kNotProcessed);
    add_record(inbox, "b", kNotProcessed);
    ASSERT_TRUE(inbox.save());
  }
  start();
  EXPECT_EQ(text("lblInboxNum"), "2");
}

}  // namespace
