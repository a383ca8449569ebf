// The Inbox page shown over 100,000 items against a bare QTreeWidget filled with the same
// 100,000 rows of text (check boxes included), in the same run, headless. The bare list makes its
// cell texts from plain strings on every fill, as any list of stored text must; both lists are
// painted once, as a show does. The page's list is a view over the store's records, so its fill
// costs one pointer a row and only the rows in sight make their texts.

#include <benchmark/benchmark.h>

#include <QTreeView>

#include "BenchMain.h"
#include "PageBench.h"
#include "app/Main.h"
#include "app/Program.h"
#include "ui/Page.h"
#include "ui/PageIds.h"

namespace {

constexpr int kItems = 100000;

struct Fixture {
  Fixture() {
    Globals& g = home.program().globals();
    for (int i = 0; i < kItems; ++i) {
      InboxItem item;
      item.name = "Inbox item number " + std::to_string(i) + ": call about the invoice";
      item.modified = 46000.25 + i / 1440.0;
      if (i % 10 == 0) item.notes = "Ask for the signed copy";
      g.inbox.add_copy(&item);
    }
    TfmMain& main = *home.program().main_window();
    main.show_page(kPageInbox, false);
    inbox = main.page_by_id(kPageInbox);
    list = inbox->findChild<QTreeView*>();
    bare = std::make_unique<BareList>(*list);
  }
  ProgramInTempHome home{"inbox"};
  TfmPage* inbox;
  QTreeView* list;
  std::unique_ptr<BareList> bare;
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_InboxPageFill(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    f.inbox->sync(false);
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
  Registration() { compare_to_baseline("BM_InboxPageFill", "BM_BareTreeFill", 0.1); }
} registration;

}  // namespace

BENCHMARK(BM_BareTreeFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InboxPageFill)->Unit(benchmark::kMillisecond);

static const int make_app = [] {
  make_application("inbox_page_bench");
  return 0;
}();
