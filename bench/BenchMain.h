#pragma once

#include <functional>
#include <string>

// Names a benchmark's baseline: after the run, the ratio of the two is printed with `target`
// (the largest ratio we accept) beside it.
void compare_to_baseline(const std::string& name, const std::string& baseline, double target);

// A figure worked out and printed after the run (memory per record and the like).
void report_figure(std::function<std::string()> figure);
