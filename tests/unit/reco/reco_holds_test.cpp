// The condition test on hand-built days.
#include <gtest/gtest.h>

#include "reco/reco_eval.h"

namespace tw {
namespace {

RecoDay MakeDay(int year, int month, int dom) {
  RecoDay day;
  day.day = DayFromDate(year, month, dom);
  day.dateCode = dom * 100 + month;
  day.year.Compute(day.day);
  day.attr.month = month - 1;
  day.attr.weekday = WeekdayMonday(day.day);
  day.MatchMovableDays();
  return day;
}

RecoRecord Plain() {
  RecoRecord r;
  r.category = 1;
  return r;
}

uint32_t RequireOnly(int slots, int slot) {
  uint32_t f = 0;
  for (int s = 0; s < slots; ++s) f = WithCond(f, s, s == slot ? kCondRequired : kCondExcluded);
  return f;
}

TEST(RecoHolds, EmptyRecordHoldsEveryDay) {
  RecoRecord r = Plain();
  for (DayNumber d = DayFromDate(2000, 1, 1); d < DayFromDate(2001, 1, 1); ++d) {
    int y, m, dd;
    DateFromDay(d, &y, &m, &dd);
    ASSERT_TRUE(Holds(r, MakeDay(y, m, dd)));
  }
}

TEST(RecoHolds, EachFieldFailsOnlyOnExcludedSlots) {
  RecoDay day = MakeDay(2000, 6, 15);
  day.attr = {};
  day.attr.phase = 20;
  day.attr.height = 9;
  day.attr.distance = 13;
  day.attr.node = 14;
  day.attr.season = 1;
  day.attr.month = 5;
  day.attr.weekday = 3;
  day.attr.moonSign = 4;
  day.attr.sunSign = 2;

  struct Case {
    const char* name;
    void (*set)(RecoRecord&, CondMode);
  };
  const Case cases[] = {
      {"phase", [](RecoRecord& r, CondMode m) { r.phaseCond = WithCond64(0, 20, m); }},
      {"height", [](RecoRecord& r, CondMode m) { r.heightCond = WithCond(0, 9, m); }},
      {"distance", [](RecoRecord& r, CondMode m) { r.distanceCond = WithCond(0, 13, m); }},
      {"node", [](RecoRecord& r, CondMode m) { r.nodeCond = WithCond(0, 14, m); }},
      {"season", [](RecoRecord& r, CondMode m) { r.seasonCond = static_cast<uint8_t>(WithCond(0, 1, m)); }},
      {"month", [](RecoRecord& r, CondMode m) { r.monthCond = WithCond(0, 5, m); }},
      {"weekday", [](RecoRecord& r, CondMode m) { r.weekdayCond = WithCond(0, 3, m); }},
      {"moon sign", [](RecoRecord& r, CondMode m) { r.moonSignCond = WithCond(0, 4, m); }},
      {"sun sign", [](RecoRecord& r, CondMode m) { r.sunSignCond = WithCond(0, 2, m); }},
  };
  for (const Case& c : cases) {
    for (CondMode m : {kCondAny, kCondExcluded, kCondRequired, kCondMixed}) {
      RecoRecord r = Plain();
      c.set(r, m);
      EXPECT_EQ(Holds(r, day), m != kCondExcluded) << c.name << " mode " << int(m);
    }
    // Excluding a neighbouring slot does not touch the day.
    RecoRecord r = Plain();
    c.set(r, kCondExcluded);
    r.phaseCond = r.phaseCond << 2;
    r.heightCond <<= 2; r.distanceCond <<= 2; r.nodeCond <<= 2;
    r.seasonCond = static_cast<uint8_t>(r.seasonCond << 2);
    r.monthCond <<= 2; r.weekdayCond <<= 2; r.moonSignCond <<= 2; r.sunSignCond <<= 2;
    EXPECT_TRUE(Holds(r, day)) << c.name;
  }
}

TEST(RecoHolds, PhaseSlotsAboveFifteenUseTheSecondWord) {
  RecoDay day = MakeDay(2000, 1, 1);
  day.attr.phase = 29;
  RecoRecord r = Plain();
  r.phaseCond = WithCond64(0, 29, kCondExcluded);
  EXPECT_FALSE(Holds(r, day));
  day.attr.phase = 13;
  EXPECT_TRUE(Holds(r, day));
  r.phaseCond = WithCond64(0, 13, kCondExcluded);
  EXPECT_FALSE(Holds(r, day));
}

TEST(RecoHolds, SignsEitherNeedsOnlyOneOfTwoSetSignConditions) {
  RecoDay day = MakeDay(2000, 1, 1);
  day.attr.moonSign = 1;
  day.attr.sunSign = 9;
  RecoRecord r = Plain();
  r.moonSignCond = RequireOnly(12, 1);  // passes
  r.sunSignCond = RequireOnly(12, 3);   // fails
  r.signsEither = 3;
  EXPECT_TRUE(Holds(r, day));
  r.signsEither = 0;
  EXPECT_FALSE(Holds(r, day));
  r.signsEither = 3;
  r.moonSignCond = RequireOnly(12, 2);  // both fail
  EXPECT_FALSE(Holds(r, day));
  // With only one field set "either" changes nothing: that field decides.
  r.moonSignCond = 0;
  EXPECT_FALSE(Holds(r, day));
  r.sunSignCond = RequireOnly(12, 9);
  EXPECT_TRUE(Holds(r, day));
}

TEST(RecoHolds, FixedDateRequiredWithOtherDaysExcludedHoldsOnThatDateOnly) {
  RecoRecord r = Plain();
  r.fixedDays[0] = MakeFixedDay(2412, kCondRequired);
  r.otherDays = kCondExcluded << 14;
  int hits = 0;
  for (int m = 1; m <= 12; ++m)
    for (int dd = 1; dd <= MonthLength(2001, m); ++dd)
      if (Holds(r, MakeDay(2001, m, dd))) {
        ++hits;
        EXPECT_EQ(m * 100 + dd, 1224);
      }
  EXPECT_EQ(hits, 1);
}

TEST(RecoHolds, FixedDateExcludedHoldsOnEveryOtherDay) {
  RecoRecord r = Plain();
  r.fixedDays[0] = MakeFixedDay(2412, kCondExcluded);
  EXPECT_FALSE(Holds(r, MakeDay(2001, 12, 24)));
  EXPECT_TRUE(Holds(r, MakeDay(2001, 12, 25)));
  EXPECT_TRUE(Holds(r, MakeDay(2001, 12, 23)));
}

TEST(RecoHolds, MovableCodesFollowEaster) {
  RecoRecord r = Plain();
  r.fixedDays[0] = MakeFixedDay(3803, kCondRequired);
  r.otherDays = kCondExcluded << 14;
  EXPECT_TRUE(Holds(r, MakeDay(2000, 4, 23)));   // Easter 2000
  EXPECT_FALSE(Holds(r, MakeDay(2000, 4, 24)));
  EXPECT_TRUE(Holds(r, MakeDay(2024, 3, 31)));
  r.fixedDays[0] = MakeFixedDay(3800, kCondRequired);
  EXPECT_TRUE(Holds(r, MakeDay(2000, 3, 8)));    // Ash Wednesday, 46 days before
  EXPECT_EQ(WeekdayMonday(DayFromDate(2000, 3, 8)), 2);
  r.fixedDays[0] = MakeFixedDay(3809, kCondRequired);
  EXPECT_TRUE(Holds(r, MakeDay(2000, 12, 3)));   // first Advent 2000
}

TEST(RecoHolds, FirstMatchingEntryDecidesAndEmptyEntriesAreSkipped) {
  RecoRecord r = Plain();
  r.fixedDays[0] = 0;
  r.fixedDays[1] = MakeFixedDay(2412, kCondAny);       // matches but goes on
  r.fixedDays[2] = MakeFixedDay(2412, kCondRequired);  // decides
  r.fixedDays[3] = MakeFixedDay(2412, kCondExcluded);  // never reached
  r.otherDays = kCondExcluded << 14;
  EXPECT_TRUE(Holds(r, MakeDay(2010, 12, 24)));
  // The fixed days come last: an excluded month still fails the day.
  r.monthCond = WithCond(0, 11, kCondExcluded);
  EXPECT_FALSE(Holds(r, MakeDay(2010, 12, 24)));
}

TEST(RecoHolds, CodesBeyondTheMovableTableMatchNoDay) {
  RecoRecord r = Plain();
  for (int code : {3813, 9999, 0x3FFF, 3212}) {
    r.fixedDays[0] = MakeFixedDay(code, kCondRequired);
    r.otherDays = kCondExcluded << 14;
    for (DayNumber d = DayFromDate(2000, 1, 1); d < DayFromDate(2001, 1, 1); ++d) {
      int y, m, dd;
      DateFromDay(d, &y, &m, &dd);
      ASSERT_FALSE(Holds(r, MakeDay(y, m, dd))) << code;
    }
  }
}

}  // namespace
}  // namespace tw

namespace tw {
namespace {

TEST(RecoHolds, PreparedMovableMatchesAgreeWithTheYearTable) {
  for (int y : {1950, 2000, 2005, 2008, 2038, 2049}) {
    for (DayNumber d = DayFromDate(y, 1, 1); d <= DayFromDate(y, 12, 31); ++d) {
      int yy, m, dd;
      DateFromDay(d, &yy, &m, &dd);
      RecoDay day = MakeDay(yy, m, dd);
      for (int code = kFirstMovableCode; code <= kLastMovableCode; ++code)
        ASSERT_EQ(((day.movableHits >> (code - kFirstMovableCode)) & 1) != 0,
                  day.year.MovableDay(code) == d)
            << y << " " << code;
    }
  }
}

}  // namespace
}  // namespace tw
