#include "app/ZorvoFormMgr.h"

#include <new>

ZorvoFormMgr::~ZorvoFormMgr() { m_history.RemoveAll(true); }

bool ZorvoFormMgr::record_visit(int32_t page_id, PageView* page) {
  if (!page) return false;
  Entry* entry = nullptr;
  for (Entry* e = m_history.GetFirst(); e; e = m_history.GetNext()) {
    if (e->page_id == page_id) {
      entry = e;
      break;
    }
  }
  if (entry) {
    m_history.Remove(entry, false);
    entry->page = page;
  } else {
    entry = new (std::nothrow) Entry{page_id, page};
    if (!entry) return false;
  }
  m_history.Add(entry);
  m_current = page;
  m_current_id = page_id;
  return true;
}

void ZorvoFormMgr::show_entry(int32_t page_id, PageView* page) {
  for (Entry* e = m_history.GetFirst(); e; e = m_history.GetNext())
    if (e->page != page) e->page->set_page_visible(false);
  page->set_page_visible(true);
  m_current = page;
  m_current_id = page_id;
}

bool ZorvoFormMgr::can_go_back() {
  Entry* head = m_history.GetFirst();
  return m_current && head && head->page != m_current;
}

bool ZorvoFormMgr::can_go_forward() {
  Entry* tail = m_history.GetLast();
  return m_current && tail && tail->page != m_current;
}

bool ZorvoFormMgr::go_back() {
  if (!can_go_back()) return false;
  for (Entry* e = m_history.GetLast(); e; e = m_history.GetPrev()) {
    if (e->page != m_current) continue;
    Entry* before = m_history.GetPrev();
    if (!before) return false;
    show_entry(before->page_id, before->page);
    return true;
  }
  return false;
}

bool ZorvoFormMgr::go_forward() {
  if (!can_go_forward()) return false;
  for (Entry* e = m_history.GetFirst(); e; e = m_history.GetNext()) {
    if (e->page != m_current) continue;
    Entry* after = m_history.GetNext();
    if (!after) return false;
    show_entry(after->page_id, after->page);
    return true;
  }
  return false;
}
