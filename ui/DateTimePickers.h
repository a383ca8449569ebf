#pragma once

class QDateEdit;
class QTimeEdit;
class QWidget;

// A date picker and a time picker that edit one stored date-time together: the date part comes
// from the one, the time of day from the other. The value is split into calendar fields and
// joined from them, never shifted through a clock, so what the pickers show is the stored local
// time whatever the daylight-saving rules of that day (also an hour that a change of the clock
// skips or repeats).
class DateTimePickers {
 public:
  DateTimePickers(const char* date_name, const char* time_name, QWidget* parent);

  void show_value(double value);
  double value() const;
  void set_enabled(bool enabled);

  QDateEdit* const date;
  QTimeEdit* const time;
};
