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

ProjectOutline outline_projects(const ZorvoProjectMgr& projects, const ZorvoActionMgr& actions) {
  ProjectOutline outline;
  outline.projects.reserve(projects.count());
  std::unordered_map<int32_t, std::size_t> branch_of;
  branch_of.reserve(projects.count());
  for (Project* p : projects.records()) {
    branch_of.try_emplace(p->id, outline.projects.size());
    outline.projects.push_back({p, {}});
  }
  for (Action* a : actions.records()) {
    auto found = a->project_id == 0 ? branch_of.end() : branch_of.find(a->project_id);
    if (found == branch_of.end())
      outline.simple_actions.push_back(a);
    else
      outline.projects[found->second].steps.push_back(a);
  }
  return outline;
}
