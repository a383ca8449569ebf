#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "support/DoStageFixture.h"
#include "ui/Action.h"
#include "ui/PageIds.h"
#include "watcher/ZorvoActionWatcher.h"

namespace {

// Collects what a widget is asked to paint.
struct PaintWatch : QObject {
  explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QRegion region;
};

constexpr int32_t kCalls = 4;   // "@Calls", one of the default contexts
constexpr int32_t kOffice = 7;  // "@Office"

class ActionsTest : public DoStageFixture {
 protected:
  TfmAction& actions_page() { return *static_cast<TfmAction*>(page(kPageActions)); }
  void show_actions() {
    main().show_page(kPageHome, true);
    main().show_page(kPageActions, true);
  }
  QStringList listed() {
    QStringList names;
    for (int r = 0; r < rows(kPageActions); ++r) names << cell(kPageActions, r, 0);
    return names;
  }
  QComboBox* combo(const char* name) { return control<QComboBox>(page(kPageActions), name); }
  QStringList entries(const char* name) {
    QStringList texts;
    for (int i = 0; i < combo(name)->count(); ++i) texts << combo(name)->itemText(i);
    return texts;
  }
  void choose(const char* list, const QString& entry) {
    combo(list)->setCurrentIndex(combo(list)->findText(entry));
  }
  bool checked(const char* radio) {
    return control<QRadioButton>(page(kPageActions), radio)->isChecked();
  }
  QString text(const char* button) {
    return control<QPushButton>(page(kPageActions), button)->text();
  }
  QAction* menu_entry(const char* name) {
    return control<QMenu>(page(kPageActions), "pmAction")->findChild<QAction*>(name);
  }
  QColor color(int row) {
    return list(kPageActions)->model()->index(row, 0).data(Qt::ForegroundRole).value<QColor>();
  }
  QTimer* tmAction() { return control<QTimer>(page(kPageActions), "tmAction"); }
};

TEST_F(ActionsTest, EachFilterListsItsActions) {
  Project* house = add_project("Move house", kStatusNotStarted);
  Project* old = add_project("Old plans", kStatusCompleted);
  add_project("Dropped plans", kStatusDisabled);
  add("call mum", kStatusNotStarted, kTypeAsap, 0, kCalls);
  add("brief Ann", kStatusPaused, kTypeDelegated, house->id);
  add("dentist", kStatusStopped, kTypeScheduled, 0, kOffice);
  add("old idea", kStatusDisabled);
  g().actions.set_active(add("write report", 0, kTypeAsap, house->id, kCalls), kStatusPaused);
  add("fresh", 0, kTypeDelegated);
  add("filed", kStatusCompleted, kTypeAsap, house->id, kCalls);
  add("old step", kStatusNotStarted, kTypeAsap, old->id);
  show_actions();
  EXPECT_TRUE(checked("rbtnNow"));  // the filter of a first start
  EXPECT_EQ(entries("cbProject"), QStringList{"Move house"});
  EXPECT_EQ(combo("cbProject")->currentIndex(), -1);
  EXPECT_EQ(entries("cbContext").first(), "Not Specified");
  EXPECT_EQ(combo("cbContext")->currentText(), "Not Specified");
  choose("cbProject", "Move house");
  choose("cbContext", "@Calls");

  const struct {
    const char* radio;
    QStringList rows;
    bool project_list;
    bool context_list;
  } cases[] = {
      {"rbtnAll",
       {"call mum", "brief Ann", "dentist", "old idea", "write report", "fresh", "old step"},
       false,
       false},
      {"rbtnNow", {"call mum", "old idea", "write report", "old step"}, false, false},
      {"rbtnDelegated", {"brief Ann", "fresh"}, false, false},
      {"rbtnScheduled", {"dentist"}, false, false},
      {"rbtnCompleted", {"filed"}, false, false},  // never a running row
      {"rbtnByProject", {"brief Ann", "write report"}, true, false},
      {"rbtnByContext", {"call mum", "write report"}, false, true},
  };
  for (const auto& c : cases) {
    click(kPageActions, c.radio);
    EXPECT_EQ(listed(), c.rows) << c.radio;
    EXPECT_EQ(combo("cbProject")->isEnabled(), c.project_list) << c.radio;
    EXPECT_EQ(combo("cbContext")->isEnabled(), c.context_list) << c.radio;
  }
  EXPECT_EQ(g().settings.ShowActionMode, kShowByContext);
}

TEST_F(ActionsTest, TheTwoChoiceListsKeepTheirChoicesAndTheFilterOutlivesARestart) {
  Project* house = add_project("Move house", kStatusNotStarted);
  add("pack books", kStatusNotStarted, kTypeAsap, house->id);
  add("call the movers", kStatusNotStarted, kTypeAsap, house->id, kCalls);
  add("call the bank", kStatusNotStarted, kTypeAsap, 0, kCalls);
  add("file taxes", kStatusNotStarted, kTypeAsap, 0, kOffice);
  show_actions();
  click(kPageActions, "rbtnByContext");
  EXPECT_EQ(listed(), QStringList({"pack books"}));  // "Not Specified"
  choose("cbContext", "@Office");
  EXPECT_EQ(listed(), QStringList({"file taxes"}));
  choose("cbContext", "@Calls");
  click(kPageActions, "rbtnByProject");
  EXPECT_EQ(listed(), QStringList());  // no project chosen yet
  EXPECT_EQ(g().settings.ShowActionProjectID, -1);
  choose("cbProject", "Move house");
  EXPECT_EQ(listed(), QStringList({"pack books", "call the movers"}));
  click(kPageActions, "rbtnByContext");
  EXPECT_EQ(listed(), QStringList({"call the movers", "call the bank"}));
  click(kPageActions, "rbtnByProject");
  EXPECT_EQ(listed(), QStringList({"pack books", "call the movers"}));

  exit_program();
  program.reset();
  start();
  show_actions();
  EXPECT_TRUE(checked("rbtnByProject"));
  EXPECT_EQ(combo("cbProject")->currentText(), "Move house");
  EXPECT_EQ(combo("cbContext")->currentText(), "@Calls");
  EXPECT_EQ(listed(), QStringList({"pack books", "call the movers"}));
  click(kPageActions, "rbtnByContext");
  EXPECT_EQ(listed(), QStringList({"call the movers", "call the bank"}));

  // A project that is no longer offered leaves the filter without a project.
  click(kPageActions, "rbtnByProject");
  g().projects.first()->status = kStatusCompleted;
  show_actions();
  EXPECT_EQ(combo("cbProject")->count(), 0);
  EXPECT_EQ(listed(), QStringList());
  // A filter value no page offers shows "All (Active)".
  g().settings.ShowActionMode = 9;
  show_actions();
  EXPECT_TRUE(checked("rbtnAll"));
  EXPECT_EQ(rows(kPageActions), 4);
}

TEST_F(ActionsTest, RowColoursFollowPriorityAndState) {
  const double due = clock.moment();
  auto with = [](Action* a, int32_t priority, double due_time) {
    a->priority_flags = priority;
    a->due = due_time;
    return a;
  };
  with(add("high", kStatusNotStarted), kPriorityHigh, 0);
  with(add("normal", kStatusPaused), kPriorityNormal, 0);
  with(add("low, due now", kStatusNotStarted), kPriorityLow | 0x7, due);
  with(add("overdue", kStatusStopped), kPriorityLow, due - 1);
  g().actions.set_active(with(add("running, overdue", 0), kPriorityHigh, due - 1), kStatusPaused);
  with(add("no priority", kStatusDisabled), 0, 0);
  with(add("completed", kStatusCompleted), kPriorityHigh, due - 1);
  show_actions();
  click(kPageActions, "rbtnAll");
  const QColor red(255, 0, 0), black(0, 0, 0), green(0, 128, 0), blue(0, 0, 255);
  const QColor list_text;  // the list's own
  EXPECT_EQ(color(0), red);
  EXPECT_EQ(color(1), black);
  EXPECT_EQ(color(2), green);  // due this very second: not overdue yet
  EXPECT_EQ(color(3), red);
  EXPECT_EQ(color(4), blue);
  EXPECT_EQ(color(5), list_text);
  clock.advance_seconds(1);
  EXPECT_EQ(color(2), red);
  click(kPageActions, "rbtnCompleted");
  EXPECT_EQ(color(0), QColor(128, 128, 128));

  g().settings.ShowColor = false;
  click(kPageActions, "rbtnAll");
  for (int r = 0; r < rows(kPageActions); ++r) EXPECT_EQ(color(r), black) << r;
  // Colours chosen in the options are in force at the next paint.
  g().settings.ShowColor = true;
  g().settings.ActiveColor = 0x123456;
  EXPECT_EQ(color(4), QColor(0x56, 0x34, 0x12));
}

TEST_F(ActionsTest, StartPauseAndTheButtonsThatFollowTheSelection) {
  Action* a = add("draft the budget", kStatusNotStarted);
  Action* b = add("review the budget", kStatusPaused);
  b->started = 45000.25;
  add("old idea", kStatusDisabled);
  show_actions();
  auto start_state = [&] {
    return std::vector<bool>{enabled(kPageActions, "btnStart"),
                             enabled(kPageActions, "btnComplete"), enabled(kPageActions, "btnProp"),
                             menu_entry("pmiStart")->isEnabled(),
                             menu_entry("pmiComplete")->isEnabled()};
  };
  const std::vector<bool> none(5, false), all(5, true);
  EXPECT_EQ(start_state(), none);
  EXPECT_TRUE(menu_entry("pmiAdd")->isEnabled());
  select(kPageActions, 2);  // Disabled: only Details
  EXPECT_EQ(start_state(), (std::vector<bool>{false, false, true, false, false}));

  select(kPageActions, 0);
  EXPECT_EQ(start_state(), all);
  EXPECT_EQ(text("btnStart"), "Start");
  click(kPageActions, "btnStart");
  EXPECT_EQ(g().actions.active_action(), a);
  EXPECT_EQ(a->started, clock.moment());
  EXPECT_EQ(cell(kPageActions, 0, 3), "Running");
  EXPECT_EQ(start_state(), none);  // rebuilt without a selection
  EXPECT_EQ(text("btnStart"), "Start");
  select(kPageActions, 0);
  EXPECT_EQ(text("btnStart"), "Pause");
  EXPECT_EQ(menu_entry("pmiStart")->text(), "Pause Action");
  EXPECT_EQ(main().watcher()->name_text(), "draft the budget");

  // Starting B while A runs.
  select(kPageActions, 1);
  EXPECT_EQ(text("btnStart"), "Start");
  clock.advance_seconds(60);
  menu_entry("pmiStart")->trigger();
  EXPECT_EQ(cell(kPageActions, 0, 3), "Paused");
  EXPECT_EQ(cell(kPageActions, 1, 3), "Running");
  EXPECT_EQ(b->started, 45000.25);  // stamped only on the first start
  EXPECT_EQ(main().watcher()->name_text(), "review the budget");
  select(kPageActions, 1);
  EXPECT_EQ(text("btnStart"), "Pause");
  list(kPageActions)->clearSelection();
  EXPECT_EQ(text("btnStart"), "Pause");  // no selection: the caption stays

  // Pause: none runs, and the start stamp stays.
  select(kPageActions, 1);
  click(kPageActions, "btnStart");
  EXPECT_EQ(b->status, kStatusPaused);
  EXPECT_EQ(g().actions.active_action(), nullptr);
  EXPECT_EQ(b->started, 45000.25);
  EXPECT_EQ(main().watcher()->name_text(), "None");
  select(kPageActions, 1);
  EXPECT_EQ(text("btnStart"), "Start");
  EXPECT_TRUE(g().actions.dirty());
}

TEST_F(ActionsTest, CompleteARunningOrAPausedAction) {
  Action* running = add("running", kStatusNotStarted);
  Action* paused = add("paused", kStatusPaused);
  add("other", kStatusNotStarted);
  g().actions.set_active(running, kStatusPaused);
  show_actions();
  for (Action* a : {running, paused}) {
    clock.advance_seconds(30);
    select(kPageActions, 0);
    click(kPageActions, "btnComplete");
    EXPECT_EQ(a->status, kStatusCompleted);
    EXPECT_EQ(a->completed, clock.moment());
    EXPECT_EQ(g().actions.active_action(), nullptr);
  }
  EXPECT_EQ(listed(), QStringList({"other"}));
  click(kPageActions, "rbtnCompleted");
  EXPECT_EQ(listed(), QStringList({"running", "paused"}));
  select(kPageActions, 0);
  EXPECT_FALSE(enabled(kPageActions, "btnStart"));
  EXPECT_FALSE(enabled(kPageActions, "btnComplete"));
}

TEST_F(ActionsTest, OnlyTheRunningRowCountsAndOnlyWhileThePageIsShown) {
  add("before", kStatusPaused);
  Action* running = add("running", kStatusNotStarted);
  running->spent_seconds = 3599;
  add("after", kStatusNotStarted);
  g().actions.set_active(running, kStatusPaused);
  show_actions();
  EXPECT_TRUE(tmAction()->isActive());
  EXPECT_EQ(cell(kPageActions, 1, 2), "00 : 59 : 59");
  QApplication::processEvents();  // painted as shown
  QSignalSpy repainted(list(kPageActions)->model(), &QAbstractItemModel::dataChanged);
  PaintWatch painted(list(kPageActions)->viewport());
  main().tmMainTimer();
  actions_page().tmActionTimer();
  ASSERT_EQ(repainted.count(), 1);
  const QModelIndex changed = repainted[0][0].value<QModelIndex>();
  EXPECT_EQ(std::make_pair(changed.row(), changed.column()), std::make_pair(1, 2));
  EXPECT_EQ(repainted[0][1].value<QModelIndex>(), changed);
  EXPECT_EQ(cell(kPageActions, 1, 2), "01 : 00 : 00");
  QApplication::processEvents();
  EXPECT_TRUE((QRegion(list(kPageActions)->visualRect(changed)) - painted.region).isEmpty());

  // Back and Forward hide and show the page: the timer follows; leaving with commit stops it.
  click("btnBack");
  EXPECT_FALSE(tmAction()->isActive());
  click("btnForward");
  EXPECT_TRUE(tmAction()->isActive());
  click("lblHome");
  EXPECT_FALSE(tmAction()->isActive());
  click("btnBack");
  EXPECT_EQ(current_page(), kPageActions);
  EXPECT_FALSE(tmAction()->isActive());
}

TEST_F(ActionsTest, DeletingTheRunningActionLeavesNoneRunningAndNoRowCounting) {
  add("a", kStatusNotStarted);
  Action* running = add("b", kStatusNotStarted);
  add("c", kStatusNotStarted);
  g().actions.set_active(running, kStatusPaused);
  show_actions();
  tick(kPageActions, 1);
  prompts.answer(Prompts::Cancel);
  click(kPageActions, "btnDelete");
  EXPECT_EQ(prompts.messages().back().text, "Are you sure to delete the 1 selected Action record?");
  EXPECT_EQ(g().actions.active_action(), running);
  prompts.answer(Prompts::Yes);
  click(kPageActions, "btnDelete");
  EXPECT_EQ(g().actions.active_action(), nullptr);
  EXPECT_EQ(listed(), QStringList({"a", "c"}));
  EXPECT_EQ(main().watcher()->name_text(), "None");
  QSignalSpy repainted(list(kPageActions)->model(), &QAbstractItemModel::dataChanged);
  main().tmMainTimer();
  actions_page().tmActionTimer();
  EXPECT_EQ(repainted.count(), 0);
}

}  // namespace
