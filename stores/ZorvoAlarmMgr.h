#pragma once

#include <cstdint>
#include <unordered_map>

#include "common/misc/CxList.h"
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
class ZorvoAlarmMgr {
 public:
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
  // Switches the record's reminder off and removes the entry.
  bool dismiss(ReminderEntry* entry);
  // Moves the record's reminder `minutes` later; the entry stays.
  bool snooze(ReminderEntry* entry, int32_t minutes);
  // The record's reminder is to be worked out afresh (its times or its switch changed): its
  // entry goes now, and the next pass schedules it again when its reminder is on.
  void reschedule(Action& action);
  void reschedule(SomedayItem& item);
  void clear();

 private:
  void drop(const void* record);
  void drop_kind(int32_t kind);

  ZorvoActionMgr& m_actions;
  ZorvoSomedayMgr& m_someday;
  int m_action_token;
  int m_someday_token;
  CxList<ReminderEntry> m_entries;
  std::unordered_map<const void*, ReminderEntry*> m_by_record;
};

// The reminder lead of a record in minutes: 0 for a unit other than minutes, hours or days.
int64_t lead_minutes(int32_t remind_lead, int32_t remind_unit);
