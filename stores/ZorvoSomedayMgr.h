#pragma once

#include <array>
#include <cstdint>

#include "stores/ReminderUnits.h"
#include "stores/Text.h"
#include "stores/ZorvoStore.h"

// Something the user may do later; it comes up again at `when`, with an optional reminder.
struct SomedayItem {
  int32_t id = 0;
  int32_t state = 0;
  Text<256> name;
  int32_t context_id = 0;
  int32_t source_item_id = 0;
  double when = 0;
  int32_t remind = 0;
  int32_t remind_lead = 0;
  int32_t remind_unit = 0;
  int32_t spare_a = 0;
  Text<256> spare_b;
  double reminder_time = 0;  // the scheduler's; on file, but 0 after every load
  Text<2048> notes;
  double created = 0;
  double modified = 0;
  SpareArray<int32_t, 10> reserved_ints;
  SpareArray<Text<10>, 10> reserved_texts;

  template <class Self, class F>
  static void stored_fields(Self& r, F& f) {
    f(r.id), f(r.state), f(r.name), f(r.context_id), f(r.source_item_id), f(r.when);
    f(r.remind), f(r.remind_lead), f(r.remind_unit), f(r.spare_a), f(r.spare_b);
    f(r.reminder_time), f(r.notes), f(r.created), f(r.modified), f(r.reserved_ints);
    f(r.reserved_texts);
  }
};

class ZorvoSomedayMgr : public ZorvoStore<SomedayItem> {
 public:
  ZorvoSomedayMgr() : ZorvoStore("ZorvoSD.dat") {}

  SomedayItem* find(int32_t id) const { return find_id(id); }

 protected:
  // Every switched-on reminder is scheduled afresh after a start.
  void after_read(SomedayItem& item) override { item.reminder_time = 0; }
};
