// The Review page shown over 1,000 projects with 10 actions each and 10,000 simple actions,
// against a bare QTreeWidget that holds the same nodes (texts and pictures, the two groups
// expanded), in the same run, headless; and the same page over ten times the data, which should
// cost at most twelve times as much. A show builds the tree afresh from the stores, chooses the
// group of projects and fills the list of all projects; both sides are painted once, as a show
// does. The bare tree makes its texts from plain strings on every fill, as any tree of stored
// text must.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>
#include <QTreeWidget>
#include <filesystem>

#include "BenchMain.h"
#include "app/Main.h"
#include "app/Program.h"
#include "common/misc/WinUtil.h"
#include "ui/Page.h"
#include "ui/PageIds.h"
#include "ui/Pictures.h"

namespace {

constexpr int kProjects = 1000;
constexpr int kStepsPerProject = 10;
constexpr int kSimpleActions = 10000;

// The texts of the tree, as the bare tree is filled from them.
struct Texts {
  std::vector<std::string> projects;
  std::vector<std::vector<std::string>> steps;
  std::vector<std::string> simple;
};

struct Fixture {
  Fixture() {
    home = std::filesystem::temp_directory_path() / ("zorvo-review-" + platform::unique_suffix());
    std::filesystem::create_directories(home);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.string()));
    program = std::make_unique<Program>();
    program->start();
    TfmMain& main = *program->main_window();
    main.show_page(kPageReview, false);
    review = main.page_by_id(kPageReview);
    tree = review->findChild<QTreeView*>("tvData");
    bare.setHeaderHidden(true);
    bare.setUniformRowHeights(true);
    bare.setIconSize(QSize(24, 24));
    bare.resize(tree->size());
    bare.show();
    using pictures::ReviewNode;
    group_icon = QIcon(pictures::review_node(ReviewNode::Group));
    project_icon = QIcon(pictures::review_node(ReviewNode::Project));
    action_icon = QIcon(pictures::review_node(ReviewNode::Action));
  }
  ~Fixture() {
    program->main_window()->exit_without_questions();
    program.reset();
    std::filesystem::remove_all(home);
  }

  // The stores hold `scale` times the data, read from their files as a start of the program
  // reads them.
  void use_scale(int scale) {
    if (scale == m_scale) return;
    m_scale = scale;
    Globals& g = program->globals();
    texts = {};
    {
      Globals written;
      written.use_folder(g.folder);
      for (int p = 0; p < kProjects * scale; ++p) {
        Project project;
        project.id = p + 1;
        project.name = "Project " + std::to_string(p) + ": renovate the kitchen";
        texts.projects.push_back(project.name.c_str());
        written.projects.add_copy(&project);
        texts.steps.emplace_back();
        for (int s = 0; s < kStepsPerProject; ++s) {
          Action step;
          step.project_id = project.id;
          step.name = "Step " + std::to_string(s) + " of project " + std::to_string(p) +
                      ": call the supplier";
          texts.steps.back().push_back(step.name.c_str());
          written.actions.add_copy(&step);
        }
      }
      for (int a = 0; a < kSimpleActions * scale; ++a) {
        Action simple;
        simple.name = "Simple action " + std::to_string(a) + ": answer the letter";
        texts.simple.push_back(simple.name.c_str());
        written.actions.add_copy(&simple);
      }
      save_all_stores(written);
    }
    load_all_stores(g);
  }

  void show_page() {
    review->sync(false);
    review->repaint();
  }

  void fill_bare() {
    bare.clear();
    auto item = [](const std::string& text, const QIcon& icon) {
      auto* i = new QTreeWidgetItem(QStringList{QString::fromStdString(text)});
      i->setIcon(0, icon);
      return i;
    };
    QTreeWidgetItem* projects = item("All Projects", group_icon);
    QTreeWidgetItem* simple = item("All Simple Actions", group_icon);
    QList<QTreeWidgetItem*> project_items;
    project_items.reserve(static_cast<qsizetype>(texts.projects.size()));
    for (std::size_t p = 0; p < texts.projects.size(); ++p) {
      QTreeWidgetItem* project = item(texts.projects[p], project_icon);
      QList<QTreeWidgetItem*> steps;
      for (const std::string& step : texts.steps[p]) steps.append(item(step, action_icon));
      project->addChildren(steps);
      project_items.append(project);
    }
    projects->addChildren(project_items);
    QList<QTreeWidgetItem*> simple_items;
    simple_items.reserve(static_cast<qsizetype>(texts.simple.size()));
    for (const std::string& text : texts.simple) simple_items.append(item(text, action_icon));
    simple->addChildren(simple_items);
    bare.addTopLevelItems({projects, simple});
    projects->setExpanded(true);
    simple->setExpanded(true);
    bare.setCurrentItem(projects);
    bare.repaint();
  }

  std::filesystem::path home;
  std::unique_ptr<Program> program;
  TfmPage* review;
  QTreeView* tree;
  QTreeWidget bare;
  QIcon group_icon, project_icon, action_icon;
  Texts texts;

 private:
  int m_scale = 0;
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void count_nodes(benchmark::State& state, const Fixture& f) {
  std::size_t nodes = 2 + f.texts.projects.size() + f.texts.simple.size();
  for (const auto& steps : f.texts.steps) nodes += steps.size();
  state.counters["nodes"] = static_cast<double>(nodes);
}

void bare_tree(benchmark::State& state, int scale) {
  Fixture& f = fixture();
  f.use_scale(scale);
  for (auto _ : state) f.fill_bare();
  count_nodes(state, f);
}

void review_page(benchmark::State& state, int scale) {
  Fixture& f = fixture();
  f.use_scale(scale);
  for (auto _ : state) f.show_page();
  count_nodes(state, f);
}

// What any show of the actions costs at the least: one walk over the action store that reads
// each action's project. It tells how much of the page's growth comes from the memory the
// records lie in rather than from the page.
void store_walk(benchmark::State& state, int scale) {
  Fixture& f = fixture();
  f.use_scale(scale);
  for (auto _ : state) {
    int64_t sum = 0;
    for (const Action* a : f.program->globals().actions.records()) sum += a->project_id;
    benchmark::DoNotOptimize(sum);
  }
}

void BM_ActionStoreWalk(benchmark::State& state) {
  store_walk(state, 1);
}
void BM_ActionStoreWalk10x(benchmark::State& state) {
  store_walk(state, 10);
}
void BM_BareReviewTree(benchmark::State& state) {
  bare_tree(state, 1);
}
void BM_ReviewPageShow(benchmark::State& state) {
  review_page(state, 1);
}
void BM_BareReviewTree10x(benchmark::State& state) {
  bare_tree(state, 10);
}
void BM_ReviewPageShow10x(benchmark::State& state) {
  review_page(state, 10);
}

struct Registration {
  Registration() {
    compare_to_baseline("BM_ReviewPageShow", "BM_BareReviewTree", 1.5);
    compare_to_baseline("BM_ReviewPageShow10x", "BM_ReviewPageShow", 12);
    compare_to_baseline("BM_BareReviewTree10x", "BM_BareReviewTree", 12);
    compare_to_baseline("BM_ActionStoreWalk10x", "BM_ActionStoreWalk", 12);
  }
} registration;

}  // namespace

BENCHMARK(BM_BareReviewTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReviewPageShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActionStoreWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareReviewTree10x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReviewPageShow10x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActionStoreWalk10x)->Unit(benchmark::kMillisecond);

// The widgets need an application object before any benchmark runs.
static const int make_app = [] {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "review_page_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return 0;
}();
