// The road of one item through the real pages, as a user takes it: collected in the inbox,
// processed into a next action, taken out of the inbox, done on the Actions page while the clock
// runs, and written to disk by auto-save.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "support/ProgramFixture.h"
#include "ui/PageIds.h"
#include "watcher/ZorvoActionWatcher.h"

namespace {

class RoadOfOneItemTest : public ExitingProgramFixture {
 protected:
  void SetUp() override {
    start();
    control<QTimer>("tmMain")->stop();  // the test runs the clock
  }
  void collect(const char* name) {
    click(kPageInbox, "btnAdd");
    ASSERT_EQ(current_page(), kPageOneItem);
    type(kPageOneItem, "edtName", name);
    click(kPageOneItem, "btnSave");
    ASSERT_EQ(current_page(), kPageInbox);
  }
  void run_clock(int seconds) {
    for (int i = 0; i < seconds; ++i) {
      clock.advance_seconds(1);
      main().tmMainTimer();
    }
  }
  template <class Store>
  std::unique_ptr<Store> on_disk() {
    auto store = std::make_unique<Store>();
    store->set_folder(data_folder());
    store->reload();
    return store;
  }
};

TEST_F(RoadOfOneItemTest, FromTheInboxToADoneActionOnDisk) {
  g().settings.AutoSaveInterval = 1;
  click("lblInbox");
  collect("Call the plumber about the tap");
  collect("Renew the car insurance");
  ASSERT_EQ(rows(kPageInbox), 2);
  EXPECT_EQ(cell(kPageInbox, 0, 2), "Not Processed");
  InboxItem* item = *g().inbox.records().begin();

  // Process Now hands the item to the Process page.
  select(kPageInbox, 0);
  click(kPageInbox, "btnProcess");
  ASSERT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(control<QLineEdit>(page(kPageProcess), "edtDesc")->text(),
            "Call the plumber about the tap");
  click(kPageProcess, "rbtnActionable");
  click(kPageProcess, "rbtnAction");
  EXPECT_EQ(control<QLineEdit>(page(kPageProcess), "edtAction")->text(), "<Create New Action>");

  // Edit: the action editor on a new action made from the item; saving comes back here.
  click(kPageProcess, "btnActionEdit");
  ASSERT_EQ(current_page(), kPageOneAction);
  type(kPageOneAction, "edtName", "Phone the plumber at nine");
  click(kPageOneAction, "btnSave");
  ASSERT_EQ(current_page(), kPageProcess);
  ASSERT_EQ(g().actions.count(), 1u);
  Action* action = *g().actions.records().begin();
  EXPECT_EQ(action->source_item_id, item->id);
  EXPECT_EQ(control<QLineEdit>(page(kPageProcess), "edtAction")->text(),
            "Phone the plumber at nine");

  // Processed completely, and moving on to the other item: the first leaves the inbox.
  click(kPageProcess, "cbProcess");
  select(kPageProcess, 1);
  EXPECT_EQ(item->process_status, kProcessed);
  EXPECT_EQ(item->is_project, 0);
  click("lblHome");
  EXPECT_EQ(control<QLabel>(page(kPageHome), "lblInboxNum")->text(), "1");
  click("lblInbox");
  ASSERT_EQ(rows(kPageInbox), 1);
  EXPECT_EQ(cell(kPageInbox, 0, 0), "Renew the car insurance");

  // Done on the Actions page while the clock runs; the watcher shows it.
  click("lblAction");
  ASSERT_EQ(rows(kPageActions), 1);
  select(kPageActions, 0);
  const double started = clock.moment();
  click(kPageActions, "btnStart");
  EXPECT_EQ(g().actions.active_action(), action);
  EXPECT_EQ(main().watcher()->name_text(), "Phone the plumber at nine");
  run_clock(75);
  EXPECT_EQ(action->spent_seconds, 75);
  EXPECT_EQ(cell(kPageActions, 0, 2), "00 : 01 : 15");
  select(kPageActions, 0);
  click(kPageActions, "btnComplete");
  EXPECT_EQ(action->status, kStatusCompleted);
  EXPECT_EQ(g().actions.active_action(), nullptr);
  EXPECT_EQ(main().watcher()->name_text(), "None");
  const double completed = clock.moment();

  // Auto-save comes at the next whole minute since start-up.
  run_clock(60);
  EXPECT_FALSE(g().inbox.dirty());
  EXPECT_FALSE(g().actions.dirty());
  auto inbox = on_disk<ZorvoInboxItemMgr>();
  ASSERT_EQ(inbox->count(), 2u);
  const InboxItem* saved_item = *inbox->records().begin();
  EXPECT_EQ(saved_item->name, "Call the plumber about the tap");
  EXPECT_EQ(saved_item->process_status, kProcessed);
  EXPECT_EQ(saved_item->actionable, 1);
  auto actions = on_disk<ZorvoActionMgr>();
  ASSERT_EQ(actions->count(), 1u);
  const Action* saved = *actions->records().begin();
  EXPECT_EQ(saved->name, "Phone the plumber at nine");
  EXPECT_EQ(saved->source_item_id, saved_item->id);
  EXPECT_EQ(saved->status, kStatusCompleted);
  EXPECT_EQ(saved->spent_seconds, 75);
  EXPECT_EQ(saved->started, started);
  EXPECT_EQ(saved->completed, completed);
}

}  // namespace
