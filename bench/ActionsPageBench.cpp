// The Actions page shown over 10,000 actions, one of them running, against a bare QTreeWidget
// filled with the same rows of text and the same row colours, in the same run, headless. The
// page's list refers to the store's records: its fill costs one pointer a row, and only the rows
// in sight make their texts and colours.

#include <benchmark/benchmark.h>

#include <QTreeView>

#include "BenchMain.h"
#include "PageBench.h"
#include "app/Main.h"
#include "app/Program.h"
#include "stores/ActionRules.h"
#include "ui/Page.h"
#include "ui/PageIds.h"

namespace {

constexpr int kActions = 10000;

struct Fixture {
  Fixture() {
    Globals& g = home.program().globals();
    const int32_t statuses[] = {kStatusNotStarted, kStatusPaused, kStatusStopped, kStatusDisabled,
                                kStatusNotStarted};
    const int32_t priorities[] = {kPriorityHigh, kPriorityNormal, kPriorityLow};
    for (int i = 0; i < kActions; ++i) {
      Action a;
      a.id = i + 1;
      a.name = "Next action number " + std::to_string(i) + ": call about the invoice";
      a.status = statuses[i % 5];
      a.priority_flags = priorities[i % 3];
      a.spent_seconds = i * 7;
      if (i % 4 == 0) a.due = 46000.5 + (i % 40 - 20);  // half of them overdue
      if (i % 10 == 0) a.notes = "Ask for the signed copy";
      g.actions.add_copy(&a);
    }
    g.actions.set_active(*std::next(g.actions.records().begin(), kActions / 2), kStatusPaused);
    g.settings.ShowActionMode = kShowAllActive;
    TfmMain& main = *home.program().main_window();
    main.show_page(kPageActions, true);
    page = main.page_by_id(kPageActions);
    list = page->findChild<QTreeView*>();
    bare = std::make_unique<BareList>(*list);
  }
  ProgramInTempHome home{"actions"};
  TfmPage* page;
  QTreeView* list;
  std::unique_ptr<BareList> bare;
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_ActionsPageFill(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    f.page->sync(false);
    f.list->repaint();
  }
  state.counters["rows"] = f.list->model()->rowCount();
}

void BM_BareTreeFill(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) f.bare->fill();
  state.counters["rows"] = f.bare->rows();
}

struct Registration {
  Registration() { compare_to_baseline("BM_ActionsPageFill", "BM_BareTreeFill", 0.1); }
} registration;

}  // namespace

BENCHMARK(BM_BareTreeFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActionsPageFill)->Unit(benchmark::kMillisecond);

static const int make_app = [] {
  make_application("actions_page_bench");
  return 0;
}();
