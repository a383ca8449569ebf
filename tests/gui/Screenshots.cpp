// Saves a picture of every page, filled with a few realistic items, to look at what the user
// sees: page_screenshots <folder>. Run it under xvfb-run with QT_QPA_PLATFORM=xcb for the real
// window system's fonts and styles, or headless.

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
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
