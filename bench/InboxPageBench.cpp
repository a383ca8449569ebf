// The Inbox page shown over 100,000 items against a bare QTreeWidget filled with the same
// 100,000 rows, in the same run, headless. The page's list is a view over the store's records,
// so its fill costs one pointer a row and only the rows in sight make their texts.

#include <string>

#include "PageBench.h"
#include "app/Apputil.h"
#include "ui/PageIds.h"

namespace {

void fill_inbox(Globals& g) {
  for (int i = 0; i < 100000; ++i) {
    InboxItem item;
    item.name = "Inbox item number " + std::to_string(i) + ": call about the invoice";
    item.modified = 46000.25 + i / 1440.0;
    if (i % 10 == 0) item.notes = "Ask for the signed copy";
    g.inbox.add_copy(&item);
  }
}

const int registered = [] {
  register_page_fill("inbox_page_bench", "BM_InboxPageFill", kPageInbox, fill_inbox, 0.1);
  return 0;
}();

}  // namespace
