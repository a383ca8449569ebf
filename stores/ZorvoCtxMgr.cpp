#include "stores/ZorvoCtxMgr.h"

namespace {

constexpr const char* kDefaultContexts[] = {
    ".Project", "@Agendas", "@Anywhere", "@Calls",    "@Emails",         "@Home",
    "@Office",  "@Out",     "@Wait For", "@Web",      "@Someday/Maybe",
};

}  // namespace

bool ZorvoCtxMgr::create_defaults() {
  clear();
  for (const char* name : kDefaultContexts) {
    std::unique_ptr<Context> context = create();
    if (!context) continue;
    context->name = name;
    add_copy(context.get());
  }
  save_if_dirty();
  return true;
}

bool ZorvoCtxMgr::open_failed() {
  create_defaults();
  set_dirty();
  return true;
}
