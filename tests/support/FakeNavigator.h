#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/Navigator.h"

// Stands in for the main window around a few real pages: switches between them the way the
// main window does (the page left may commit or refuse, the page shown fills itself), records
// what it is asked, and fails the test when a page is asked for what it does not do.
class FakeNavigator : public Navigator {
 public:
  // The navigator owns the page.
  void add(int32_t page_id, TfmPage* page);
  ~FakeNavigator() override;

  void show_page(int32_t page_id, bool commit) override;
  TfmPage* page_by_id(int32_t page_id) const override;
  void restore_main_window() override { ++restored; }
  void open_running_action() override { ++running_opened; }
  void request_exit() override { ++exits; }

  int32_t current = 0;
  std::vector<int32_t> shown;  // every page shown, in order
  int restored = 0;
  int running_opened = 0;
  int exits = 0;

 protected:
  void wrong_page(int32_t page_id, const char* wanted) override;

 private:
  std::map<int32_t, TfmPage*> m_pages;
};
