#include "stores/OpenWork.h"

OpenWork count_open_work(const ZorvoInboxItemMgr& inbox, const ZorvoProjectMgr& projects,
                         const ZorvoActionMgr& actions) {
  OpenWork work;
  for (const InboxItem* i : inbox.records())
    if (i->process_status == kNotProcessed || i->process_status == kProcessing)
      ++work.waiting_items;
  for (const Project* p : projects.records())
    if (is_open_status(p->status)) ++work.open_projects;
  for (const Action* a : actions.records()) {
    if (is_open_status(a->status)) ++work.open_actions;
    if (!work.running && a->status == kStatusRunning) work.running = a;
  }
  return work;
}
