#pragma once

#include <array>
#include <cstdint>

#include "stores/Text.h"
#include "stores/ZorvoStore.h"

// Reference material: something not actionable that is worth keeping.
struct RefItem {
  int32_t id = 0;
  int32_t state = 0;
  Text<256> name;
  int32_t context_id = 0;
  int32_t source_item_id = 0;
  Text<512> spare_a;
  Text<2048> notes;
  double created = 0;
  double modified = 0;
  SpareArray<int32_t, 10> reserved_ints;
  SpareArray<Text<10>, 10> reserved_texts;

  template <class Self, class F>
  static void stored_fields(Self& r, F& f) {
    f(r.id), f(r.state), f(r.name), f(r.context_id), f(r.source_item_id), f(r.spare_a);
    f(r.notes), f(r.created), f(r.modified), f(r.reserved_ints), f(r.reserved_texts);
  }
};

class ZorvoRefMgr : public ZorvoStore<RefItem> {
 public:
  ZorvoRefMgr() : ZorvoStore("ZorvoRef.dat") {}

  RefItem* find(int32_t id) const { return find_id(id); }
};
