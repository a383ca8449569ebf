#include "ui/ReminderControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include "stores/ReminderUnits.h"
#include "ui/Widgets.h"

ReminderControls::ReminderControls(const char* label_name, const QString& label_text,
                                   QWidget* parent)
    : QObject(parent),
      cbRemind(new QCheckBox("Remind me ", parent)),
      edtAlarmInterval(new QSpinBox(parent)),
      cbAlarmUnit(new QComboBox(parent)),
      m_row(new QHBoxLayout) {
  cbRemind->setObjectName("cbRemind");
  edtAlarmInterval->setObjectName("edtAlarmInterval");
  edtAlarmInterval->setRange(0, 360);
  cbAlarmUnit->setObjectName("cbAlarmUnit");
  cbAlarmUnit->addItems({"Minutes", "Hours", "Days"});
  m_row->setSpacing(8);
  m_row->addWidget(cbRemind);
  m_row->addWidget(edtAlarmInterval);
  m_row->addWidget(cbAlarmUnit);
  m_row->addWidget(named_label(label_text, label_name, parent));
  m_row->addStretch();
  connect(cbRemind, &QCheckBox::toggled, this, &ReminderControls::apply_rule);
  apply_rule();
}

void ReminderControls::show_reminder(int32_t remind, int32_t lead, int32_t unit) {
  cbRemind->setChecked(remind != 0);
  apply_rule();
  edtAlarmInterval->setValue(lead);
  cbAlarmUnit->setCurrentIndex(unit == kUnitHours ? 1 : unit == kUnitDays ? 2 : 0);
}

bool ReminderControls::ticked() const {
  return cbRemind->isChecked();
}

int32_t ReminderControls::lead() const {
  return edtAlarmInterval->value();
}

int32_t ReminderControls::unit() const {
  const int index = cbAlarmUnit->currentIndex();
  return index < 0 ? 0 : index + 1;
}

void ReminderControls::set_enabled(bool enabled) {
  cbRemind->setEnabled(enabled);
  apply_rule();
}

void ReminderControls::clear() {
  cbRemind->setChecked(false);
  edtAlarmInterval->setValue(0);
  cbAlarmUnit->setCurrentIndex(-1);
}

void ReminderControls::apply_rule() {
  const bool on = cbRemind->isChecked() && cbRemind->isEnabled();
  edtAlarmInterval->setEnabled(on);
  cbAlarmUnit->setEnabled(on);
}
