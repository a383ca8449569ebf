#include "support/FakeNavigator.h"

#include <gtest/gtest.h>

void FakeNavigator::add(int32_t page_id, TfmPage* page) {
  m_pages[page_id] = page;
}

FakeNavigator::~FakeNavigator() {
  for (auto& [id, page] : m_pages) delete page;
}

void FakeNavigator::show_page(int32_t page_id, bool commit) {
  TfmPage* left = page_by_id(current);
  if (commit && left && !left->sync(true)) return;
  TfmPage* target = page_by_id(page_id);
  if (!target || page_id == current) return;
  target->sync(false);
  if (left) left->set_page_visible(false);
  target->set_page_visible(true);
  current = page_id;
  shown.push_back(page_id);
}

TfmPage* FakeNavigator::page_by_id(int32_t page_id) const {
  auto it = m_pages.find(page_id);
  return it == m_pages.end() ? nullptr : it->second;
}

void FakeNavigator::wrong_page(int32_t page_id, const char* wanted) {
  ADD_FAILURE() << "page " << page_id << " was asked for what it does not do: " << wanted;
}
