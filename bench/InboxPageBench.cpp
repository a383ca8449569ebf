// The Inbox page shown over 100,000 items against a bare QTreeWidget filled with the same
// 100,000 rows of text (check boxes included), in the same run, headless. The bare list makes its
// cell texts from plain strings on every fill, as any list of stored text must; both lists are
// painted once, as a show does. The page's list is a view over the store's records, so its fill
// costs one pointer a row and only the rows in sight make their texts.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>
#include <QTreeWidget>

#include "BenchMain.h"
#include "app/Main.h"
#include "app/Program.h"
#include "common/misc/WinUtil.h"
#include "ui/Page.h"
#include "ui/PageIds.h"

#include <filesystem>

namespace {

constexpr int kItems = 100000;

struct Fixture {
  Fixture() {
    home = std::filesystem::temp_directory_path() / ("zorvo-inbox-" + platform::unique_suffix());
    std::filesystem::create_directories(home);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.string()));
    program = std::make_unique<Program>();
    program->start();
    Globals& g = program->globals();
    for (int i = 0; i < kItems; ++i) {
      InboxItem item;
      item.name = "Inbox item number " + std::to_string(i) + ": call about the invoice";
      item.modified = 46000.25 + i / 1440.0;
      if (i % 10 == 0) item.notes = "Ask for the signed copy";
      g.inbox.add_copy(&item);
    }
    TfmMain& main = *program->main_window();
    main.show_page(kPageInbox, false);
    inbox = main.page_by_id(kPageInbox);
    list = inbox->findChild<QTreeView*>();
    // The bare list: the same size, columns and rows, in a window of its own.
    bare.setColumnCount(4);
    bare.setHeaderLabels({"Description", "Update Time", "Status", "Notes"});
    bare.resize(list->size());
    bare.show();
    const QAbstractItemModel* shown = list->model();
    for (int i = 0; i < shown->rowCount(); ++i) {
      std::vector<std::string> row;
      for (int c = 0; c < 4; ++c) row.push_back(shown->index(i, c).data().toString().toStdString());
      rows.push_back(row);
    }
  }
  ~Fixture() {
    program->main_window()->exit_without_questions();
    program.reset();
    std::filesystem::remove_all(home);
  }
  std::filesystem::path home;
  std::unique_ptr<Program> program;
  TfmPage* inbox;
  QTreeView* list;
  QTreeWidget bare;
  std::vector<std::vector<std::string>> rows;
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
  for (auto _ : state) {
    f.bare.clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(f.rows.size()));
    for (const auto& row : f.rows) {
      QStringList cells;
      for (const std::string& text : row) cells << QString::fromStdString(text);
      auto* item = new QTreeWidgetItem(cells);
      item->setCheckState(0, Qt::Unchecked);
      items.append(item);
    }
    f.bare.addTopLevelItems(items);
    f.bare.repaint();
  }
  state.counters["rows"] = f.bare.topLevelItemCount();
}

struct Registration {
  Registration() { compare_to_baseline("BM_InboxPageFill", "BM_BareTreeFill", 0.1); }
} registration;

}  // namespace

BENCHMARK(BM_BareTreeFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InboxPageFill)->Unit(benchmark::kMillisecond);

// The widgets need an application object before any benchmark runs.
static const int make_app = [] {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "inbox_page_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return 0;
}();
