#pragma once

#include <cstdint>
#include <vector>

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoProjectMgr.h"

// Projects and their steps as the pages that organize them see them. A project keeps no list of
// its actions: its steps are the actions whose project_id is its id.

// The steps of the project with this identifier, in action store order.
std::vector<Action*> steps_of(const ZorvoActionMgr& actions, int32_t project_id);

// How the project editor lists a step: its status as Running, Completed, Paused or Stopped, and
// as Not Started for every other value (a disabled step among them); its priority as High when
// the High bit is set, else Low when the Low bit is, else Normal.
const char* step_status_text(int32_t status);
const char* step_priority_text(int32_t priority_flags);

// Every project with its steps, and the simple actions: those that name no project, or a
// project that is not there (it was removed, and its actions stay).
struct ProjectOutline {
  struct Branch {
    Project* project;
    std::vector<Action*> steps;  // in action store order
  };
  std::vector<Branch> projects;  // in project store order
  std::vector<Action*> simple_actions;
};

// Made in one pass over each store: an action finds its project by identifier through a hash
// table. Should two projects share an identifier, the first holds the steps.
ProjectOutline outline_projects(const ZorvoProjectMgr& projects, const ZorvoActionMgr& actions);
