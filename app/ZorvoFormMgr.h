#pragma once

#include <cstdint>

#include "common/misc/CxList.h"

// What the page history needs of a page: to be shown or hidden.
class PageView {
 public:
  virtual ~PageView() = default;
  virtual void set_page_visible(bool visible) = 0;
};

// The history behind Back and Forward: every page shown so far, each at most once, in the
// order of its last visit (oldest first), and the page shown now. Back and Forward move the
// current page along the history without reordering it.
class ZorvoFormMgr {
 public:
  ZorvoFormMgr() = default;
  ZorvoFormMgr(const ZorvoFormMgr&) = delete;
  ZorvoFormMgr& operator=(const ZorvoFormMgr&) = delete;
  virtual ~ZorvoFormMgr();

  // Moves the page's entry to the end of the history (making one on a first visit) and makes
  // it the current page.
  bool record_visit(int32_t page_id, PageView* page);
  // Shows the page, hides every other page of the history, and makes it the current page.
  void show_entry(int32_t page_id, PageView* page);
  bool can_go_back();
  bool can_go_forward();
  bool go_back();
  bool go_forward();

  PageView* current_page() const { return m_current; }
  int32_t current_page_id() const { return m_current_id; }

 private:
  struct Entry {
    int32_t page_id;
    PageView* page;
  };

  CxList<Entry> m_history;
  PageView* m_current = nullptr;
  int32_t m_current_id = 0;
};
