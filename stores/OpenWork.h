#pragma once

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "stores/ZorvoProjectMgr.h"

// What still waits for the user, as the Home page sums it up.
struct OpenWork {
  int waiting_items = 0;            // inbox items not processed completely
  int open_projects = 0;            // neither Completed nor Disabled
  int open_actions = 0;             // neither Completed nor Disabled, of every type and project
  const Action* running = nullptr;  // the first running action in store order
};

OpenWork count_open_work(const ZorvoInboxItemMgr& inbox, const ZorvoProjectMgr& projects,
                         const ZorvoActionMgr& actions);
