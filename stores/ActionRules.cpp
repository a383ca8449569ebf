#include "stores/ActionRules.h"

namespace {

// Stops a running action, which then has `status`. The store switches it off when it is the
// action the store counts; a second action with the status Running (only a file written
// elsewhere holds one) is simply given the status, so that the one being counted runs on.
void stop(ZorvoActionMgr& store, Action& action, int32_t status) {
  if (store.active_action() == &action)
    store.set_active(nullptr, status);
  else
    action.status = status;
}

}  // namespace

bool is_listed(const Action& action, const ActionFilter& filter) {
  const bool completed = action.status == kStatusCompleted;
  switch (filter.mode) {
    case kShowAllActive:
      return !completed;
    case kShowAsap:
      return !completed && action.action_type == kTypeAsap;
    case kShowDelegated:
      return !completed && action.action_type == kTypeDelegated;
    case kShowScheduled:
      return !completed && action.action_type == kTypeScheduled;
    case kShowCompleted:
      return completed;
    case kShowByProject:
      return !completed && action.project_id == filter.project_id;
    case kShowByContext:
      return !completed && action.context_id == filter.context_id;
    default:
      return false;
  }
}

RowShade row_shade(const Action& action, bool show_color, double moment) {
  if (!show_color) return RowShade::Black;
  if (action.status == kStatusCompleted) return RowShade::Completed;
  if (action.status == kStatusRunning) return RowShade::Running;
  if (action.due != 0 && moment > action.due) return RowShade::Overdue;
  if (action.priority_flags & kPriorityHigh) return RowShade::High;
  if (action.priority_flags & kPriorityNormal) return RowShade::Normal;
  if (action.priority_flags & kPriorityLow) return RowShade::Low;
  return RowShade::ListText;
}

void switch_running(ZorvoActionMgr& store, Action& action) {
  if (action.status == kStatusRunning)
    stop(store, action, kStatusPaused);
  else
    store.set_active(&action, kStatusPaused);
  store.mark_dirty();
}

void start_or_pause(ZorvoActionMgr& store, Action& action, double moment) {
  if (action.started == 0) action.started = moment;
  switch_running(store, action);
}

void complete_action(ZorvoActionMgr& store, Action& action, double moment) {
  if (action.status == kStatusRunning)
    stop(store, action, kStatusCompleted);
  else
    action.status = kStatusCompleted;
  action.completed = moment;
  store.mark_dirty();
}

void save_status(ZorvoActionMgr& store, Action& action, int32_t status) {
  if (action.status == kStatusRunning && status != kStatusRunning)
    stop(store, action, status);
  else if (status == kStatusRunning && action.status != kStatusRunning)
    store.set_active(&action, kStatusPaused);
  else
    action.status = status;
  if (status == kStatusStopped) action.spent_seconds = 0;
}

ReminderInput reminder_input(const Action& action) {
  return {action.due, action.remind, action.remind_lead, action.remind_unit};
}

void reschedule_if_changed(ZorvoAlarmMgr& alarms, Action& action, const ReminderInput& before) {
  if (reminder_input(action) != before) alarms.reschedule(action);
}
