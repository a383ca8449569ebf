// Saves a picture of every page, filled with a few realistic items, to look at what the user
// sees: page_screenshots <folder>. Run it under xvfb-run with QT_QPA_PLATFORM=xcb for the real
// window system's fonts and styles, or headless.

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <cmath>
#include <filesystem>
#include <iterator>

#include "app/Main.h"
#include "app/Program.h"
#include "stores/ActionRules.h"
#include "support/TempFolder.h"
#include "ui/PageIds.h"
#include "watcher/ZorvoActionWatcher.h"

namespace {

template <class Store, class Fill>
void add(Store& store, const char* name, Fill fill) {
  auto r = store.create();
  r->name = name;
  fill(*r);
  store.add_copy(r.get());
  store.discard(std::move(r));
}

void add_projects(Globals& g) {
  add(g.projects, "Renovate the kitchen", [](Project& p) {
    p.outcome = "A kitchen we like to cook in, finished before the summer";
    p.notes = "Budget agreed with Sam.\r\nKeep the old oak table.";
  });
  add(g.projects, "Plan the summer holiday in Portugal", [](Project&) {});
  const struct {
    const char* name;
    int32_t project, status, priority, type;
  } steps[] = {
      {"Get three quotes for the new cupboards", 1, kStatusCompleted, kPriorityNormal, 0},
      {"Choose the tiles with Sam", 1, kStatusNotStarted, kPriorityHigh, 0},
      {"Book the electrician", 1, kStatusPaused, kPriorityNormal, kTypeScheduled},
      {"Order the sink and the taps", 1, kStatusDisabled, kPriorityLow, 0},
      {"Compare flights to Lisbon", 2, kStatusNotStarted, kPriorityNormal, 0},
      {"Ask Anna about the house in Sintra", 2, kStatusNotStarted, kPriorityNormal, kTypeDelegated},
      {"Renew the passports", 0, kStatusNotStarted, kPriorityHigh, 0},
      {"Reply to the neighbours about the fence", 0, kStatusNotStarted, kPriorityNormal, 0},
  };
  for (const auto& s : steps)
    add(g.actions, s.name, [&s](Action& a) {
      a.project_id = s.project;
      a.status = s.status;
      a.priority_flags = s.priority;
      a.action_type = s.type;
      if (s.type == kTypeDelegated) a.delegate = "Anna";
      if (s.type == kTypeScheduled) a.scheduled = 46010.375;
      a.notes = "Before the end of the month.";
    });
}

// Actions of every status and priority, a few of them overdue, beside the running one.
void add_actions(Globals& g) {
  const double today = std::floor(now());
  const struct {
    const char* name;
    int32_t status;
    int32_t priority;
    double due;  // days from today; 0: none
    int32_t spent_seconds;
    const char* notes;
  } actions[] = {
      {"Call the plumber about the leaking tap", kStatusNotStarted, kPriorityHigh, 0.4, 0, ""},
      {"Renew the car insurance", kStatusPaused, kPriorityNormal, -2.5, 1820,
       "Compare at least three offers."},
      {"Return the library books", kStatusNotStarted, kPriorityLow, -0.25, 0, ""},
      {"Book flights for the conference in Lisbon", kStatusStopped, kPriorityHigh, 6.75, 0,
       "Window seat"},
      {"Sort the photos of the summer trip", kStatusDisabled, kPriorityLow, 0, 5400, ""},
      {"Send the signed contract to Anna", kStatusNotStarted, kPriorityNormal, 1.5, 0, ""},
      {"Pay the electricity bill", kStatusCompleted, kPriorityNormal, -1, 300, "Paid online"},
  };
  for (const auto& a : actions) {
    add(g.actions, a.name, [&](Action& r) {
      r.status = a.status;
      r.priority_flags = with_priority(r.priority_flags, a.priority);
      r.due = a.due == 0 ? 0 : today + 0.5 + a.due;
      r.spent_seconds = a.spent_seconds;
      r.notes = a.notes;
      r.context_id = 4;
    });
  }
}

void fill_stores(Globals& g) {
  auto none = [](auto&) {};
  add(g.inbox, "Call the plumber about the leaking tap", none);
  add(g.inbox, "Renew the car insurance before March",
      [](InboxItem& i) { i.notes = "Compare at least three offers."; });
  add(g.inbox, "Idea: a reading corner in the living room",
      [](InboxItem& i) { i.process_status = kProcessing; });
  add(g.inbox, "Return the library books", none);
  add(g.inbox, "Book flights for the conference in Lisbon", none);
  for (Context* c : g.contexts.records())
    if (c->name == "@Calls") c->notes = "Phone calls I can make anywhere with my mobile.";
  add(g.someday, "Learn to play the cello", [](SomedayItem& s) { s.when = 46100.75; });
  add(g.someday, "Visit Iceland in winter", [](SomedayItem& s) {
    s.when = 46400.0;
    s.remind = 1;
    s.remind_lead = 2;
    s.remind_unit = kUnitDays;
    s.notes = "Northern lights season: November to February.";
  });
  add(g.someday, "Write a short story", [](SomedayItem& s) { s.when = 46210.5; });
  add(g.refs, "Tax return 2025, final version", [](RefItem& r) {
    r.context_id = 7;
    r.notes = "Filed on 15 April; copy in the blue folder.";
  });
  add(g.refs, "Wi-Fi password of the cottage", [](RefItem& r) { r.context_id = 6; });
  add(g.refs, "Warranty of the washing machine", [](RefItem& r) { r.notes = "Until 2028."; });
  add(g.actions, "Draft the quarterly budget review for the board",
      [](Action& a) { a.spent_seconds = 3725; });
  g.actions.set_active(*g.actions.records().begin(), kStatusPaused);
  add_projects(g);
  add_actions(g);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QDir out(argc > 1 ? argv[1] : ".");
  TempFolder home(true);
  Program program;
  if (!program.start()) return 1;
  TfmMain& main = *program.main_window();
  fill_stores(program.globals());
  auto shoot = [&](int32_t page, const char* file) {
    main.show_page(page, false);
    QTest::qWait(50);
    main.grab().save(out.filePath(file));
  };
  shoot(kPageInbox, "inbox.png");
  shoot(kPageHome, "home.png");
  shoot(kPageTools, "tools.png");
  shoot(kPageOptions, "options.png");
  shoot(kPageContexts, "contexts.png");
  shoot(kPageSomeday, "someday.png");
  shoot(kPageRef, "reference.png");
  shoot(kPageProcess, "process.png");
  shoot(kPageReview, "review.png");
  Globals& g = program.globals();
  auto edit = [&](int32_t editor, auto* record, int32_t back, const char* file) {
    main.open_editor(editor, record, back);
    QTest::qWait(50);
    main.grab().save(out.filePath(file));
  };
  auto second = [](const auto& store) { return *std::next(store.records().begin()); };
  edit(kPageOneItem, second(g.inbox), kPageInbox, "item-editor.png");
  edit(kPageOneContext, g.contexts.find(4), kPageContexts, "context-editor.png");
  edit(kPageOneSomeday, second(g.someday), kPageSomeday, "someday-editor.png");
  edit(kPageOneRef, *g.refs.records().begin(), kPageRef, "reference-editor.png");
  edit(kPageOneProject, *g.projects.records().begin(), kPageReview, "project-editor.png");
  main.show_page(kPageReview, false);
  auto* tree = main.page_by_id(kPageReview)->findChild<QTreeView*>("tvData");
  tree->setCurrentIndex(tree->model()->index(0, 0, tree->model()->index(0, 0)));
  QTest::qWait(50);
  main.grab().save(out.filePath("review-project.png"));
  tree->setCurrentIndex(
      tree->model()->index(1, 0, tree->model()->index(0, 0, tree->model()->index(0, 0))));
  QTest::qWait(50);
  main.grab().save(out.filePath("review-action.png"));
  // Reminders: two actions and an item due, beside the item of the winter trip.
  auto remind = [](auto& r, int32_t lead, int32_t unit) {
    r.remind = 1;
    r.remind_lead = lead;
    r.remind_unit = unit;
  };
  const double t = now();
  add(g.actions, "Send the signed contract to the notary", [&](Action& a) {
    a.due = t + 90.0 / 1440;
    a.started = t - 2.5 / 24;
    remind(a, 2, kUnitHours);
  });
  add(g.actions, "Pick up the dry cleaning", [&](Action& a) {
    a.due = t - 2.13;
    remind(a, 15, kUnitMinutes);
  });
  add(g.someday, "Look at the evening class catalogue", [&](SomedayItem& s) {
    s.when = t + 10.0 / 1440;
    remind(s, 15, kUnitMinutes);
  });
  g.alarms.collect_action_reminders();
  g.alarms.collect_someday_reminders();
  main.check_reminders();
  QTest::qWait(50);
  main.grab().save(out.filePath("reminders.png"));
  g.settings.ShowActionMode = kShowAllActive;
  shoot(kPageActions, "actions.png");
  edit(kPageOneAction, second(g.actions), kPageActions, "action-editor.png");
  main.page_by_id(kPageOneAction)->findChild<QTabWidget*>("pMain")->setCurrentIndex(1);
  main.open_running_action();
  QTest::qWait(50);
  main.grab().save(out.filePath("action-editor-time.png"));
  main.watcher()->grab().save(out.filePath("watcher.png"));
  main.exit_without_questions();
  return 0;
}
