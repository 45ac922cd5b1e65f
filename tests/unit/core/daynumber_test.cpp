#include <gtest/gtest.h>

#include "core/daynumber.h"

namespace tw {
namespace {

TEST(DayNumber, ReferenceValuesAndThe1600Quirk) {
  EXPECT_EQ(DayFromDate(1600, 1, 1), 0);
  EXPECT_EQ(DayFromDate(1600, 12, 31), 365);
  EXPECT_EQ(DayFromDate(1601, 1, 1), 365);
  EXPECT_EQ(DayFromDate(1700, 1, 3), 36526);
  EXPECT_EQ(DayFromDate(1950, 1, 1), kFirstMoonDay);
  EXPECT_EQ(DayFromDate(2000, 1, 1), 146096);
  EXPECT_EQ(DayFromDate(2049, 12, 31), kLastMoonDay);
  EXPECT_EQ(DayFromDate(1599, 12, 31), 0);
  int y, m, d;
  DateFromDay(365, &y, &m, &d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 16010101);
  DateFromDay(364, &y, &m, &d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 16001230);
}

TEST(DayNumber, DayPastMonthEndRunsOn) {
  EXPECT_EQ(DayFromDate(2000, 2, 30), DayFromDate(2000, 3, 1));
  EXPECT_EQ(DayFromDate(2001, 2, 29), DayFromDate(2001, 3, 1));
}

TEST(DayNumber, RoundTripOverWholeCalendarFrom1601) {
  DayNumber expect = DayFromDate(1601, 1, 1);
  for (int y = 1601; y <= 2049; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= MonthLength(y, m); ++d) {
        ASSERT_EQ(DayFromDate(y, m, d), expect) << y << "-" << m << "-" << d;
        int yy, mm, dd;
        DateFromDay(expect, &yy, &mm, &dd);
        ASSERT_EQ(yy * 10000 + mm * 100 + dd, y * 10000 + m * 100 + d);
        ++expect;
      }
}

TEST(DayNumber, WeekdayConventions) {
  EXPECT_EQ(WeekdaySunday(DayFromDate(1950, 1, 1)), 0);
  EXPECT_EQ(WeekdaySunday(DayFromDate(2000, 1, 1)), 6);
  EXPECT_EQ(WeekdayMonday(DayFromDate(1950, 1, 1)), 6);
  EXPECT_EQ(WeekdayMonday(DayFromDate(2026, 12, 7)), 0);  // a Monday
  EXPECT_EQ(WeekdayIso(DayFromDate(2026, 12, 6)), 7);
}

TEST(DayNumber, LeapRule) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2023));
}

}  // namespace
}  // namespace tw
