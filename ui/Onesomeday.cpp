#include "ui/Onesomeday.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimeEdit>
#include <cmath>

#include "common/misc/CxDateTime.h"
#include "stores/ZorvoAlarmMgr.h"
#include "ui/ReminderControls.h"
#include "ui/Widgets.h"

namespace {

const EditorInfo kInfo{"TfmOneSomeday", "Edit Someday/Maybe Item",
                       "Desc:", "The description field can not be empty."};

}  // namespace

TfmOneSomeday::TfmOneSomeday(Navigator& nav, ZorvoSomedayMgr& someday, ZorvoAlarmMgr& alarms)
    : TfmRecordEditor(nav, kInfo, someday),
      m_when("pkDate", "pkTime", this),
      m_reminder(new ReminderControls("Label9", "before it happens.", this)),
      m_alarms(alarms) {
  auto* when = new QHBoxLayout;
  when->setSpacing(8);
  when->addWidget(m_when.date);
  when->addSpacing(16);
  when->addWidget(named_label("Time:", "Label6", this));
  when->addWidget(m_when.time);
  when->addStretch();
  add_row(Place::AboveNotes, "Label5", "Date:", when);

  add_row(Place::AboveNotes, nullptr, {}, m_reminder->row());
  add_time_stamps(nullptr);
}

void TfmOneSomeday::fill(SomedayItem& item) {
  // A new item comes up today at midnight unless the user says otherwise.
  if (item.when == 0) item.when = std::floor(now());
  m_when.show_value(item.when);
  m_reminder->show_reminder(item.remind, item.remind_lead, item.remind_unit);
}

void TfmOneSomeday::take_input(SomedayItem& item) {
  item.when = m_when.value();
  item.remind = m_reminder->ticked() ? 1 : 0;
  item.remind_lead = m_reminder->lead();
  item.remind_unit = m_reminder->unit();
  item.spare_a = 0;
  item.spare_b = "";
  // Scheduled afresh from the new date at the next pass; the old reminder goes now.
  m_alarms.reschedule(item);
}

void TfmOneSomeday::enable_own_controls(bool enabled) {
  m_when.set_enabled(enabled);
  m_reminder->set_enabled(enabled);
  if (!enabled) m_reminder->clear();
}
