#include <gtest/gtest.h>

#include "calendar/date_step.h"

namespace tw {
namespace {

TEST(StepDay, MonthOverflowRunsIntoFollowingMonth) {
  EXPECT_EQ(StepDay(DayFromDate(2001, 1, 31), kStepMonths, 1), DayFromDate(2001, 3, 3));
  EXPECT_EQ(StepDay(DayFromDate(2000, 1, 31), kStepMonths, 1), DayFromDate(2000, 3, 2));
  EXPECT_EQ(StepDay(DayFromDate(2001, 3, 31), kStepMonths, -1), DayFromDate(2001, 3, 3));
  EXPECT_EQ(StepDay(DayFromDate(2001, 5, 15), kStepMonths, 1), DayFromDate(2001, 6, 15));
}

TEST(StepDay, MonthWrapsOverYearEnds) {
  EXPECT_EQ(StepDay(DayFromDate(2001, 12, 15), kStepMonths, 1), DayFromDate(2002, 1, 15));
  EXPECT_EQ(StepDay(DayFromDate(2002, 1, 15), kStepMonths, -1), DayFromDate(2001, 12, 15));
  EXPECT_EQ(StepDay(DayFromDate(2001, 11, 15), kStepMonths, 1), DayFromDate(2001, 12, 15));
  EXPECT_EQ(StepDay(DayFromDate(2001, 12, 15), kStepMonths, 12), DayFromDate(2002, 12, 15));
  EXPECT_EQ(StepDay(DayFromDate(2001, 6, 15), kStepMonths, -18), DayFromDate(1999, 12, 15));
  EXPECT_EQ(StepDay(DayFromDate(2001, 6, 15), kStepMonths, 25), DayFromDate(2003, 7, 15));
}

TEST(StepDay, DaysAcrossMonthAndYearEnds) {
  EXPECT_EQ(StepDay(DayFromDate(2000, 2, 28), kStepDays, 1), DayFromDate(2000, 2, 29));
  EXPECT_EQ(StepDay(DayFromDate(2000, 2, 29), kStepDays, 1), DayFromDate(2000, 3, 1));
  EXPECT_EQ(StepDay(DayFromDate(2001, 2, 28), kStepDays, 1), DayFromDate(2001, 3, 1));
  EXPECT_EQ(StepDay(DayFromDate(2000, 3, 1), kStepDays, -1), DayFromDate(2000, 2, 29));
  EXPECT_EQ(StepDay(DayFromDate(2001, 1, 1), kStepDays, -1), DayFromDate(2000, 12, 31));
  EXPECT_EQ(StepDay(DayFromDate(2000, 12, 31), kStepDays, 1), DayFromDate(2001, 1, 1));
}

TEST(StepDay, YearsAndLeapDay) {
  EXPECT_EQ(StepDay(DayFromDate(2000, 2, 29), kStepYears, 1), DayFromDate(2001, 3, 1));
  EXPECT_EQ(StepDay(DayFromDate(2000, 2, 29), kStepYears, 4), DayFromDate(2004, 2, 29));
  EXPECT_EQ(StepDay(DayFromDate(2000, 7, 4), 0, -1), DayFromDate(1999, 7, 4));  // any other unit
  EXPECT_EQ(StepDay(DayFromDate(2000, 7, 4), 99, 1), DayFromDate(2001, 7, 4));
}

TEST(StepDay, DayOverflowUsesTheStartingYearsFebruary) {
  // From a common year into a leap year's February: 31 - 28 = 3 days into March.
  EXPECT_EQ(StepDay(DayFromDate(2003, 12, 31), kStepMonths, 2), DayFromDate(2004, 3, 3));
  // From a leap year into a common year's February: 29 February is kept and becomes 1 March.
  EXPECT_EQ(StepDay(DayFromDate(2004, 1, 29), kStepMonths, 13), DayFromDate(2005, 3, 1));
  // 30 - 29 (the starting year's February) = 1 day into March, not 30 - 28.
  EXPECT_EQ(StepDay(DayFromDate(2004, 1, 30), kStepMonths, 13), DayFromDate(2005, 3, 1));
}

TEST(StepDay, ClampedToCalendarRange) {
  EXPECT_EQ(StepDay(kLastCalendarDay, kStepDays, 1), kLastCalendarDay);
  EXPECT_EQ(StepDay(kLastCalendarDay, kStepMonths, 1), kLastCalendarDay);
  EXPECT_EQ(StepDay(DayFromDate(2049, 6, 1), kStepYears, 1), kLastCalendarDay);
  EXPECT_EQ(StepDay(DayFromDate(1600, 1, 1), kStepDays, -1), kFirstCalendarDay);
  EXPECT_EQ(StepDay(DayFromDate(1600, 6, 1), kStepYears, -1), kFirstCalendarDay);
  EXPECT_EQ(StepDay(DayFromDate(2000, 6, 1), kStepYears, -5000), kFirstCalendarDay);
  // Extreme amounts do not overflow.
  EXPECT_EQ(StepDay(DayFromDate(2000, 6, 1), kStepYears, INT32_MAX), kLastCalendarDay);
  EXPECT_EQ(StepDay(DayFromDate(2000, 6, 1), kStepMonths, INT32_MIN), kFirstCalendarDay);
  EXPECT_EQ(StepDay(DayFromDate(2000, 6, 1), kStepDays, 400000000), kLastCalendarDay);
}

TEST(Today, IsTheUtcDateOfTheClock) {
  // Shortly after local midnight east of Greenwich the clock still says the previous day.
  FixedClock clock(CivilDate{2004, 2, 29});
  EXPECT_EQ(Today(clock), DayFromDate(2004, 2, 29));
  clock.date = CivilDate{1999, 12, 31};
  EXPECT_EQ(Today(clock), DayFromDate(1999, 12, 31));
}

}  // namespace
}  // namespace tw
