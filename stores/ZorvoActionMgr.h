#pragma once

#include <array>
#include <cstdint>

#include "stores/ReminderUnits.h"
#include "stores/Text.h"
#include "stores/ZorvoStore.h"

// Action status codes, one bit each. Any other value shows as "Not Started".
constexpr int32_t kStatusNotStarted = 0x10000;
constexpr int32_t kStatusRunning = 0x20000;
constexpr int32_t kStatusPaused = 0x40000;
constexpr int32_t kStatusStopped = 0x80000;
constexpr int32_t kStatusDisabled = 0x100000;
constexpr int32_t kStatusCompleted = 0x200000;

// Priority codes, held in the upper 16 bits of priority_flags.
constexpr int32_t kPriorityNormal = 0x10000;
constexpr int32_t kPriorityHigh = 0x20000;
constexpr int32_t kPriorityLow = 0x40000;

// Action types.
constexpr int32_t kTypeAsap = 0;
constexpr int32_t kTypeDelegated = 1;
constexpr int32_t kTypeScheduled = 2;

// A next action: a one-step action, or a step of a project.
struct Action {
  int32_t id = 0;
  int32_t state = 0;
  int32_t project_id = 0;  // 0: a simple action with no project
  int32_t spare_a = 0;
  int32_t action_type = 0;
  int32_t spare_b = 0;
  int32_t status = 0;
  int32_t spare_c = 0;
  int32_t source_item_id = 0;
  int32_t context_id = 0;  // 0: "Not Specified"
  Text<512> name;
  Text<512> spare_d;
  int32_t priority_flags = 0;
  std::array<int32_t, 2> spare_e{};
  double started = 0;
  double completed = 0;
  double due = 0;
  double scheduled = 0;
  Text<256> delegate;
  int32_t remind = 0;
  int32_t remind_lead = 0;
  int32_t remind_unit = 0;
  int32_t spare_f = 0;
  Text<256> spare_g;
  double reminder_time = 0;  // the scheduler's, in memory only: never on file
  int32_t percent_done = 0;
  int32_t estimate_minutes = 0;
  int32_t spent_seconds = 0;
  std::array<int32_t, 2> spare_h{};
  SpareArray<double, 2> spare_i;
  SpareArray<int32_t, 5> spare_j;
  Text<2048> notes;
  double created = 0;
  double modified = 0;
  SpareArray<int32_t, 10> reserved_ints;
  SpareArray<Text<10>, 10> reserved_texts;

  template <class Self, class F>
  static void stored_fields(Self& r, F& f) {
    f(r.id), f(r.state), f(r.project_id), f(r.spare_a), f(r.action_type), f(r.spare_b);
    f(r.status), f(r.spare_c), f(r.source_item_id), f(r.context_id), f(r.name), f(r.spare_d);
    f(r.priority_flags), f(r.spare_e), f(r.started), f(r.completed), f(r.due), f(r.scheduled);
    f(r.delegate), f(r.remind), f(r.remind_lead), f(r.remind_unit), f(r.spare_f), f(r.spare_g);
    f(r.percent_done), f(r.estimate_minutes), f(r.spent_seconds), f(r.spare_h), f(r.spare_i);
    f(r.spare_j), f(r.notes), f(r.created), f(r.modified), f(r.reserved_ints);
    f(r.reserved_texts);
  }
};

// The priority code of priority_flags, tested High, Normal, Low; Normal when none is set.
int32_t priority_of(int32_t priority_flags);
// Replaces the priority bits and keeps the lower 16 bits.
int32_t with_priority(int32_t priority_flags, int32_t priority);
// The text every view shows for a status code.
const char* status_text(int32_t status);
// Completed and Disabled close an action (or a project); every other status leaves it open.
bool is_open_status(int32_t status);

class ZorvoActionMgr : public ZorvoStore<Action> {
 public:
  ZorvoActionMgr();

  // The running action, or none. At most one action runs; its status is the truth and the
  // cached reference only saves the walk.
  Action* active_action();
  // Makes `action` (or none) the running one; the one running before gets `previous_status`.
  // Does not mark the store changed.
  void set_active(Action* action, int32_t previous_status);
  // One second of the running action's time, as the main timer counts it: its spent time grows
  // and the store is marked changed; the record itself (state, modified) is not touched. The
  // running action, or none when nothing runs.
  Action* count_second();

 protected:
  void init_new(Action& action) override;
  void stored_copy(const Action* original, Action* copy) override;

 private:
  Action* m_active = nullptr;
  Removals::Subscription m_forget_active;
};
