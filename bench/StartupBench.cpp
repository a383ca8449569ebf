// Start-up to the Home page shown, as the user meets it: a fresh process that starts the
// program (application object, settings, pages, stores, watcher, Home page) and shows its
// window. Measured with an empty data folder against one that holds 10,000 records in every
// store, in the same run. Headless by default; under xvfb-run with QT_QPA_PLATFORM=xcb it
// includes a real window system.
//
// Each sample is one child process of this program (`startup_bench --start-once`), which
// reports the time from its first instruction to the window shown.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "BenchMain.h"
#include "app/Main.h"
#include "app/Program.h"
#include "common/misc/WinUtil.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 10000;

// A data home of its own for each case, removed at exit.
struct DataHome {
  explicit DataHome(const char* name) {
    path = fs::temp_directory_path() / ("zorvo-startup-" + platform::unique_suffix() + name);
    fs::create_directories(path / "morvane" / "Zorvo-Wizard");
  }
  ~DataHome() { fs::remove_all(path); }
  std::string folder() const { return (path / "morvane" / "Zorvo-Wizard").string() + "/"; }
  fs::path path;
};

template <class Store, class Shape>
void fill(const std::string& folder, Shape shape) {
  Store store;
  store.set_folder(folder);
  for (int i = 0; i < kRecords; ++i) {
    typename Store::Record r;
    r.id = i + 1;
    r.name = "Record number " + std::to_string(i);
    shape(r, i);
    store.add_copy(&r);
  }
  store.save();
}

void fill_every_store(const std::string& folder) {
  auto none = [](auto&, int) {};
  fill<ZorvoInboxItemMgr>(folder, none);
  fill<ZorvoCtxMgr>(folder, none);
  fill<ZorvoProjectMgr>(folder, none);
  fill<ZorvoActionMgr>(folder, [](Action& a, int i) {
    a.status = i % 5 ? kStatusNotStarted : kStatusCompleted;
    a.notes = "Notes of an action";
  });
  fill<ZorvoSomedayMgr>(folder, [](SomedayItem& s, int i) { s.when = 46000.0 + i; });
  fill<ZorvoRefMgr>(folder, none);
}

// One start in a child process; its own measure of the time to the window shown.
double start_once_ns(const DataHome& home) {
  static const std::string self = fs::read_symlink("/proc/self/exe").string();
  std::string command = "XDG_DATA_HOME='" + home.path.string() + "' '" + self + "' --start-once";
  std::FILE* child = popen(command.c_str(), "r");
  if (!child) return 0;
  double ns = 0;
  if (std::fscanf(child, "%lf", &ns) != 1) ns = 0;
  pclose(child);
  return ns;
}

void start_up(benchmark::State& state, const DataHome& home) {
  for (auto _ : state) {
    double ns = start_once_ns(home);
    if (ns <= 0) state.SkipWithError("the program did not start");
    state.SetIterationTime(ns / 1e9);
  }
}

void BM_StartEmpty(benchmark::State& state) {
  static DataHome home("-empty");
  start_up(state, home);
}

void BM_StartFull(benchmark::State& state) {
  static DataHome home("-full");
  static bool filled = (fill_every_store(home.folder()), true);
  (void)filled;
  start_up(state, home);
}

// The child: start the program, wait for its window, report, and end it.
int start_once(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  Program program;
  if (!program.start()) return 1;
  if (!QTest::qWaitForWindowExposed(program.main_window())) return 1;
  std::printf("%lld\n", static_cast<long long>(clock.nsecsElapsed()));
  std::fflush(stdout);
  program.main_window()->exit_without_questions();
  return 0;
}

struct Registration {
  Registration() {
    compare_to_baseline("BM_StartFull", "BM_StartEmpty", 1.25);
    register_child_mode("--start-once", start_once);
  }
} registration;

}  // namespace

BENCHMARK(BM_StartEmpty)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(15);
BENCHMARK(BM_StartFull)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(15);
