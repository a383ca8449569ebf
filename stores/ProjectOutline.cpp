#include "stores/ProjectOutline.h"

#include <unordered_map>

std::vector<Action*> steps_of(const ZorvoActionMgr& actions, int32_t project_id) {
  std::vector<Action*> steps;
  for (Action* a : actions.records())
    if (a->project_id == project_id) steps.push_back(a);
  return steps;
}

const char* step_status_text(int32_t status) {
  switch (status) {
    case kStatusRunning:
    case kStatusCompleted:
    case kStatusPaused:
    case kStatusStopped:
      return status_text(status);
    default:
      return "Not Started";
  }
}

const char* step_priority_text(int32_t priority_flags) {
  if (priority_flags & kPriorityHigh) return "High";
  if (priority_flags & kPriorityLow) return "Low";
  return "Normal";
}

void ProjectOutline::rebuild(const ZorvoProjectMgr& projects, const ZorvoActionMgr& actions) {
  m_projects.clear();
  m_projects.reserve(projects.count());
  std::unordered_map<int32_t, uint32_t> branch_of;
  branch_of.reserve(projects.count());
  for (Project* p : projects.records()) {
    branch_of.try_emplace(p->id, static_cast<uint32_t>(m_projects.size()));
    m_projects.push_back(p);
  }
  // The walk over the store lists the actions first; their projects are then read with the
  // records a few places ahead already on their way from memory, which is what a large store
  // spends its time waiting for. The steps are laid out project by project from that list.
  constexpr uint32_t kSimple = UINT32_MAX;
  constexpr std::size_t kAhead = 8;
  m_walk.clear();
  m_walk.reserve(actions.count());
  for (Action* action : actions.records()) m_walk.push_back({action, kSimple});
  m_first_step.assign(m_projects.size() + 1, 0);
  std::size_t simple = 0;
  for (std::size_t i = 0; i < m_walk.size(); ++i) {
    if (i + kAhead < m_walk.size()) __builtin_prefetch(m_walk[i + kAhead].action);
    Placed& p = m_walk[i];
    auto found = p.action->project_id == 0 ? branch_of.end() : branch_of.find(p.action->project_id);
    p.branch = found == branch_of.end() ? kSimple : found->second;
    if (p.branch == kSimple)
      ++simple;
    else
      ++m_first_step[p.branch + 1];
  }
  for (std::size_t i = 1; i < m_first_step.size(); ++i) m_first_step[i] += m_first_step[i - 1];
  m_steps.resize(m_first_step.back());
  m_simple.clear();
  m_simple.reserve(simple);
  m_next.assign(m_first_step.begin(), m_first_step.end() - 1);
  for (const Placed& p : m_walk) {
    if (p.branch == kSimple)
      m_simple.push_back(p.action);
    else
      m_steps[m_next[p.branch]++] = p.action;
  }
}
