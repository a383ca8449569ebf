#pragma once

#include <vector>

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "ui/Page.h"
#include "ui/PageTable.h"

// Stands in for a page that is not built yet: counts its fills and commits, and can refuse to
// be left. The stand-ins for the action editor and the reminders page also take what their
// openers hand them.
class StubPage : public TfmPage,
                 public ReturnsToPage,
                 public EditsRecord<Action>,
                 public EditsRecord<InboxItem> {
 public:
  StubPage(TfmMain& main, Globals& g, const char* name) : TfmPage(main, g, name) {}
  bool sync(bool commit) override {
    ++(commit ? commits : fills);
    return !(commit && refuse);
  }
  void edit_record(Action* record) override { edited = record; }
  void edit_record(InboxItem* item) override { edited_item = item; }

  int fills = 0;
  int commits = 0;
  bool refuse = false;
  Action* edited = nullptr;
  InboxItem* edited_item = nullptr;
};

// The program's pages, with a stand-in for every page identifier that has no page yet.
std::vector<PageSlot> pages_with_stubs();
