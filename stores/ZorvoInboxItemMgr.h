#pragma once

#include <array>
#include <cstdint>

#include "stores/Text.h"
#include "stores/ZorvoStore.h"

// Inbox processing status.
constexpr int32_t kNotProcessed = 0;
constexpr int32_t kProcessing = 1;
constexpr int32_t kProcessed = 2;

// Something the user collected and has not yet decided on.
struct InboxItem {
  int32_t id = 0;
  int32_t state = 0;
  Text<256> name;
  int32_t actionable = 0;  // 1: something can be done about it
  int32_t process_status = 0;
  int32_t spare_a = 0;
  int32_t is_project = 0;  // 0: a one-step next action, 1: a multi-step project
  Text<1024> spare_b;
  int32_t someday_id = 0;    // the someday/maybe record made from it
  int32_t reference_id = 0;  // the reference record made from it
  int32_t trashed = 0;
  Text<2048> notes;
  double created = 0;
  double modified = 0;
  SpareArray<int32_t, 10> reserved_ints;
  SpareArray<Text<10>, 10> reserved_texts;

  template <class Self, class F>
  static void stored_fields(Self& r, F& f) {
    f(r.id), f(r.state), f(r.name), f(r.actionable), f(r.process_status), f(r.spare_a);
    f(r.is_project), f(r.spare_b), f(r.someday_id), f(r.reference_id), f(r.trashed);
    f(r.notes), f(r.created), f(r.modified), f(r.reserved_ints), f(r.reserved_texts);
  }
};

class ZorvoInboxItemMgr : public ZorvoStore<InboxItem> {
 public:
  ZorvoInboxItemMgr() : ZorvoStore("ZorvoInbox.dat") {}

 protected:
  void init_new(InboxItem& item) override {
    item.actionable = 1;
    item.process_status = kNotProcessed;
  }
};
