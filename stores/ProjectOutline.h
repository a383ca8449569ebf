#pragma once

#include <cstdint>
#include <span>
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
// project that is not there (it was removed, and its actions stay). The steps of all projects
// lie in one array, project after project; made again, an outline reuses its memory, so that
// the Review page builds it on every show without asking for more.
class ProjectOutline {
 public:
  // Made in linear time: an action finds its project by identifier through a hash table.
  // Should two projects share an identifier, the first holds the steps.
  void rebuild(const ZorvoProjectMgr& projects, const ZorvoActionMgr& actions);

  // In project store order.
  const std::vector<Project*>& projects() const { return m_projects; }
  // The steps of projects()[i], in action store order.
  std::span<Action* const> steps(std::size_t i) const {
    return {m_steps.data() + m_first_step[i], m_first_step[i + 1] - m_first_step[i]};
  }
  std::size_t step_count() const { return m_steps.size(); }
  // In action store order.
  const std::vector<Action*>& simple_actions() const { return m_simple; }

 private:
  struct Placed {
    Action* action;
    uint32_t branch;
  };

  std::vector<Project*> m_projects;
  std::vector<Action*> m_steps;
  std::vector<std::size_t> m_first_step{0};  // m_projects.size() + 1 bounds into m_steps
  std::vector<Action*> m_simple;
  std::vector<Placed> m_walk;  // where the walk over the actions placed each one
  std::vector<std::size_t> m_next;
};
