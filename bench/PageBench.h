#pragma once

// What the benchmarks of a list page share: the whole program started headless on a data folder
// of its own, its page shown over many records, and the bare list the page is measured against.

#include <cstdint>
#include <functional>

struct Globals;

// Registers two benchmarks, compared in the same run with `target` as the largest ratio
// accepted: `page_bench`, the page `page_id` filled and painted over the records that `fill`
// stores, and BM_BareTreeFill, a bare QTreeWidget of the same size, columns and rows of text
// (check boxes and text colours included), copied out of the page's list once. The bare list
// makes its cell texts from plain strings on every fill, as any list of stored text must; both
// lists are painted once, as a show does. Also makes the application object the widgets need,
// headless unless the environment names a platform.
void register_page_fill(const char* program_name, const char* page_bench, int32_t page_id,
                        std::function<void(Globals&)> fill, double target);
