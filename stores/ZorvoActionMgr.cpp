#include "stores/ZorvoActionMgr.h"

int32_t priority_of(int32_t priority_flags) {
  for (int32_t code : {kPriorityHigh, kPriorityNormal, kPriorityLow})
    if (priority_flags & code) return code;
  return kPriorityNormal;
}

int32_t with_priority(int32_t priority_flags, int32_t priority) {
  return (priority_flags & 0xFFFF) | priority;
}

const char* status_text(int32_t status) {
  switch (status) {
    case kStatusRunning:
      return "Running";
    case kStatusPaused:
      return "Paused";
    case kStatusStopped:
      return "Stopped";
    case kStatusDisabled:
      return "Disabled";
    case kStatusCompleted:
      return "Completed";
    default:
      return "Not Started";
  }
}

bool is_open_status(int32_t status) {
  return status != kStatusCompleted && status != kStatusDisabled;
}

ZorvoActionMgr::ZorvoActionMgr() : ZorvoStore("ZorvoAct.dat") {
  // The cache must never outlive the record it names.
  m_forget_active = listen_removal([this](const Action* action) {
    if (!action || action == m_active) m_active = nullptr;
  });
}

Action* ZorvoActionMgr::active_action() {
  if (m_active && m_active->status == kStatusRunning) return m_active;
  m_active = nullptr;
  for (Action* a : records()) {
    if (a->status == kStatusRunning) {
      m_active = a;
      break;
    }
  }
  return m_active;
}

Action* ZorvoActionMgr::count_second() {
  Action* running = active_action();
  if (running) {
    ++running->spent_seconds;
    set_dirty();
  }
  return running;
}

void ZorvoActionMgr::set_active(Action* action, int32_t previous_status) {
  // Look the running action up first: a stale cache must not leave two actions running.
  if (action == active_action()) return;
  if (m_active) m_active->status = previous_status;
  if (action) action->status = kStatusRunning;
  m_active = action;
}

void ZorvoActionMgr::init_new(Action& action) {
  action.priority_flags = with_priority(action.priority_flags, kPriorityNormal);
}

void ZorvoActionMgr::stored_copy(const Action* original, Action* copy) {
  // A new action made running in the editor runs on as the stored copy.
  if (original == m_active) m_active = copy;
}
