#pragma once

#include <array>
#include <cstdint>

#include "stores/Text.h"
#include "stores/ZorvoStore.h"

// An outcome that takes more than one action; its steps are the actions whose project_id is
// the project's id. The record shares the shape of the action record's head, so most of its
// slots are spare: kept and written back as they were.
struct Project {
  int32_t id = 0;
  int32_t state = 0;
  SpareArray<int32_t, 4> spare_a;
  int32_t status = 0;  // an action status code; Completed or Disabled close the project
  int32_t spare_b = 0;
  int32_t source_item_id = 0;  // the inbox item it was made from
  int32_t spare_c = 0;
  Text<512> name;
  Text<512> outcome;
  SpareArray<int32_t, 3> spare_d;
  SpareArray<double, 3> spare_e;
  SpareArray<int32_t, 4> spare_f;
  Text<256> spare_g;
  SpareArray<int32_t, 5> spare_h;
  SpareArray<double, 2> spare_i;
  SpareArray<int32_t, 5> spare_j;
  Text<2048> notes;
  double created = 0;
  double modified = 0;
  SpareArray<int32_t, 10> reserved_ints;
  SpareArray<Text<10>, 10> reserved_texts;

  template <class Self, class F>
  static void stored_fields(Self& r, F& f) {
    f(r.id), f(r.state), f(r.spare_a), f(r.status), f(r.spare_b), f(r.source_item_id);
    f(r.spare_c), f(r.name), f(r.outcome), f(r.spare_d), f(r.spare_e), f(r.spare_f);
    f(r.spare_g), f(r.spare_h), f(r.spare_i), f(r.spare_j), f(r.notes), f(r.created);
    f(r.modified), f(r.reserved_ints), f(r.reserved_texts);
  }
};

class ZorvoProjectMgr : public ZorvoStore<Project> {
 public:
  ZorvoProjectMgr() : ZorvoStore("ZorvoProj.dat") {}
};
