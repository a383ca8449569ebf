#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Every date-time of the program is one double counting days since 1899-12-30 00:00 local
// time; the fraction is the time of day (0.5 is noon). Below 0 the integer part counts days
// before that day and the fraction, taken as positive, is still the time of day. 0 means "not
// set" wherever a date-time may be absent.

constexpr double kOneMinute = 1.0 / 1440.0;

// Calendar fields of a date-time, the way the platform's system time holds them.
struct CxSystemTime {
  uint16_t wYear = 0;
  uint16_t wMonth = 0;      // 1 to 12
  uint16_t wDayOfWeek = 0;  // 0 = Sunday
  uint16_t wDay = 0;        // 1 to 31
  uint16_t wHour = 0;
  uint16_t wMinute = 0;
  uint16_t wSecond = 0;
  uint16_t wMilliseconds = 0;
};

// Splits a value into calendar fields, rounded to the nearest second. False for values outside
// the years 100 to 9999 (and for NaN or infinities); the fields are then not meaningful.
bool ole_to_system_time(double value, CxSystemTime& st);
// Joins calendar fields into a value; milliseconds are ignored. False for dates outside the
// years 100 to 9999 or fields out of range.
bool system_time_to_ole(const CxSystemTime& st, double& value);

// The local clock as a date-time, to whole seconds.
double now();
// Makes now() return `value` (tests only); std::nullopt returns to the real clock.
void set_now_for_testing(std::optional<double> value);

class CxDateTime {
 public:
  explicit CxDateTime(double value);
  virtual ~CxDateTime() = default;

  bool IsValid() const { return m_bValid; }
  const CxSystemTime& Fields() const { return m_stTime; }

  std::string FormatDate() const;  // "%02d/%02d/%04d": month, day, year
  std::string FormatTime() const;  // "%02d:%02d:%02d", 24-hour clock
  std::string Format() const;      // date, one blank, time

 private:
  double m_dtDate;
  CxSystemTime m_stTime;
  bool m_bValid;
};

// The date-and-time text every page shows, e.g. "03/25/2010 10:00:00".
std::string format_date_time(double value);
// Spent seconds as "%02d : %02d : %02d"; hours are not wrapped at 24.
std::string format_elapsed(int64_t seconds);
