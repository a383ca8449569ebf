#include "ui/DateTimePickers.h"

#include <QDateEdit>
#include <QTimeEdit>

#include "common/misc/CxDateTime.h"

namespace {

QDateEdit* date_picker(const char* name, QWidget* parent) {
  auto* picker = new QDateEdit(parent);
  picker->setObjectName(name);
  picker->setCalendarPopup(true);
  picker->setDisplayFormat("MM/dd/yyyy");
  picker->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
  return picker;
}

QTimeEdit* time_picker(const char* name, QWidget* parent) {
  auto* picker = new QTimeEdit(parent);
  picker->setObjectName(name);
  picker->setDisplayFormat("HH:mm:ss");
  return picker;
}

}  // namespace

DateTimePickers::DateTimePickers(const char* date_name, const char* time_name, QWidget* parent)
    : date(date_picker(date_name, parent)), time(time_picker(time_name, parent)) {}

void DateTimePickers::show_value(double value) {
  CxSystemTime st;
  if (!ole_to_system_time(value, st)) return;
  date->setDate(QDate(st.wYear, st.wMonth, st.wDay));
  time->setTime(QTime(st.wHour, st.wMinute, st.wSecond));
}

double DateTimePickers::value() const {
  const QDate d = date->date();
  const QTime t = time->time();
  CxSystemTime st;
  st.wYear = static_cast<uint16_t>(d.year());
  st.wMonth = static_cast<uint16_t>(d.month());
  st.wDay = static_cast<uint16_t>(d.day());
  st.wHour = static_cast<uint16_t>(t.hour());
  st.wMinute = static_cast<uint16_t>(t.minute());
  st.wSecond = static_cast<uint16_t>(t.second());
  double value = 0;
  system_time_to_ole(st, value);
  return value;
}

void DateTimePickers::set_enabled(bool enabled) {
  date->setEnabled(enabled);
  time->setEnabled(enabled);
}
