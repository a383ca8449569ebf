#pragma once

#include <cstdint>

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoAlarmMgr.h"

// The rules of the do stage that are not about widgets: which actions the Actions page lists
// under each filter, how a row is coloured, what Start, Pause and Complete do, and what saving
// an action in its editor does to the running action and to its reminder.

// The Actions page's filters, as the setting ShowActionMode holds them.
enum ActionFilterMode : int32_t {
  kShowAllActive = 0,
  kShowAsap = 1,
  kShowDelegated = 2,
  kShowScheduled = 3,
  kShowCompleted = 4,
  kShowByProject = 5,
  kShowByContext = 6,
};

struct ActionFilter {
  int32_t mode = kShowAsap;
  int32_t project_id = 0;  // the project of "By Project:"
  int32_t context_id = 0;  // the context of "By Context" (0: "Not Specified")
};

// Whether the filter lists the action. "Completed" lists only completed actions, every other
// filter only the others; a mode outside the seven lists nothing.
bool is_listed(const Action& action, const ActionFilter& filter);

// Which colour setting a row is drawn in.
enum class RowShade {
  ListText,  // the list's own text colour: colours on, but no priority bit set
  Black,     // colours off
  High,
  Normal,
  Low,
  Completed,
  Running,
  Overdue,
};

// Completed, else Running, else overdue (a due time that `moment` has passed: due exactly now
// is not overdue yet), else the priority's colour, tested High, Normal, Low.
RowShade row_shade(const Action& action, bool show_color, double moment);

// Start or Pause as the Actions page does it: the first start stamps `started`; a running
// action pauses and then none runs; any other action runs and the one running before pauses.
// The store is marked changed, so the switch survives an exit even before the next second is
// counted.
void start_or_pause(ZorvoActionMgr& store, Action& action, double moment);
// Start or Pause as the action editor's button does it: the same switch, with no stamp.
void switch_running(ZorvoActionMgr& store, Action& action);
// Complete as the Actions page does it: a running action stops, so none runs afterwards; the
// action is Completed and `completed` stamped.
void complete_action(ZorvoActionMgr& store, Action& action, double moment);

// The status chosen in the editor, as it is saved: leaving Running stops the count (no action
// runs afterwards); becoming Running makes the action the running one and pauses the one that
// ran; Stopped also clears the spent time.
void save_status(ZorvoActionMgr& store, Action& action, int32_t status);

// What the reminder of an action is worked out from.
struct ReminderInput {
  double due = 0;
  int32_t remind = 0;
  int32_t remind_lead = 0;
  int32_t remind_unit = 0;

  bool operator==(const ReminderInput&) const = default;
};
ReminderInput reminder_input(const Action& action);
// An action saved with `before` as its reminder input: when the due time or the reminder
// changed, the old reminder goes at once (its entry too) and the scheduler's next pass works it
// out afresh. An unchanged reminder keeps its schedule, snoozed or not.
void reschedule_if_changed(ZorvoAlarmMgr& alarms, Action& action, const ReminderInput& before);
