#include "ui/DateValues.h"

#include "common/misc/CxDateTime.h"

QDateTime to_qt(double value) {
  CxSystemTime st;
  if (!ole_to_system_time(value, st)) return {};
  return QDateTime(QDate(st.wYear, st.wMonth, st.wDay), QTime(st.wHour, st.wMinute, st.wSecond));
}

double from_qt(QDate date, QTime time) {
  CxSystemTime st;
  st.wYear = static_cast<uint16_t>(date.year());
  st.wMonth = static_cast<uint16_t>(date.month());
  st.wDay = static_cast<uint16_t>(date.day());
  st.wHour = static_cast<uint16_t>(time.hour());
  st.wMinute = static_cast<uint16_t>(time.minute());
  st.wSecond = static_cast<uint16_t>(time.second());
  double value = 0;
  system_time_to_ole(st, value);
  return value;
}
