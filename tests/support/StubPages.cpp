#include "support/StubPages.h"

#include <algorithm>

#include "ui/PageIds.h"

std::vector<PageSlot> pages_with_stubs(const std::vector<int32_t>& stubbed) {
  static const struct {
    int32_t id;
    const char* form_class;
  } all[] = {
      {kPageHome, "TfmHome"},
      {kPageInbox, "TfmInbox"},
      {kPageProcess, "TfmPlan"},
      {kPageReview, "TfmReview"},
      {kPageActions, "TfmAction"},
      {kPageTools, "TfmTool"},
      {kPageOneItem, "TfmOneItem"},
      {kPageOneAction, "TfmOneAction"},
      {kPageOneProject, "TfmOneProject"},
      {kPageOptions, "TfmOption"},
      {kPageContexts, "TfmContext"},
      {kPageOneContext, "TfmOneContext"},
      {kPageSomeday, "TfmSomeday"},
      {kPageOneSomeday, "TfmOneSomeday"},
      {kPageRef, "TfmRef"},
      {kPageOneRef, "TfmOneRef"},
      {kPageAlarm, "TfmAlarm"},
  };
  std::vector<PageSlot> built = standard_pages();
  std::vector<PageSlot> pages;
  for (const auto& p : all) {
    auto it = std::find_if(built.begin(), built.end(),
                           [&](const PageSlot& s) { return s.page_id == p.id; });
    const bool stub = std::find(stubbed.begin(), stubbed.end(), p.id) != stubbed.end();
    if (it != built.end() && !stub) {
      pages.push_back(*it);
      continue;
    }
    const char* name = p.form_class;
    pages.push_back(
        {p.id, [name](Navigator& nav, Globals&) -> TfmPage* { return new StubPage(nav, name); }});
  }
  return pages;
}
