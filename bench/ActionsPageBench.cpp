// The Actions page shown over 10,000 actions, one of them running, against a bare QTreeWidget
// filled with the same rows of text and the same row colours, in the same run, headless. The
// page's list refers to the store's records: its fill costs one pointer a row, and only the rows
// in sight make their texts and colours.

#include <iterator>
#include <string>

#include "PageBench.h"
#include "app/Apputil.h"
#include "stores/ActionRules.h"
#include "ui/PageIds.h"

namespace {

constexpr int kActions = 10000;

void fill_actions(Globals& g) {
  const int32_t statuses[] = {kStatusNotStarted, kStatusPaused, kStatusStopped, kStatusDisabled,
                              kStatusNotStarted};
  const int32_t priorities[] = {kPriorityHigh, kPriorityNormal, kPriorityLow};
  for (int i = 0; i < kActions; ++i) {
    Action a;
    a.id = i + 1;
    a.name = "Next action number " + std::to_string(i) + ": call about the invoice";
    a.status = statuses[i % 5];
    a.priority_flags = priorities[i % 3];
    a.spent_seconds = i * 7;
    if (i % 4 == 0) a.due = 46000.5 + (i % 40 - 20);  // half of them overdue
    if (i % 10 == 0) a.notes = "Ask for the signed copy";
    g.actions.add_copy(&a);
  }
  g.actions.set_active(*std::next(g.actions.records().begin(), kActions / 2), kStatusPaused);
  g.settings.ShowActionMode = kShowAllActive;
}

const int registered = [] {
  register_page_fill("actions_page_bench", "BM_ActionsPageFill", kPageActions, fill_actions, 0.1);
  return 0;
}();

}  // namespace
