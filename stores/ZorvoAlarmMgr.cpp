#include "stores/ZorvoAlarmMgr.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>
#include <vector>

#include "common/misc/CxDateTime.h"

namespace {

// The record fields every reminder works on, whatever its kind.
struct ReminderFields {
  double* reminder_time = nullptr;
  int32_t* remind = nullptr;
};

ReminderFields fields_of(const ReminderEntry* entry) {
  if (!entry) return {};
  if (Action* a = entry->action()) return {&a->reminder_time, &a->remind};
  if (SomedayItem* s = entry->someday()) return {&s->reminder_time, &s->remind};
  return {};
}

// Schedules `record` when its reminder is on, not yet scheduled and has a lead.
template <class R>
bool schedule(R& record, double moment) {
  if (record.remind == 0 || record.reminder_time != 0) return false;
  int64_t lead = lead_minutes(record.remind_lead, record.remind_unit);
  if (lead == 0) return false;
  record.reminder_time = moment - static_cast<double>(lead) / 1440.0;
  return true;
}

}  // namespace

int64_t lead_minutes(int32_t remind_lead, int32_t remind_unit) {
  switch (remind_unit) {
    case kUnitMinutes:
      return remind_lead;
    case kUnitHours:
      return int64_t{remind_lead} * 60;
    case kUnitDays:
      return int64_t{remind_lead} * 1440;
    default:
      return 0;
  }
}

ZorvoAlarmMgr::ZorvoAlarmMgr(ZorvoActionMgr& actions, ZorvoSomedayMgr& someday)
    : m_actions(actions), m_someday(someday) {
  m_action_removals = actions.listen_removal([this](const Action* a) {
    if (a)
      drop(a);
    else
      drop_kind(ReminderEntry::kAction);
  });
  m_someday_removals = someday.listen_removal([this](const SomedayItem* s) {
    if (s)
      drop(s);
    else
      drop_kind(ReminderEntry::kSomeday);
  });
}

ZorvoAlarmMgr::~ZorvoAlarmMgr() {
  clear();
}

bool ZorvoAlarmMgr::collect_action_reminders() {
  for (Action* a : m_actions.records()) {
    if (!is_open_status(a->status) || a->due == 0) continue;
    if (schedule(*a, a->due)) add({ReminderEntry::kAction, a});
  }
  return true;
}

bool ZorvoAlarmMgr::collect_someday_reminders() {
  for (SomedayItem* s : m_someday.records())
    if (schedule(*s, s->when)) add({ReminderEntry::kSomeday, s});
  return true;
}

uint32_t ZorvoAlarmMgr::due_count() {
  double moment = now();
  uint32_t due = 0;
  for (ReminderEntry* e : entries()) {
    const double* t = fields_of(e).reminder_time;
    if (t && *t > 0 && *t <= moment) ++due;
  }
  return due;
}

ReminderEntry* ZorvoAlarmMgr::add(const ReminderEntry& entry) {
  auto* copy = new (std::nothrow) ReminderEntry(entry);
  if (!copy) return nullptr;
  drop(entry.record);
  m_entries.Add(copy);
  m_by_record[entry.record] = copy;
  return copy;
}

bool ZorvoAlarmMgr::dismiss(ReminderEntry* entry) {
  ReminderFields f = fields_of(entry);
  if (!f.reminder_time) return false;
  *f.reminder_time = 0;
  *f.remind = 0;
  // The switched-off reminder is on file, so it is saved; it is not the user's edit of the
  // record, so the record's modified time stays.
  if (entry->kind == ReminderEntry::kAction)
    m_actions.mark_dirty();
  else
    m_someday.mark_dirty();
  drop(entry->record);
  return true;
}

bool ZorvoAlarmMgr::snooze(ReminderEntry* entry, int32_t minutes) {
  ReminderFields f = fields_of(entry);
  if (!f.reminder_time) return false;
  *f.reminder_time += minutes / 1440.0;
  return true;
}

void ZorvoAlarmMgr::reschedule(Action& action) {
  action.reminder_time = 0;
  drop(&action);
}

void ZorvoAlarmMgr::reschedule(SomedayItem& item) {
  item.reminder_time = 0;
  drop(&item);
}

void ZorvoAlarmMgr::clear() {
  m_removals.tell(nullptr);
  m_by_record.clear();
  m_entries.RemoveAll(true);
}

void ZorvoAlarmMgr::drop(const void* record) {
  auto it = m_by_record.find(record);
  if (it == m_by_record.end()) return;
  m_removals.tell(it->second);
  m_entries.Remove(it->second, true);
  m_by_record.erase(it);
}

void ZorvoAlarmMgr::drop_kind(int32_t kind) {
  std::vector<ReminderEntry*> gone;
  for (ReminderEntry* e : entries())
    if (e->kind == kind) gone.push_back(e);
  for (ReminderEntry* e : gone) drop(e->record);
}

ReminderDetails details_of(const ReminderEntry& entry) {
  if (const Action* a = entry.action()) return {a->name.view(), a->due, a->started, "Action"};
  if (const SomedayItem* s = entry.someday()) return {s->name.view(), s->when, 0, "Someday"};
  return {};
}

std::string due_in_text(double days) {
  // Far beyond any real date and still within an int of days: a damaged date shows a text.
  constexpr double kLimit = 1e9;
  if (std::isnan(days)) days = 0;
  days = std::clamp(days, -kLimit, kLimit);
  // Date-times are whole seconds: rounding the difference to seconds first keeps the error of
  // subtracting two of them from costing a minute (61 minutes must not read as 60).
  const int64_t minutes = std::llround(days * 86400.0) / 60;  // truncated toward zero
  if (minutes == 0) return "Now";
  const int64_t a = minutes < 0 ? -minutes : minutes;
  const int d = static_cast<int>(a / 1440), h = static_cast<int>(a % 1440 / 60),
            m = static_cast<int>(a % 60);
  char text[80];
  if (d >= 1)
    std::snprintf(text, sizeof text, "%d days %d hours %d minutes", d, h, m);
  else if (h >= 1)
    std::snprintf(text, sizeof text, "%d hours %d minutes", h, m);
  else
    std::snprintf(text, sizeof text, "%d minutes", m);
  return minutes > 0 ? text : std::string(text) + " overdue";
}

std::string start_time_text(double started) {
  CxSystemTime t;
  if (!(started > 0) || !ole_to_system_time(started, t)) return "N/A";
  char text[40];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay,
                t.wHour, t.wMinute, t.wSecond);
  return text;
}
