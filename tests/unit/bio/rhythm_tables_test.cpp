#include <gtest/gtest.h>

#include "bio/rhythm.h"

namespace tw {
namespace {

TEST(RhythmTables, SamplesOfTheFirstRhythm) {
  const SampleTable& sine = GetCurveTables().Of(0, false);
  const SampleTable& saw = GetCurveTables().Of(0, true);
  ASSERT_EQ(sine.size(), 96u);
  ASSERT_EQ(saw.size(), 96u);
  const struct {
    const SampleTable* table;
    int index;
    int32_t value;
  } rows[] = {
      {&sine, 0, 0},      {&sine, 1, 68},    {&sine, 2, 136},   {&sine, 3, 203},
      {&sine, 23, 1000},  {&sine, 46, 0},    {&sine, 69, -1000},
      {&saw, 0, 0},       {&saw, 1, 38},     {&saw, 2, 76},     {&saw, 3, 113},
      {&saw, 41, 1000},   {&saw, 42, 800},   {&saw, 43, 600},   {&saw, 44, 400},
      {&saw, 45, 200},    {&saw, 46, 0},     {&saw, 47, -38},   {&saw, 87, -1000},
      {&saw, 88, -800},   {&saw, 89, -600},  {&saw, 90, -400},  {&saw, 91, -200},
  };
  for (const auto& r : rows)
    EXPECT_EQ((*r.table)[r.index], r.value) << (r.table == &saw ? "sawtooth " : "sine ") << r.index;
}

TEST(RhythmTables, EveryTableHasItsShapeAndRepeatsItsFirstFourSamples) {
  const CurveTables& tables = GetCurveTables();
  for (int r = 0; r < kRhythmCount; ++r) {
    const int32_t p = RhythmPeriods[r];
    for (bool saw : {false, true}) {
      const SampleTable& t = tables.Of(r, saw);
      ASSERT_EQ(t.size(), static_cast<size_t>(4 * p + 4)) << r;
      for (int k = 0; k < 4; ++k) EXPECT_EQ(t[4 * p + k], t[k]) << r << saw;
      int32_t lo = 0, hi = 0;
      for (int32_t v : t) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
      }
      EXPECT_EQ(hi, 1000) << r << saw;
      EXPECT_EQ(lo, -1000) << r << saw;
    }
    // The sine peaks a quarter period after its zero, the sawtooth shortly before half.
    EXPECT_EQ(tables.Of(r, false)[p], 1000);
    EXPECT_EQ(tables.Of(r, false)[2 * p], 0);
    EXPECT_EQ(tables.Of(r, false)[3 * p], -1000);
    EXPECT_EQ(tables.Of(r, true)[2 * p - 5], 1000);
    EXPECT_EQ(tables.Of(r, true)[2 * p], 0);
    EXPECT_EQ(tables.Of(r, true)[4 * p - 5], -1000);
  }
}

TEST(RhythmValues, EveryRhythmIsZeroOnTheBirthday) {
  const DayNumber birthday = DayFromDate(1970, 5, 17);
  for (int r = 0; r < kRhythmCount; ++r) {
    EXPECT_EQ(RhythmDayValue(r, birthday, birthday, false), 0);
    EXPECT_EQ(RhythmDayValue(r, birthday, birthday, true), 0);
  }
}

TEST(RhythmValues, DaysFollowThePeriod) {
  const DayNumber b = 140000;
  EXPECT_EQ(RhythmDayValue(0, b, b + 23, false), 0);
  EXPECT_EQ(RhythmDayValue(0, b, b + 46, false), 0);
  // Day 6 sits at sample 24, one quarter day after the top at sample 23.
  EXPECT_EQ(RhythmDayValue(0, b, b + 6, false), GetCurveTables().Of(0, false)[24]);
  for (int r = 0; r < kRhythmCount; ++r)
    for (int n = 0; n < 60; ++n)
      EXPECT_EQ(RhythmDayValue(r, b, b + n, true), RhythmDayValue(r, b, b + n + RhythmPeriods[r], true));
}

TEST(RhythmValues, DaysBeforeTheBirthdayStayInsideTheTable) {
  const DayNumber b = 140000;
  for (int r = 0; r < kRhythmCount; ++r) {
    EXPECT_EQ(RhythmPhase(r, -1), RhythmPeriods[r] - 1);
    EXPECT_EQ(RhythmDayValue(r, b, b - 1, false), RhythmDayValue(r, b, b + RhythmPeriods[r] - 1, false));
  }
}

TEST(RhythmValues, DayStartSampleWrapsAtPhaseZero) {
  EXPECT_EQ(DayStartSample(0, 0), 90);
  EXPECT_EQ(DayStartSample(0, 23), 90);
  EXPECT_EQ(DayStartSample(0, 1), 2);
  EXPECT_EQ(DayStartSample(6, 52), 4 * 52 - 2);
  EXPECT_EQ(DayStartSample(1, -1), 4 * 27 - 2);
}

TEST(RhythmValues, ChartSamplesJoinFromDayToDay) {
  for (int r = 0; r < kRhythmCount; ++r) {
    const int32_t p = RhythmPeriods[r];
    for (bool saw : {false, true}) {
      for (int32_t n = 0; n <= p; ++n) {
        const DaySamples today = DaySamplesOf(r, n, saw);
        EXPECT_EQ(today.middle, RhythmDayValue(r, 0, n, saw));
        EXPECT_EQ(today.right, DaySamplesOf(r, n + 1, saw).left) << r << " " << n;
      }
    }
    // Walking quarter days from the last sample wraps to the first.
    EXPECT_EQ(NextQuarterSample(r, 4 * p - 1), 0);
    EXPECT_EQ(NextQuarterSample(r, 5), 6);
  }
  // Day 5 of the first sine rhythm ends at sample 22, just before the top at 23.
  EXPECT_EQ(DaySamplesOf(0, 5, false).right, 998);
}

}  // namespace
}  // namespace tw
