#include "common/misc/CxDateTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "common/misc/WinUtil.h"

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};
// 0100-01-01 00:00:00 and the first moment after 9999-12-31 23:59:59.
const double kMinValue = static_cast<double>((sys_days{year{100} / January / 1} - kEpoch).count());
const double kEndValue =
    static_cast<double>((sys_days{year{10000} / January / 1} - kEpoch).count());

std::optional<double> g_fixed_now;

// Fixed text for a value that cannot be split: it keeps the width of a real date.
constexpr const char* kInvalidDate = "--/--/----";
constexpr const char* kInvalidTime = "--:--:--";

}  // namespace

bool ole_to_system_time(double value, CxSystemTime& st) {
  // Far outside the range (1e300 in a damaged file, say) a value has no integer form: check
  // before converting. The exact check follows once the value is split.
  if (!std::isfinite(value) || value <= kMinValue - 1.0 || value >= kEndValue + 1.0) return false;
  double whole = std::trunc(value);
  double fraction = std::fabs(value - whole);
  auto seconds = static_cast<int64_t>(std::llround(fraction * 86400.0));
  auto day = static_cast<int64_t>(whole);
  if (seconds >= 86400) {  // rounded up to the next midnight
    seconds -= 86400;
    ++day;
  }
  // The valid range is that of the day the fields name, whatever the sign of the value.
  if (static_cast<double>(day) < kMinValue || static_cast<double>(day) >= kEndValue) return false;
  sys_days date = kEpoch + days{day};
  year_month_day ymd{date};
  weekday wd{date};
  st.wYear = static_cast<uint16_t>(static_cast<int>(ymd.year()));
  st.wMonth = static_cast<uint16_t>(static_cast<unsigned>(ymd.month()));
  st.wDay = static_cast<uint16_t>(static_cast<unsigned>(ymd.day()));
  st.wDayOfWeek = static_cast<uint16_t>(wd.c_encoding());
  st.wHour = static_cast<uint16_t>(seconds / 3600);
  st.wMinute = static_cast<uint16_t>(seconds % 3600 / 60);
  st.wSecond = static_cast<uint16_t>(seconds % 60);
  st.wMilliseconds = 0;
  return true;
}

bool system_time_to_ole(const CxSystemTime& st, double& value) {
  year_month_day ymd{year{st.wYear}, month{st.wMonth}, day{st.wDay}};
  if (st.wYear < 100 || st.wYear > 9999 || !ymd.ok() || st.wHour > 23 || st.wMinute > 59 ||
      st.wSecond > 59)
    return false;
  auto d = static_cast<double>((sys_days{ymd} - kEpoch).count());
  double fraction = (st.wHour * 3600.0 + st.wMinute * 60.0 + st.wSecond) / 86400.0;
  value = d >= 0 ? d + fraction : d - fraction;
  return true;
}

double now() {
  if (g_fixed_now) return *g_fixed_now;
  platform::LocalTime t = platform::local_time_now();
  CxSystemTime st;
  st.wYear = static_cast<uint16_t>(t.year);
  st.wMonth = static_cast<uint16_t>(t.month);
  st.wDay = static_cast<uint16_t>(t.day);
  st.wHour = static_cast<uint16_t>(t.hour);
  st.wMinute = static_cast<uint16_t>(t.minute);
  st.wSecond = static_cast<uint16_t>(t.second > 59 ? 59 : t.second);  // a leap second
  double value = 0;
  system_time_to_ole(st, value);
  return value;
}

void set_now_for_testing(std::optional<double> value) {
  g_fixed_now = value;
}

CxDateTime::CxDateTime(double value) : m_dtDate(value) {
  m_bValid = ole_to_system_time(m_dtDate, m_stTime);
}

std::string CxDateTime::FormatDate() const {
  if (!m_bValid) return kInvalidDate;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", m_stTime.wMonth, m_stTime.wDay, m_stTime.wYear);
  return buf;
}

std::string CxDateTime::FormatTime() const {
  if (!m_bValid) return kInvalidTime;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", m_stTime.wHour, m_stTime.wMinute,
                m_stTime.wSecond);
  return buf;
}

std::string CxDateTime::Format() const {
  return FormatDate() + " " + FormatTime();
}

std::string format_date_time(double value) {
  return CxDateTime(value).Format();
}

std::string format_elapsed(int64_t seconds) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%02lld : %02lld : %02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds % 3600 / 60), static_cast<long long>(seconds % 60));
  return buf;
}
