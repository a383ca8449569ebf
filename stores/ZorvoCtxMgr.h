#pragma once

#include <array>
#include <cstdint>

#include "stores/Text.h"
#include "stores/ZorvoStore.h"

// A place, tool or situation an action needs ("@Calls", "@Office").
struct Context {
  int32_t id = 0;
  int32_t state = 0;
  Text<256> name;
  int32_t spare_a = 0;
  Text<2048> notes;
  double created = 0;
  double modified = 0;
  SpareArray<int32_t, 10> reserved_ints;
  SpareArray<Text<10>, 10> reserved_texts;

  template <class Self, class F>
  static void stored_fields(Self& r, F& f) {
    f(r.id), f(r.state), f(r.name), f(r.spare_a), f(r.notes), f(r.created), f(r.modified);
    f(r.reserved_ints), f(r.reserved_texts);
  }
};

class ZorvoCtxMgr : public ZorvoStore<Context> {
 public:
  ZorvoCtxMgr() : ZorvoStore("ZorvoCtx.dat") {}

  // Replaces the contents with the default contexts and saves them.
  bool create_defaults();
  Context* find(int32_t id) const { return find_id(id); }

 protected:
  // A first start (or an unreadable file) gets the default set, kept dirty so that it is
  // written again with the next save.
  bool open_failed() override;
};
