#pragma once

#include <vector>

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "ui/Page.h"
#include "ui/PageTable.h"

// Stands in for a page that is not built yet: counts its fills and commits, and can refuse to
// be left. It takes what the openers of the action editor, the Process page and the reminders
// page hand them.
class StubPage : public TfmPage,
                 public ReturnsToPage,
                 public EditsRecord<Action>,
                 public TakesRecord<InboxItem> {
 public:
  StubPage(Navigator& nav, const char* name) : TfmPage(nav, name) {}
  bool sync(bool commit) override {
    ++(commit ? commits : fills);
    return !(commit && refuse);
  }
  void edit(RecordToEdit<Action> record, int32_t return_page) override {
    m_action = std::move(record);
    set_return_page(return_page);
  }
  void take_record(InboxItem* item) override { taken_item = item; }
  Action* edited_action() const { return m_action.get(); }

  int fills = 0;
  int commits = 0;
  bool refuse = false;
  InboxItem* taken_item = nullptr;

 private:
  RecordToEdit<Action> m_action{nullptr};
};

// The program's pages, with a stand-in for every page identifier that has no page yet and for
// the pages named in `stubbed` (a test that watches what other pages hand to a page, or how
// often it is filled, says which).
std::vector<PageSlot> pages_with_stubs(const std::vector<int32_t>& stubbed = {});
