#include <gtest/gtest.h>

#include <random>

#include "bio/bio_messages.h"
#include "bio/curve_search.h"
#include "doc/person_document.h"

namespace tw {
namespace {

constexpr DayNumber kBirth = 130000;

CurveSearchRequest Request(DayNumber selected, int direction, bool higher = false, bool saw = false) {
  CurveSearchRequest r;
  r.selectedDay = selected;
  r.birthday = kBirth;
  r.direction = direction;
  r.higherCurves = higher;
  r.sawtooth = saw;
  r.searchEnd = kLastCalendarDay;
  return r;
}

ConditionWords Only(int rhythm, CurveCriteria w) {
  ConditionWords words{};
  words[rhythm] = w;
  return words;
}

TEST(CurveSearch, ZeroCrossingOfTheFirstRhythm) {
  RecordingSink sink;
  // The window of day 12 starts at sample 46, the sine's zero; day 11 ends at sample 45.
  EXPECT_EQ(CurveSearch(Request(kBirth, 1), Only(0, kCritZeroYes), sink), kBirth + 12);
  EXPECT_EQ(CurveSearch(Request(kBirth + 12, 1), Only(0, kCritZeroYes), sink), kBirth + 23);
  EXPECT_EQ(CurveSearch(Request(kBirth + 12, -1), Only(0, kCritZeroYes), sink), kBirth);
  EXPECT_TRUE(sink.entries.empty());
}

TEST(CurveSearch, HighAndLowPoints) {
  RecordingSink sink;
  // Samples 22..24 exceed 994; day 6 (samples 22..25) holds the first of them.
  EXPECT_EQ(CurveSearch(Request(kBirth, 1), Only(0, kCritHigh), sink), kBirth + 6);
  EXPECT_EQ(CurveSearch(Request(kBirth + 6, 1), Only(0, kCritHigh), sink), kBirth + 29);
  const DayNumber low = CurveSearch(Request(kBirth, 1), Only(0, kCritLow), sink);
  EXPECT_EQ(low, kBirth + 17);  // samples 66..69: -979, -991, then -998 decides
  EXPECT_LT(RhythmDayValue(0, kBirth, low, false), -990);
}

TEST(CurveSearch, NothingToSearchReturnsAtOnceWithoutMessage) {
  RecordingSink sink;
  EXPECT_EQ(CurveSearch(Request(kBirth + 50, 1), ConditionWords{}, sink), kBirth + 50);
  // A word for rhythm 4 only counts when the higher curves are shown.
  EXPECT_EQ(CurveSearch(Request(kBirth + 50, 1), Only(3, kCritZeroYes), sink), kBirth + 50);
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_NE(CurveSearch(Request(kBirth + 50, 1, true), Only(3, kCritZeroYes), sink), kBirth + 50);
}

TEST(CurveSearch, LimitsShowMessage3010AndKeepTheDay) {
  RecordingSink sink;
  CurveSearchRequest req = Request(kBirth + 100, 1);
  req.searchEnd = kBirth + 100;
  EXPECT_EQ(CurveSearch(req, Only(0, kCritZeroYes), sink), kBirth + 100);
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].id, kMsgCurveSearchNoHit);
  EXPECT_EQ(sink.entries[0].type, kMsgWarning);

  sink.entries.clear();
  EXPECT_EQ(CurveSearch(Request(kBirth, -1), Only(0, kCritZeroYes), sink), kBirth);
  EXPECT_TRUE(sink.Has(kMsgCurveSearchNoHit));

  // Backward between the birthday and the first hit: the birthday itself is examined.
  sink.entries.clear();
  EXPECT_EQ(CurveSearch(Request(kBirth + 5, -1), Only(0, kCritZeroYes), sink), kBirth);
  EXPECT_TRUE(sink.entries.empty());
}

TEST(CurveSearch, CrossingWithHigherRhythmsNeedsThemShown) {
  RecordingSink sink;
  CurveSearchRequest req = Request(kBirth, 1);
  req.searchEnd = kBirth + 3000;
  EXPECT_EQ(CurveSearch(req, Only(0, kCritCross47), sink), kBirth);
  EXPECT_TRUE(sink.Has(kMsgCurveSearchNoHit));
  sink.entries.clear();
  req.higherCurves = true;
  EXPECT_GT(CurveSearch(req, Only(0, kCritCross47), sink), kBirth);
  EXPECT_TRUE(sink.entries.empty());
}

DayWindow W(int32_t a, int32_t b, int32_t c, int32_t d) { return DayWindow{{a, b, c, d}}; }

TEST(CurveTests, SingleRhythmTests) {
  DayWindow w[3] = {W(-10, 5, 20, 40), W(0, 0, 0, 0), W(0, 0, 0, 0)};
  EXPECT_TRUE(RhythmMatches(0, kCritZeroYes, w, 3));
  EXPECT_FALSE(RhythmMatches(0, kCritZeroNo, w, 3));
  EXPECT_TRUE(RhythmMatches(0, kCritRising, w, 3));
  EXPECT_FALSE(RhythmMatches(0, kCritFalling, w, 3));
  // No sample beyond 50: s3 = 40 decides, and "below 50" holds for it.
  EXPECT_TRUE(RhythmMatches(0, kCritNegative, w, 3));
  EXPECT_FALSE(RhythmMatches(0, kCritPositive, w, 3));
  // Touching zero counts as a crossing.
  w[0] = W(0, 30, 60, 90);
  EXPECT_TRUE(RhythmMatches(0, kCritZeroYes, w, 3));
  EXPECT_TRUE(RhythmMatches(0, kCritPositive, w, 3));  // 60 is the first beyond 50
  w[0] = W(100, 200, 300, 400);
  EXPECT_TRUE(RhythmMatches(0, kCritZeroNo, w, 3));
  EXPECT_TRUE(RhythmMatches(0, kCritZeroNo | kCritPositive | kCritRising, w, 3));
  EXPECT_FALSE(RhythmMatches(0, kCritZeroNo | kCritPositive | kCritFalling, w, 3));
  // The first sample beyond 994 decides, even if a later one points the other way.
  w[0] = W(995, 1000, 996, 990);
  EXPECT_TRUE(RhythmMatches(0, kCritHigh, w, 3));
  EXPECT_FALSE(RhythmMatches(0, kCritLow, w, 3));
  w[0] = W(990, 980, 970, 960);
  EXPECT_FALSE(RhythmMatches(0, kCritHigh, w, 3));
  // Flat windows neither rise nor fall.
  w[0] = W(500, 500, 500, 500);
  EXPECT_FALSE(RhythmMatches(0, kCritRising, w, 3));
  EXPECT_FALSE(RhythmMatches(0, kCritFalling, w, 3));
  // Mandatory and alternative bits always agree.
  w[0] = W(100, 200, 300, 400);
  EXPECT_TRUE(RhythmMatches(0, kCritRising | kCritMandatory, w, 3));
  EXPECT_TRUE(RhythmMatches(0, kCritRising | kCritAlternative, w, 3));
}

TEST(CurveTests, CrossingOtherRhythms) {
  // Level of rhythm 0 is (0 + 100) / 2 = 50.
  DayWindow w[7] = {W(0, 30, 60, 100), W(20, 40, 60, 80), W(70, 70, 70, 70), W(90, 60, 40, 10),
                    W(0, 0, 0, 0),     W(0, 0, 0, 0),     W(0, 0, 0, 0)};
  EXPECT_TRUE(RhythmMatches(0, kCritCross13, w, 3));
  EXPECT_TRUE(RhythmMatches(0, kCritNoCross13, w, 3));                 // rhythm 3 does not
  EXPECT_TRUE(RhythmMatches(0, kCritCross13 | kCritNoCross13, w, 3));  // one does, one does not
  EXPECT_FALSE(RhythmMatches(0, kCritCross47, w, 3));                  // 4..7 not shown
  EXPECT_TRUE(RhythmMatches(0, kCritCross47, w, 7));                   // rhythm 4 falls through 50
  EXPECT_TRUE(RhythmMatches(0, kCritCross13 | kCritCross47, w, 7));
  // Touching the level is no crossing.
  w[1] = W(50, 60, 70, 80);
  EXPECT_FALSE(RhythmMatches(0, kCritCross13, w, 3));
  // A rhythm never crosses itself.
  DayWindow alone[3] = {W(-100, 0, 50, 100), W(500, 500, 500, 500), W(500, 500, 500, 500)};
  EXPECT_FALSE(RhythmMatches(0, kCritCross13, alone, 3));
}

TEST(CurveTests, MandatoryAndAlternativeRule) {
  // Rhythm 0 rises, rhythm 1 falls, rhythm 2 rises.
  DayWindow w[3] = {W(0, 10, 20, 30), W(30, 20, 10, 0), W(5, 10, 15, 20)};
  const CurveCriteria rise = kCritRising, fall = kCritFalling;
  // Two alternatives that fail and one plain rhythm that matches: the day fails.
  EXPECT_FALSE(DayMeetsCondition(w, 3, {fall | kCritAlternative, rise | kCritAlternative, rise}));
  // One alternative matches: found.
  EXPECT_TRUE(DayMeetsCondition(w, 3, {rise | kCritAlternative, rise | kCritAlternative, fall}));
  // A failing mandatory rhythm fails the day whatever else matches.
  EXPECT_FALSE(DayMeetsCondition(w, 3, {rise, rise | kCritMandatory, rise}));
  EXPECT_TRUE(DayMeetsCondition(w, 3, {rise, fall | kCritMandatory, 0}));
  // Plain rhythms: one match is enough.
  EXPECT_TRUE(DayMeetsCondition(w, 3, {fall, fall, 0}));
  EXPECT_FALSE(DayMeetsCondition(w, 3, {fall, rise, fall}));
  // Words of rhythms that are not shown do not count.
  EXPECT_FALSE(DayMeetsCondition(w, 3, {0, 0, 0, rise, 0, 0, 0}));
}

// The search walks one index per rhythm; it must find exactly the first day that a
// fresh, per-day evaluation accepts.
DayNumber BruteForce(const CurveSearchRequest& req, const ConditionWords& words) {
  const int shown = ShownRhythmCount(req.higherCurves);
  for (DayNumber d = req.selectedDay + req.direction; d >= req.birthday && d <= req.searchEnd;
       d += req.direction) {
    DayWindow w[kRhythmCount];
    for (int r = 0; r < shown; ++r)
      w[r] = WindowAt(GetCurveTables().Of(r, req.sawtooth), DayStartSample(r, d - req.birthday));
    if (DayMeetsCondition(w, shown, words)) return d;
  }
  return req.selectedDay;
}

TEST(CurveSearch, AgreesWithDayByDayEvaluation) {
  std::mt19937 rng(1234);
  int hits = 0, misses = 0;
  for (int round = 0; round < 400; ++round) {
    ConditionWords words{};
    for (int r = 0; r < kRhythmCount; ++r) {
      if (rng() % 3) continue;
      CurveCriteria w = 0;
      for (int f = 0; f < kCriterionFieldCount; ++f) {
        const int clicks = rng() % 3;
        for (int c = 0; c < clicks; ++c) w = CycleCriterion(w, f);
      }
      words[r] = w;
    }
    CurveSearchRequest req = Request(kBirth + static_cast<int>(rng() % 2000), (rng() & 1) ? 1 : -1,
                                     rng() & 1, rng() & 1);
    req.searchEnd = kBirth + 2500;
    RecordingSink sink;
    const DayNumber got = CurveSearch(req, words, sink);
    EXPECT_EQ(got, BruteForce(req, words)) << "round " << round;
    if (got != req.selectedDay) ++hits;
    else ++misses;
  }
  EXPECT_GT(hits, 50);
  EXPECT_GT(misses, 5);
}

TEST(CriterionEditing, FieldCyclesThroughThreeStates) {
  CurveCriteria w = 0;
  w = CycleCriterion(w, kFieldRising);
  EXPECT_EQ(w, kCritFalling);
  EXPECT_EQ(CriterionState(w, kFieldRising), 2);
  w = CycleCriterion(w, kFieldRising);
  EXPECT_EQ(w, kCritRising);
  EXPECT_EQ(CriterionState(w, kFieldRising), 1);
  w = CycleCriterion(w, kFieldRising);
  EXPECT_EQ(w, 0u);
  EXPECT_EQ(CriterionState(w, kFieldRising), 0);
}

TEST(CriterionEditing, MandatoryAloneIsDropped) {
  EXPECT_EQ(CycleCriterion(0, kFieldMandatory), 0u);
  CurveCriteria w = CycleCriterion(0, kFieldZero);              // 10: no zero crossing
  w = CycleCriterion(w, kFieldMandatory);                       // alternative
  EXPECT_EQ(w, kCritZeroNo | kCritAlternative);
  w = CycleCriterion(w, kFieldMandatory);
  EXPECT_EQ(w, kCritZeroNo | kCritMandatory);
  w = CycleCriterion(w, kFieldZero);                            // 01
  w = CycleCriterion(w, kFieldZero);                            // 00: no test left
  EXPECT_EQ(w, 0u);
  // A never-written 11 counts as set and steps to 00.
  EXPECT_EQ(CycleCriterion(kCritHigh | kCritLow | kCritRising, kFieldPeak), kCritRising);
}

}  // namespace
}  // namespace tw
