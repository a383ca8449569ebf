#include "app/StoreLoader.h"

#include "app/Apputil.h"
#include "common/misc/WinUtil.h"

struct StoreLoader::Loaded {
  ZorvoInboxItemMgr inbox;
  ZorvoCtxMgr contexts;
  ZorvoProjectMgr projects;
  ZorvoActionMgr actions;
  ZorvoSomedayMgr someday;
  ZorvoRefMgr refs;
};

StoreLoader::StoreLoader(const std::string& folder) : m_loaded(std::make_unique<Loaded>()) {
  m_thread = std::thread([loaded = m_loaded.get(), folder] {
    auto load = [&folder](auto& store) {
      store.set_folder(folder);
      store.load();
    };
    // Records are many and small: the first touch of their memory is most of the reading.
    platform::prefer_large_pages_in_this_thread(true);
    load(loaded->inbox);
    load(loaded->contexts);
    load(loaded->projects);
    load(loaded->actions);
    load(loaded->someday);
    load(loaded->refs);
    platform::prefer_large_pages_in_this_thread(false);
  });
}

StoreLoader::~StoreLoader() {
  if (m_thread.joinable()) m_thread.join();
}

void StoreLoader::hand_over(Globals& g) {
  if (m_thread.joinable()) m_thread.join();
  g.inbox.take_over(m_loaded->inbox);
  g.contexts.take_over(m_loaded->contexts);
  g.projects.take_over(m_loaded->projects);
  g.actions.take_over(m_loaded->actions);
  g.someday.take_over(m_loaded->someday);
  g.refs.take_over(m_loaded->refs);
  if (!g.settings.StartLast && g.actions.active_action())
    g.actions.set_active(nullptr, kStatusPaused);
}
