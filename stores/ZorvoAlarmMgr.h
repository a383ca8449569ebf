#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/misc/CxList.h"
#include "stores/RemovalListeners.h"
#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoSomedayMgr.h"

// One reminder: the record it reminds of, owned by its store.
struct ReminderEntry {
  static constexpr int32_t kAction = 1;
  static constexpr int32_t kSomeday = 2;

  int32_t kind = 0;
  void* record = nullptr;

  Action* action() const { return kind == kAction ? static_cast<Action*>(record) : nullptr; }
  SomedayItem* someday() const {
    return kind == kSomeday ? static_cast<SomedayItem*>(record) : nullptr;
  }
};

// Decides when the user is reminded of an action before its due time, or of a someday/maybe
// item before it comes up. The schedule lives in the records' reminder_time; the scheduler
// keeps one entry per scheduled record, in memory only, and drops an entry as soon as its
// record leaves its store.
//
// Whoever keeps a reference to an entry (the reminders page's rows) listens for removals: the
// scheduler tells every listener before it frees an entry (its record was removed, dismissed or
// scheduled afresh), and tells them with nullptr before it frees them all.
class ZorvoAlarmMgr {
 public:
  using Removals = RemovalListeners<ReminderEntry>;

  ZorvoAlarmMgr(ZorvoActionMgr& actions, ZorvoSomedayMgr& someday);
  ZorvoAlarmMgr(const ZorvoAlarmMgr&) = delete;
  ZorvoAlarmMgr& operator=(const ZorvoAlarmMgr&) = delete;
  virtual ~ZorvoAlarmMgr();

  // Schedules every action whose reminder is on and not yet scheduled.
  bool collect_action_reminders();
  // Schedules every someday/maybe item whose reminder is on and not yet scheduled.
  bool collect_someday_reminders();
  // Entries whose reminder time has come: 0 < time <= now.
  uint32_t due_count();

  // Every entry in the order they were added, for a range-for that leaves the cursor alone.
  const CxList<ReminderEntry>& entries() const { return m_entries; }
  ReminderEntry* first() { return m_entries.GetFirst(); }
  ReminderEntry* next() { return m_entries.GetNext(); }
  uint32_t count() const { return m_entries.GetCount(); }

  // Appends a copy of the entry; an older entry of the same record is replaced.
  ReminderEntry* add(const ReminderEntry& entry);
  // Switches the record's reminder off and removes the entry. The record's store is marked
  // changed, so the reminder stays off after the next start; the record's modified time stays.
  bool dismiss(ReminderEntry* entry);
  // Moves the record's reminder `minutes` later; the entry stays.
  bool snooze(ReminderEntry* entry, int32_t minutes);
  // The record's reminder is to be worked out afresh (its times or its switch changed): its
  // entry goes now, and the next pass schedules it again when its reminder is on.
  void reschedule(Action& action);
  void reschedule(SomedayItem& item);
  void clear();

  [[nodiscard]] Removals::Subscription listen_removal(Removals::Listener listener) {
    return m_removals.listen(std::move(listener));
  }

 private:
  void drop(const void* record);
  void drop_kind(int32_t kind);

  ZorvoActionMgr& m_actions;
  ZorvoSomedayMgr& m_someday;
  ZorvoActionMgr::Removals::Subscription m_action_removals;
  ZorvoSomedayMgr::Removals::Subscription m_someday_removals;
  CxList<ReminderEntry> m_entries;
  std::unordered_map<const void*, ReminderEntry*> m_by_record;
  Removals m_removals;
};

// What the reminders page shows of an entry: the record's name, the moment it counts to (an
// action's due time, a someday/maybe item's date), when the action was started (0 for an item)
// and the type's text. A kind other than action and someday/maybe gives none (`name` empty,
// `type` null).
struct ReminderDetails {
  std::string_view name;
  double due = 0;
  double started = 0;
  const char* type = nullptr;
};
ReminderDetails details_of(const ReminderEntry& entry);

// How long until a moment `days` away (negative: how long ago), to the minute: "Now" within the
// current minute either way, else days, hours and minutes, with " overdue" after a past one.
std::string due_in_text(double days);
// A start time as year/month/day and time, or "N/A" when there is none.
std::string start_time_text(double started);

// The reminder lead of a record in minutes: 0 for a unit other than minutes, hours or days.
int64_t lead_minutes(int32_t remind_lead, int32_t remind_unit);
