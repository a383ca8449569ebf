#include "PageBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>
#include <QTreeWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BenchMain.h"
#include "app/Main.h"
#include "app/Program.h"
#include "common/misc/WinUtil.h"
#include "ui/Page.h"

namespace {

// The program on an empty data folder, removed when it ends, with one page shown over the
// records `fill` stores, and the bare list beside it.
class PageFixture {
 public:
  PageFixture(const std::string& name, int32_t page_id, const std::function<void(Globals&)>& fill) {
    m_home = std::filesystem::temp_directory_path() /
             ("zorvo-" + name + "-" + platform::unique_suffix());
    std::filesystem::create_directories(m_home);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(m_home.string()));
    m_program = std::make_unique<Program>();
    m_program->start();
    fill(m_program->globals());
    TfmMain& main = *m_program->main_window();
    main.show_page(page_id, true);
    page = main.page_by_id(page_id);
    list = page->findChild<QTreeView*>();
    copy_rows();
  }
  ~PageFixture() {
    m_program->main_window()->exit_without_questions();
    m_program.reset();
    std::filesystem::remove_all(m_home);
  }

  void fill_bare_list() {
    m_bare.clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const Row& row : m_rows) {
      QStringList cells;
      for (const std::string& text : row.texts) cells << QString::fromStdString(text);
      auto* item = new QTreeWidgetItem(cells);
      item->setCheckState(0, Qt::Unchecked);
      if (row.color.isValid())
        for (int c = 0; c < cells.size(); ++c) item->setForeground(c, row.color);
      items.append(item);
    }
    m_bare.addTopLevelItems(items);
    m_bare.repaint();
  }
  int bare_rows() const { return m_bare.topLevelItemCount(); }

  TfmPage* page;
  QTreeView* list;

 private:
  struct Row {
    std::vector<std::string> texts;
    QColor color;
  };

  void copy_rows() {
    const QAbstractItemModel* shown = list->model();
    QStringList titles;
    for (int c = 0; c < shown->columnCount(); ++c)
      titles << shown->headerData(c, Qt::Horizontal).toString();
    m_bare.setColumnCount(static_cast<int>(titles.size()));
    m_bare.setHeaderLabels(titles);
    for (int c = 0; c < shown->columnCount(); ++c) m_bare.setColumnWidth(c, list->columnWidth(c));
    m_bare.resize(list->size());
    m_bare.show();
    for (int r = 0; r < shown->rowCount(); ++r) {
      Row row;
      for (int c = 0; c < shown->columnCount(); ++c)
        row.texts.push_back(shown->index(r, c).data().toString().toStdString());
      row.color = shown->index(r, 0).data(Qt::ForegroundRole).value<QColor>();
      m_rows.push_back(std::move(row));
    }
  }

  std::filesystem::path m_home;
  std::unique_ptr<Program> m_program;
  QTreeWidget m_bare;
  std::vector<Row> m_rows;
};

}  // namespace

void register_page_fill(const char* program_name, const char* page_bench, int32_t page_id,
                        std::function<void(Globals&)> fill, double target) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static std::string name = program_name;
  static char* argv[] = {name.data(), nullptr};
  static QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  // Made at the first benchmark, after the application object, and gone before it.
  auto fixture = [=] {
    static PageFixture f(name, page_id, fill);
    return &f;
  };
  benchmark::RegisterBenchmark("BM_BareTreeFill", [=](benchmark::State& state) {
    PageFixture& f = *fixture();
    for (auto _ : state) f.fill_bare_list();
    state.counters["rows"] = f.bare_rows();
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(page_bench, [=](benchmark::State& state) {
    PageFixture& f = *fixture();
    for (auto _ : state) {
      f.page->sync(false);
      f.list->repaint();
    }
    state.counters["rows"] = f.list->model()->rowCount();
  })->Unit(benchmark::kMillisecond);
  compare_to_baseline(page_bench, "BM_BareTreeFill", target);
}
