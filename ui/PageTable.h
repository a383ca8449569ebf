#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class TfmMain;
class TfmPage;
struct Globals;

// How the main window makes one of its pages.
struct PageSlot {
  int32_t page_id;
  std::function<TfmPage*(TfmMain&, Globals&)> make;
};

// Every page of the program in its order of creation. A page is plugged in here, and only
// here; an identifier with no slot names no page.
std::vector<PageSlot> standard_pages();
