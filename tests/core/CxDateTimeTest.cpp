#include "common/misc/CxDateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/FakeClock.h"

namespace {

TEST(DateTimeText, FormatsToTheNearestSecond) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {40262.5, "03/25/2010 12:00:00"},
      {40262.0, "03/25/2010 00:00:00"},
      {0.0, "12/30/1899 00:00:00"},
      // Ten minutes before midnight lies a hair below 23:50:00 in floating point.
      {40262.0 - 10.0 / 1440.0, "03/24/2010 23:50:00"},
      {40262.0 + 0.4 / 86400.0, "03/25/2010 00:00:00"},
      {40262.0 + 0.6 / 86400.0, "03/25/2010 00:00:01"},
      {40262.0 - 0.2 / 86400.0, "03/25/2010 00:00:00"},  // rounds up across midnight
      {40262.75 + 59.0 / 1440.0, "03/25/2010 18:59:00"},
      // Before 1899-12-30 the integer part counts days back; the time of day stays positive.
      {-1.25, "12/29/1899 06:00:00"},
      {-657434.0, "01/01/0100 00:00:00"},
      {2958465.0 + 86399.0 / 86400.0, "12/31/9999 23:59:59"},
  };
  for (const auto& c : cases) EXPECT_EQ(format_date_time(c.value), c.text) << c.value;
}

TEST(DateTimeText, AValueThatCannotBeSplitGivesAFixedText) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {-657435.0, 2958466.0, 1e300, -1e300, inf, -inf,
                   std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(CxDateTime(v).IsValid()) << v;
    EXPECT_EQ(format_date_time(v), "--/--/---- --:--:--") << v;
  }
}

TEST(DateTimeText, ElapsedTimeDoesNotWrapHours) {
  const struct {
    int64_t seconds;
    const char* text;
  } cases[] = {
      {0, "00 : 00 : 00"}, {59, "00 : 00 : 59"}, {3661, "01 : 01 : 01"},
      {86399, "23 : 59 : 59"}, {360000, "100 : 00 : 00"},
  };
  for (const auto& c : cases) EXPECT_EQ(format_elapsed(c.seconds), c.text) << c.seconds;
}

TEST(DateTimeFields, SplitAndJoinAgree) {
  CxSystemTime st;
  ASSERT_TRUE(ole_to_system_time(40262.5, st));
  EXPECT_EQ(st.wYear, 2010);
  EXPECT_EQ(st.wMonth, 3);
  EXPECT_EQ(st.wDay, 25);
  EXPECT_EQ(st.wDayOfWeek, 4);  // a Thursday
  EXPECT_EQ(st.wHour, 12);
  double v = 0;
  ASSERT_TRUE(system_time_to_ole(st, v));
  EXPECT_EQ(v, 40262.5);

  CxSystemTime before{1899, 12, 0, 29, 6, 0, 0, 0};
  ASSERT_TRUE(system_time_to_ole(before, v));
  EXPECT_EQ(v, -1.25);

  CxSystemTime bad{2010, 2, 0, 30, 0, 0, 0, 0};
  EXPECT_FALSE(system_time_to_ole(bad, v));
}

TEST(Clock, ReadsWholeSecondsAndCanBeSet) {
  double real = now();
  EXPECT_GT(real, 40000.0);
  double seconds = real * 86400.0;
  EXPECT_NEAR(seconds, std::round(seconds), 1e-3);
  {
    FakeClock clock(40262.5);
    EXPECT_EQ(now(), 40262.5);
    clock.advance_seconds(60);
    EXPECT_EQ(format_date_time(now()), "03/25/2010 12:01:00");
  }
  EXPECT_GT(now(), 40262.5 + 1000);
}

}  // namespace
