#include <gtest/gtest.h>

#include "calendar/date_step.h"

namespace tw {
namespace {

TEST(StepDay, OverflowWrapsLeapDaysAndUnits) {
  const struct {
    int y, m, d, unit, amount, toY, toM, toD;
  } rows[] = {
      // A day past the month's end runs into the following month.
      {2001, 1, 31, kStepMonths, 1, 2001, 3, 3},
      {2000, 1, 31, kStepMonths, 1, 2000, 3, 2},
      {2001, 3, 31, kStepMonths, -1, 2001, 3, 3},
      {2001, 5, 15, kStepMonths, 1, 2001, 6, 15},
      // Months wrap over year ends.
      {2001, 12, 15, kStepMonths, 1, 2002, 1, 15},
      {2002, 1, 15, kStepMonths, -1, 2001, 12, 15},
      {2001, 11, 15, kStepMonths, 1, 2001, 12, 15},
      {2001, 12, 15, kStepMonths, 12, 2002, 12, 15},
      {2001, 6, 15, kStepMonths, -18, 1999, 12, 15},
      {2001, 6, 15, kStepMonths, 25, 2003, 7, 15},
      // Days across month and year ends.
      {2000, 2, 28, kStepDays, 1, 2000, 2, 29},
      {2000, 2, 29, kStepDays, 1, 2000, 3, 1},
      {2001, 2, 28, kStepDays, 1, 2001, 3, 1},
      {2000, 3, 1, kStepDays, -1, 2000, 2, 29},
      {2001, 1, 1, kStepDays, -1, 2000, 12, 31},
      {2000, 12, 31, kStepDays, 1, 2001, 1, 1},
      // Years and the leap day; any other unit counts as years.
      {2000, 2, 29, kStepYears, 1, 2001, 3, 1},
      {2000, 2, 29, kStepYears, 4, 2004, 2, 29},
      {2000, 7, 4, 0, -1, 1999, 7, 4},
      {2000, 7, 4, 99, 1, 2001, 7, 4},
      // The overflow uses the starting year's February: 31 - 28 = 3 days into March ...
      {2003, 12, 31, kStepMonths, 2, 2004, 3, 3},
      // ... 29 February kept from a leap year becomes 1 March ...
      {2004, 1, 29, kStepMonths, 13, 2005, 3, 1},
      // ... and 30 - 29 = 1 day into March, not 30 - 28.
      {2004, 1, 30, kStepMonths, 13, 2005, 3, 1},
  };
  for (const auto& r : rows)
    EXPECT_EQ(StepDay(DayFromDate(r.y, r.m, r.d), r.unit, r.amount), DayFromDate(r.toY, r.toM, r.toD))
        << r.y << "-" << r.m << "-" << r.d << " unit " << r.unit << " by " << r.amount;
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
