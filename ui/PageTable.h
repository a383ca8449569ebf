#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class Navigator;
class TfmPage;
struct Globals;

// How the main window makes one of its pages: the page is given the navigator and, of the
// program's objects, only the stores and settings it uses.
struct PageSlot {
  int32_t page_id;
  std::function<TfmPage*(Navigator&, Globals&)> make;
};

// Every page of the program in its order of creation. A page is plugged in here, and only
// here; an identifier with no slot names no page.
std::vector<PageSlot> standard_pages();
