#include "ui/Onesomeday.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>
#include <cmath>

#include "common/misc/CxDateTime.h"
#include "ui/DateValues.h"
#include "ui/Widgets.h"

namespace {

const EditorInfo kInfo{"TfmOneSomeday", "Edit Someday/Maybe Item",
                       "Desc:", "The description field can not be empty."};

}  // namespace

TfmOneSomeday::TfmOneSomeday(Navigator& nav, ZorvoSomedayMgr& someday)
    : TfmRecordEditor(nav, kInfo, someday) {
  pkDate = new QDateEdit(this);
  pkDate->setObjectName("pkDate");
  pkDate->setCalendarPopup(true);
  pkDate->setDisplayFormat("MM/dd/yyyy");
  pkDate->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
  pkTime = new QTimeEdit(this);
  pkTime->setObjectName("pkTime");
  pkTime->setDisplayFormat("HH:mm:ss");
  auto* when = new QHBoxLayout;
  when->setSpacing(8);
  when->addWidget(pkDate);
  when->addSpacing(16);
  when->addWidget(named_label("Time:", "Label6", this));
  when->addWidget(pkTime);
  when->addStretch();
  add_row(Place::AboveNotes, "Label5", "Date:", when);

  cbRemind = new QCheckBox("Remind me ", this);
  cbRemind->setObjectName("cbRemind");
  edtAlarmInterval = new QSpinBox(this);
  edtAlarmInterval->setObjectName("edtAlarmInterval");
  edtAlarmInterval->setRange(0, 360);
  edtAlarmInterval->setSingleStep(1);
  cbAlarmUnit = new QComboBox(this);
  cbAlarmUnit->setObjectName("cbAlarmUnit");
  auto* reminder = new QHBoxLayout;
  reminder->setSpacing(8);
  reminder->addWidget(cbRemind);
  reminder->addWidget(edtAlarmInterval);
  reminder->addWidget(cbAlarmUnit);
  reminder->addWidget(named_label("before it happens.", "Label9", this));
  reminder->addStretch();
  add_row(Place::AboveNotes, nullptr, {}, reminder);
  add_time_stamps(nullptr);

  // The check box's handling runs on every change of its state, also while a record loads.
  connect(cbRemind, &QCheckBox::toggled, this, &TfmOneSomeday::apply_reminder_rule);
}

void TfmOneSomeday::apply_reminder_rule() {
  const bool on = cbRemind->isChecked() && cbRemind->isEnabled();
  edtAlarmInterval->setEnabled(on);
  cbAlarmUnit->setEnabled(on);
}

void TfmOneSomeday::fill(SomedayItem& item) {
  cbRemind->setChecked(item.remind != 0);
  apply_reminder_rule();
  // A new item comes up today at midnight unless the user says otherwise.
  if (item.when == 0) item.when = std::floor(now());
  QDateTime when = to_qt(item.when);
  pkDate->setDate(when.date());
  pkTime->setTime(when.time());
  cbAlarmUnit->clear();
  cbAlarmUnit->addItems({"Minutes", "Hours", "Days"});
  cbAlarmUnit->setCurrentIndex(item.remind_unit == kUnitHours  ? 1
                               : item.remind_unit == kUnitDays ? 2
                                                               : 0);
  edtAlarmInterval->setValue(item.remind_lead);
}

void TfmOneSomeday::take_input(SomedayItem& item) {
  item.when = from_qt(pkDate->date(), pkTime->time());
  item.remind = cbRemind->isChecked() ? 1 : 0;
  item.remind_lead = edtAlarmInterval->value();
  item.spare_a = 0;
  item.reminder_time = 0;  // scheduled afresh from the new date at the next pass
  item.spare_b = "";
  const int unit = cbAlarmUnit->currentIndex();
  item.remind_unit = unit < 0 ? 0 : unit + 1;
}

void TfmOneSomeday::enable_own_controls(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{pkDate, pkTime, cbRemind})
    w->setEnabled(enabled);
  apply_reminder_rule();
  if (!enabled) cbRemind->setChecked(false);
}
