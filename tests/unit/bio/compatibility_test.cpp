#include <gtest/gtest.h>

#include "bio/compatibility.h"

namespace tw {
namespace {

TEST(Compatibility, SameBirthdayIsFullyInStep) {
  const RhythmPhases a = CompatibilityPhases(DayFromDate(1960, 3, 1));
  CompatibilityResult res = CompareRhythms(a, a, true);
  for (int r = 0; r < kRhythmCount; ++r) EXPECT_EQ(res.percent[r], 100);
  EXPECT_EQ(res.average, 100);
  EXPECT_EQ(CompatibilityText(res.average), "100 %");
}

TEST(Compatibility, ValuesOfTheFirstRhythm) {
  EXPECT_EQ(CompatibilityPercent(0, 1, 0), 91);
  EXPECT_EQ(CompatibilityPercent(0, 0, 1), 91);
  EXPECT_EQ(CompatibilityPercent(0, 11, 0), 4);
  EXPECT_EQ(CompatibilityPercent(0, 12, 0), 4);  // raw -4
  EXPECT_EQ(CompatibilityPercent(0, 22, 0), 91);
}

TEST(Compatibility, StepPerDayOfEachPeriod) {
  const int32_t perDay[kRhythmCount] = {869, 714, 606, 526, 465, 416, 377};
  for (int r = 0; r < kRhythmCount; ++r) {
    EXPECT_EQ(CompatibilityPercent(r, 1, 0), 100 - (perDay[r] + 50) / 100) << r;
    const int32_t p = RhythmPeriods[r];
    for (int32_t d = 0; d < p; ++d) {
      const int32_t c = CompatibilityPercent(r, d, 0);
      EXPECT_GE(c, 0);
      EXPECT_LE(c, 100);
      if (d > 0) {
        EXPECT_LE(std::abs(c - CompatibilityPercent(r, p - d, 0)), 1) << r << " " << d;
      }
    }
  }
}

TEST(Compatibility, BirthdaysOneDayApart) {
  const DayNumber b = DayFromDate(1980, 7, 4);
  CompatibilityResult res = CompareRhythms(CompatibilityPhases(b), CompatibilityPhases(b + 1), false);
  EXPECT_EQ(res.percent[0], 91);
  EXPECT_EQ(res.compared, 3);
  // Also across a whole period boundary of the reference day's phases.
  CompatibilityResult far = CompareRhythms(CompatibilityPhases(b), CompatibilityPhases(b + 23 * 100 + 1), false);
  EXPECT_EQ(far.percent[0], 91);
}

TEST(Compatibility, OnlyThreeRhythmsWithoutHigherCurves) {
  const RhythmPhases a = CompatibilityPhases(100000);
  const RhythmPhases b = CompatibilityPhases(100011);
  CompatibilityResult res = CompareRhythms(a, b, false);
  for (int r = 3; r < kRhythmCount; ++r) {
    EXPECT_EQ(res.percent[r], -1);
    EXPECT_EQ(CompatibilityText(res.percent[r]), "---");
  }
  const int32_t sum = res.percent[0] + res.percent[1] + res.percent[2];
  EXPECT_EQ(res.average, sum / 3);
  CompatibilityResult all = CompareRhythms(a, b, true);
  int32_t sum7 = 0;
  for (int r = 0; r < kRhythmCount; ++r) sum7 += all.percent[r];
  EXPECT_EQ(all.average, sum7 / 7);
  EXPECT_EQ(all.percent[0], res.percent[0]);
}

}  // namespace
}  // namespace tw
