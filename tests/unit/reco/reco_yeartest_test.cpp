#include "reco/reco_yeartest.h"

#include <gtest/gtest.h>

#include "calendar/moon_derived.h"
#include "reco_test_util.h"

namespace tw {
namespace {

using testing::MakeReco;

MemoryMoonData TwoYears() {
  std::vector<MoonDayRecord> records;
  for (int i = 0; i < 731; ++i) {
    MoonDayRecord r = EmptyMoonRecord();
    r.SetMoonSign(i % 12);
    records.push_back(r);
  }
  return MemoryMoonData(DayFromDate(2000, 1, 1), records);
}

class StopAfter : public YearRunObserver {
 public:
  explicit StopAfter(int n) : left(n) {}
  int left;
  int seen = 0;
  bool Continue(DayNumber) override {
    ++seen;
    return left-- > 0;
  }
};

TEST(RecoYearTest, UnconditionalRecordHoldsEveryDayAndListsNinety) {
  MemoryMoonData moon = TwoYears();
  RecoRecord r = MakeReco("immer", 1);
  int count = -1;
  std::vector<DayNumber> listed;
  YearRunResult res = RunSingleTest(moon, r, 2000, 1, false, nullptr, &count, &listed);
  EXPECT_EQ(count, 366);
  EXPECT_EQ(res.daysTested, 366);
  ASSERT_EQ(listed.size(), 90u);
  EXPECT_EQ(listed.front(), DayFromDate(2000, 1, 1));
  EXPECT_EQ(listed.back(), DayFromDate(2000, 3, 30));
  RunSingleTest(moon, r, 2001, 1, false, nullptr, &count, &listed);
  EXPECT_EQ(count, 365);
  // The data ends with 2001: a run into 2002 stops there.
  res = RunSingleTest(moon, r, 2001, 5, false, nullptr, &count, &listed);
  EXPECT_EQ(count, 365);
}

TEST(RecoYearTest, StoppedRunAndRunBeforeTheDataReportNothing) {
  MemoryMoonData moon = TwoYears();
  RecoRecord r = MakeReco("immer", 1);
  StopAfter stop(10);
  int count = -1;
  YearRunResult res = RunSingleTest(moon, r, 2000, 2, false, &stop, &count, nullptr);
  EXPECT_TRUE(res.stopped);
  EXPECT_EQ(res.daysTested, 10);
  EXPECT_EQ(count, 0);
  res = RunSingleTest(moon, r, 1999, 2, false, nullptr, &count, nullptr);
  EXPECT_EQ(res.daysTested, 0);
  EXPECT_EQ(count, 0);
}

TEST(RecoYearTest, TestAllCountsRecommendationsButNotHeaders) {
  MemoryMoonData moon = TwoYears();
  RecoTables t;
  t.Occupy(0, MakeReco("Kopf", 1, -12));
  RecoRecord taurus = MakeReco("Stier", 1, 12);
  for (int s = 0; s < 12; ++s) taurus.moonSignCond = WithCond(taurus.moonSignCond, s, s == 1 ? kCondRequired : kCondExcluded);
  t.Occupy(1, taurus);
  t.Occupy(2, MakeReco("immer", 3));
  std::vector<int> counters;
  RunTestAll(moon, t, 2000, 2, false, nullptr, &counters);
  ASSERT_EQ(counters.size(), static_cast<size_t>(kRecoSlots));
  EXPECT_EQ(counters[0], 0);
  EXPECT_EQ(counters[1], 61);  // every twelfth of 731 days from the second on
  EXPECT_EQ(counters[2], 731);
  EXPECT_EQ(counters[3], 0);
}

TEST(RecoYearTest, AverageLabelsRoundToOneDecimal) {
  EXPECT_EQ(AverageLabel("Bohnen", 29, 10), "Bohnen (\xF8 2.9)");
  EXPECT_EQ(AverageLabel("x", 25, 10), "x (\xF8 2.5)");
  EXPECT_EQ(AverageLabel("x", 0, 10), "x (\xF8 0.0)");
  EXPECT_EQ(AverageLabel("x", 3653, 10), "x (\xF8 365.3)");
  EXPECT_EQ(AverageLabel("x", 2, 3), "x (\xF8 0.7)");
  EXPECT_TRUE(AverageBelowOne(0, 10));
  EXPECT_TRUE(AverageBelowOne(9, 10));
  EXPECT_FALSE(AverageBelowOne(19, 20));  // 0.95 shows as 1.0
}

TEST(RecoYearTest, SettingsAreClampedAndCutAt2050) {
  YearTestSettings s{2045, 1, 10};
  s.Clamp();
  EXPECT_EQ(s.allYears, 5);
  EXPECT_EQ(s.singleYears, 1);
  YearTestSettings low{1500, 0, 200};
  low.Clamp();
  EXPECT_EQ(low.testYear, 1600);
  EXPECT_EQ(low.singleYears, 1);
  EXPECT_EQ(low.allYears, 100);
  YearTestSettings last{2100, 3, 3};
  last.Clamp();
  EXPECT_EQ(last.testYear, 2049);
  EXPECT_EQ(last.singleYears, 1);
}

TEST(RecoYearTest, SymbolTextPicturesTheDay) {
  MoonDayRecord r = EmptyMoonRecord();
  r.SetSunSign(3);
  r.SetMoonSign(5);
  r.SetSunConstellation(4);
  r.SetMoonConstellation(6);
  r.SetAscending(true);
  r.SetEventTime(MoonEvent::Height, 600);
  r.SetApproaching(false);
  r.SetNodeKind(1);
  r.SetEventTime(MoonEvent::Node, 100);
  const char phase = static_cast<char>(PhasePicture(r) + 135);
  EXPECT_EQ(DaySymbolText(r, false), std::string("a S   ") + phase + " U   p  w  n");
  EXPECT_EQ(DaySymbolText(r, true), std::string("a T   ") + phase + " V   p  w  n");
  r.SetEventTime(MoonEvent::Height, kNoEvent);
  r.SetEventTime(MoonEvent::Node, kNoEvent);
  r.SetAscending(false);
  r.SetApproaching(true);
  r.SetEventTime(MoonEvent::Distance, 30);
  EXPECT_EQ(DaySymbolText(r, false), std::string("a S   ") + phase + " U   s  t  ");
}

}  // namespace
}  // namespace tw
