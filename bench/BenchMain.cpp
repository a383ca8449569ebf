#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <vector>

namespace {

struct Comparison {
  std::string name, baseline;
  double target;
};

std::vector<Comparison>& comparisons() {
  static std::vector<Comparison> c;
  return c;
}

struct ChildMode {
  const char* flag;
  int (*run)(int, char**);
};

std::vector<ChildMode>& child_modes() {
  static std::vector<ChildMode> m;
  return m;
}

std::vector<std::function<std::string()>>& figures() {
  static std::vector<std::function<std::string()>> f;
  return f;
}

// Keeps the time per iteration of every benchmark as it is reported.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && r.iterations > 0)
        times[r.run_name.function_name] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

void compare_to_baseline(const std::string& name, const std::string& baseline, double target) {
  comparisons().push_back({name, baseline, target});
}

void report_figure(std::function<std::string()> figure) {
  figures().push_back(std::move(figure));
}

void register_child_mode(const char* flag, int (*run)(int argc, char** argv)) {
  child_modes().push_back({flag, run});
}

int main(int argc, char** argv) {
  for (const ChildMode& m : child_modes())
    for (int i = 1; i < argc; ++i)
      if (std::string(argv[i]) == m.flag) return m.run(argc, argv);
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  for (const Comparison& c : comparisons()) {
    auto a = reporter.times.find(c.name), b = reporter.times.find(c.baseline);
    if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) continue;
    double ratio = a->second / b->second;
    std::printf("%-28s / %-28s = %5.2fx  (target within %.2fx: %s)\n", c.name.c_str(),
                c.baseline.c_str(), ratio, c.target, ratio <= c.target ? "met" : "MISSED");
  }
  for (const auto& figure : figures()) std::printf("%s\n", figure().c_str());
  benchmark::Shutdown();
  return 0;
}
