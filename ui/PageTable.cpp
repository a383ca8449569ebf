#include "ui/PageTable.h"

#include "ui/Home.h"
#include "ui/PageIds.h"

namespace {

template <class Page>
PageSlot slot(int32_t id) {
  return {id, [](TfmMain& main, Globals& g) -> TfmPage* { return new Page(main, g); }};
}

}  // namespace

std::vector<PageSlot> standard_pages() {
  return {
      slot<TfmHome>(kPageHome),
  };
}
