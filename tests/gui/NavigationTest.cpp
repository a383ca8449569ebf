// The navigation seam: pages reach each other only through a navigator; a record opened in an
// editor comes back to the page it came from, and asking a page for what it does not do is
// never let pass.

#include <gtest/gtest-spi.h>

#include <QLineEdit>
#include <QPushButton>

#include "support/FakeClock.h"
#include "support/FakeNavigator.h"
#include "support/ProgramFixture.h"
#include "support/ScriptedPrompts.h"
#include "ui/Inbox.h"
#include "ui/Oneitem.h"
#include "ui/PageIds.h"
#include "ui/Tool.h"

namespace {

using ::testing::ScopedFakeTestPartResultReporter;
using ::testing::TestPartResultArray;

class NavigationTest : public ::testing::Test {
 protected:
  NavigationTest() {
    nav.add(kPageInbox, inbox_page = new TfmInbox(nav, inbox, settings));
    nav.add(kPageOneItem, editor = new TfmOneItem(nav, inbox));
    nav.add(kPageTools, new TfmTool(nav));
  }
  void click(TfmPage* page, const char* button) {
    auto* b = page->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    b->click();
  }
  QLineEdit* name_field() { return editor->findChild<QLineEdit*>("edtName"); }

  FakeClock clock{46000.5};
  ScriptedPrompts prompts;
  ZorvoInboxItemMgr inbox;
  Settings settings;
  FakeNavigator nav;  // owns the pages; goes before the store they show
  TfmInbox* inbox_page;
  TfmOneItem* editor;
};

TEST_F(NavigationTest, ARecordOpenedInAnEditorComesBackToThePageItCameFrom) {
  InboxItem item;
  item.name = "call Anna";
  InboxItem* stored = inbox.add_copy(&item);
  nav.show_page(kPageInbox, true);
  inbox_page->findChild<RecordListView*>("lvItem")->select_row(0);
  click(inbox_page, "btnProp");
  ASSERT_EQ(nav.current, kPageOneItem);
  EXPECT_EQ(name_field()->text(), "call Anna");
  name_field()->setText("call Anna back");
  click(editor, "btnSave");
  EXPECT_EQ(nav.current, kPageInbox);
  EXPECT_EQ(stored->name, "call Anna back");

  click(inbox_page, "btnAdd");  // a new record, cancelled: back, and nothing stored
  ASSERT_EQ(nav.current, kPageOneItem);
  click(editor, "btnCancel");
  EXPECT_EQ(nav.current, kPageInbox);
  EXPECT_EQ(inbox.count(), 1u);

  nav.show_page(kPageTools, true);  // opened from another page: it goes back there
  nav.open_editor(kPageOneItem, stored, kPageTools);
  ASSERT_EQ(nav.current, kPageOneItem);
  click(editor, "btnCancel");
  EXPECT_EQ(nav.current, kPageTools);
  EXPECT_EQ(nav.shown, (std::vector<int32_t>{kPageInbox, kPageOneItem, kPageInbox, kPageOneItem,
                                             kPageInbox, kPageTools, kPageOneItem, kPageTools}));
}

TEST_F(NavigationTest, AskingAPageForWhatItDoesNotDoFailsLoudly) {
  Action action;
  InboxItem plain;
  InboxItem* item = inbox.add_copy(&plain);
  TestPartResultArray failures;
  {
    ScopedFakeTestPartResultReporter intercept(
        ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    nav.open_editor(kPageOneItem, &action, kPageInbox);       // it edits inbox items
    nav.open_editor(kPageInbox, inbox.create(), kPageInbox);  // a list edits nothing
    nav.open_editor(1012, item, kPageInbox);                  // no page at all
    nav.show_with(kPageOneItem, item, true);                  // an editor does not process
  }
  ASSERT_EQ(failures.size(), 4);
  for (int i = 0; i < failures.size(); ++i) EXPECT_TRUE(failures.GetTestPartResult(i).failed());
  EXPECT_TRUE(nav.shown.empty());  // and nothing was shown
}

class MainWindowNavigationTest : public ProgramFixture {};

TEST_F(MainWindowNavigationTest, TheMainWindowFailsLoudlyToo) {
  std::vector<PageSlot> pages = pages_with_stubs();
  for (PageSlot& slot : pages)
    if (slot.page_id == kPageOneAction)
      slot.make = [](Navigator& nav, Globals&) -> TfmPage* { return new TfmTool(nav); };
  start(std::move(pages));
  Action a;
  g().actions.set_active(g().actions.add_copy(&a), kStatusPaused);
  TestPartResultArray failures;
  {
    ScopedFakeTestPartResultReporter intercept(
        ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    main().open_running_action();
  }
  ASSERT_EQ(failures.size(), 1);
  EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("1005"), std::string::npos);
  EXPECT_EQ(current_page(), kPageHome);
  exit_program();
}

}  // namespace
