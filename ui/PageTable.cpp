#include "ui/PageTable.h"

#include "ui/Context.h"
#include "ui/Home.h"
#include "ui/Inbox.h"
#include "ui/Onecontext.h"
#include "ui/Oneitem.h"
#include "ui/Oneref.h"
#include "ui/Onesomeday.h"
#include "ui/Option.h"
#include "ui/PageIds.h"
#include "ui/Ref.h"
#include "ui/Someday.h"
#include "ui/Tool.h"

namespace {

template <class Page>
PageSlot slot(int32_t id) {
  return {id, [](TfmMain& main, Globals& g) -> TfmPage* { return new Page(main, g); }};
}

}  // namespace

std::vector<PageSlot> standard_pages() {
  return {
      slot<TfmHome>(kPageHome),         slot<TfmInbox>(kPageInbox),
      slot<TfmTool>(kPageTools),        slot<TfmOneItem>(kPageOneItem),
      slot<TfmOption>(kPageOptions),    slot<TfmContext>(kPageContexts),
      slot<TfmOneContext>(kPageOneContext), slot<TfmSomeday>(kPageSomeday),
      slot<TfmOneSomeday>(kPageOneSomeday), slot<TfmRef>(kPageRef),
      slot<TfmOneRef>(kPageOneRef),
  };
}
