#include "support/ProgramFixture.h"
#include "ui/PageIds.h"

namespace {

class TimerTest : public ProgramFixture {
 protected:
  void SetUp() override {
    start(pages_with_stubs({kPageProcess, kPageAlarm}));
    control<QTimer>("tmMain")->stop();  // the test ticks by hand
  }
  void TearDown() override { exit_program(); }

  void add_inbox_item() {
    InboxItem item;
    item.name = "call back";
    g().inbox.add_copy(&item);
  }
  // Runs `seconds` ticks; the clock moves with them. `each(tick)` runs after every tick.
  template <class F>
  void run(int seconds, F each) {
    for (int i = 0; i < seconds; ++i) {
      clock.advance_seconds(1);
      main().tmMainTimer();
      each(main().tick_count());
    }
  }
  void run(int seconds) {
    run(seconds, [](uint32_t) {});
  }
};

TEST_F(TimerTest, AutoSaveComesEveryIntervalCountedFromStartUp) {
  for (int interval : {1, 5}) {
    g().settings.AutoSaveInterval = interval;
    uint32_t start_tick = main().tick_count();
    std::vector<uint32_t> saves;
    add_inbox_item();
    run(3600, [&](uint32_t tick) {
      if (!g().inbox.dirty()) {
        saves.push_back(tick - start_tick);
        add_inbox_item();
      }
    });
    ASSERT_EQ(saves.size(), 3600u / (60u * interval)) << interval;
    for (std::size_t i = 0; i < saves.size(); ++i)
      EXPECT_EQ(saves[i], (i + 1) * 60u * interval) << interval;
  }
  ZorvoInboxItemMgr on_disk;
  on_disk.set_folder(data_folder());
  on_disk.reload();
  EXPECT_EQ(on_disk.count(), g().inbox.count() - 1);  // all but the item added after the last save
}

TEST_F(TimerTest, WithoutAutoSaveNothingIsSavedBeforeExit) {
  g().settings.AutoSave = false;
  add_inbox_item();
  run(3600);
  EXPECT_TRUE(g().inbox.dirty());
  EXPECT_FALSE(file_exists(data_file("ZorvoInbox.dat")));
}

TEST_F(TimerTest, TheRunningActionGainsASecondEveryTickAlsoWhileHidden) {
  Action a;
  a.name = "write";
  Action* running = g().actions.add_copy(&a);
  g().actions.set_active(running, kStatusPaused);
  g().actions.save();
  main().close();
  EXPECT_FALSE(ended());
  run(3600);
  EXPECT_EQ(running->spent_seconds, 3600);
  EXPECT_TRUE(g().actions.dirty());
  EXPECT_EQ(running->state, kStateStored);  // counting does not touch the record
}

TEST_F(TimerTest, ADueReminderBringsTheWindowBackOnTheRemindersPage) {
  Action a;
  a.name = "pay the rent";
  a.remind = 1;
  a.remind_lead = 30;
  a.remind_unit = kUnitMinutes;
  a.due = clock.moment() + 45.0 / 1440;  // reminder 15 minutes from now
  g().actions.add_copy(&a);
  click("lblPlan");
  main().close();
  const uint32_t start_tick = main().tick_count();
  uint32_t shown_at = 0;
  run(3600, [&](uint32_t tick) {
    if (!shown_at && current_page() == kPageAlarm) shown_at = tick - start_tick;
  });
  // Checked once a minute; the reminder time is 15 minutes away.
  EXPECT_EQ(shown_at, 15u * 60u);
  EXPECT_EQ(stub(kPageAlarm)->return_page(), kPageProcess);
  EXPECT_TRUE(main().isVisible());
  EXPECT_FALSE(main().isMinimized());
}

TEST_F(TimerTest, AnEditorThatRefusesKeepsTheRemindersAwayButTheWindowComesBack) {
  Action a;
  a.remind = 1;
  a.remind_lead = 1;
  a.remind_unit = kUnitMinutes;
  a.due = clock.moment();  // due at once
  g().actions.add_copy(&a);
  click("lblPlan");
  stub(kPageProcess)->refuse = true;
  main().close();
  run(60);
  EXPECT_EQ(current_page(), kPageProcess);
  EXPECT_TRUE(main().isVisible());
  EXPECT_FALSE(main().isMinimized());
  stub(kPageProcess)->refuse = false;
  run(60);  // checked again the next minute
  EXPECT_EQ(current_page(), kPageAlarm);
}

}  // namespace
