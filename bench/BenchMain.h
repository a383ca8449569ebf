#pragma once

#include <functional>
#include <string>

// Names a benchmark's baseline: after the run, the ratio of the two is printed with `target`
// (the largest ratio we accept) beside it.
void compare_to_baseline(const std::string& name, const std::string& baseline, double target);

// A figure worked out and printed after the run (memory per record and the like).
void report_figure(std::function<std::string()> figure);

// A benchmark that measures fresh processes runs this program again as its child, with `flag`
// on the command line; the child then runs `run` instead of the benchmarks.
void register_child_mode(const char* flag, int (*run)(int argc, char** argv));
