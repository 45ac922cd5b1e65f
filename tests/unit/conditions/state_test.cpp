#include <gtest/gtest.h>

#include "condition_test_util.h"
#include "reco/condition_state.h"

namespace tw {
namespace {

TEST(ConditionStateLoad, FreshStateHasNoConditionsAndOneEmptyFixedDay) {
  ConditionState st;
  for (int i = 0; i < kCondEntryCount; ++i) EXPECT_EQ(st.State(i), 0) << i;
  EXPECT_EQ(st.node(kCondSignSwitch).label, kCondSwitchBothLabel);
  EXPECT_TRUE(st.IsShown(kCondFirstFixedDay));
  EXPECT_FALSE(st.IsShown(kCondFirstFixedDay + 1));
  EXPECT_TRUE(st.IsShown(kCondOtherDays));
}

TEST(ConditionStateLoad, TakesEveryFieldIncludingTheHighPhaseHalf) {
  RecoRecord r;
  r.monthCond = 0x555955;                 // slot 5 required, the other months excluded
  r.phaseCond = uint64_t{1} << (2 * 20);  // slot 20 excluded: entry 22
  r.seasonCond = 2 << 6;                  // winter required
  r.weekdayCond = 1 << 12;                // Sunday excluded
  r.signsEither = 3;
  ConditionState st;
  st.Load(r);
  for (int m = 0; m < 12; ++m) EXPECT_EQ(st.State(kMonth0 + m), m == 5 ? 2 : 1) << m;
  EXPECT_EQ(st.State(kCondMonthCategory), kCondMixed);
  EXPECT_EQ(st.State(22), kCondExcluded);
  EXPECT_EQ(st.State(18), kCondMixed) << "one excluded among any";
  EXPECT_EQ(st.State(3), kCondAny);
  EXPECT_EQ(st.State(kCondPhaseCategory), kCondMixed);
  EXPECT_EQ(st.State(118), kCondRequired);
  EXPECT_EQ(st.State(kCondSeasonCategory), kCondRequired) << "required among any";
  EXPECT_EQ(st.State(kWeekday0 + 6), kCondExcluded);
  EXPECT_EQ(st.State(kCondSignSwitch), 3);
  EXPECT_EQ(st.node(kCondSignSwitch).label, kCondSwitchEitherLabel);
  EXPECT_EQ(st.State(kCondRootEntry), 1);
}

TEST(ConditionStateLoad, ReloadingForgetsThePreviousRecord) {
  RecoRecord a;
  a.nodeCond = 0x3FFFFFFF;  // every node slot "mixed" as stored garbage
  a.signsEither = 1;
  a.fixedDays[0] = MakeFixedDay(2412, kCondRequired);
  ConditionState st;
  st.Load(a);
  EXPECT_EQ(st.State(kCondNodeCategory), 3);
  EXPECT_EQ(st.node(kCondSignSwitch).label, kCondSwitchEitherLabel) << "any non-zero is either";
  st.Load(RecoRecord{});
  for (int i = 0; i < kCondEntryCount; ++i) EXPECT_EQ(st.State(i), 0) << i;
  EXPECT_EQ(st.FixedDayCount(), 0);
  EXPECT_EQ(st.node(kCondSignSwitch).label, kCondSwitchBothLabel);
}

TEST(ConditionNodeStates, CombineLeavesAsTheLegendShows) {
  ConditionState st;
  auto weekdays = [&](std::initializer_list<int> states) {
    int k = 0;
    for (int s : states) st.SetLeaf(kWeekday0 + k++, s);
    st.ComputeNodeStates();
    return st.State(kCondWeekdayCategory);
  };
  EXPECT_EQ(weekdays({0, 0, 0, 0, 0, 0, 0}), 0);
  EXPECT_EQ(weekdays({1, 1, 1, 1, 1, 1, 1}), 1);
  EXPECT_EQ(weekdays({2, 0, 0, 0, 0, 0, 0}), 2);
  EXPECT_EQ(weekdays({2, 2, 2, 2, 2, 2, 2}), 2);
  EXPECT_EQ(weekdays({2, 1, 1, 1, 1, 1, 1}), 3);
  EXPECT_EQ(weekdays({1, 0, 0, 0, 0, 0, 0}), 3);
  EXPECT_EQ(st.State(kCondRootEntry), 1);
  weekdays({0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(st.State(kCondRootEntry), 0);
}

TEST(ConditionNodeStates, EmptyFixedDaysDoNotCount) {
  RecoRecord r;
  r.otherDays = 1 << 14;
  r.fixedDays[4] = 1 << 14;  // a state without a day is dropped
  ConditionState st;
  st.Load(r);
  EXPECT_EQ(st.State(kCondOtherDays), 1);
  EXPECT_EQ(st.State(kCondFirstFixedDay + 4), 0);
  EXPECT_EQ(st.State(kCondFixedCategory), 1) << "all counted leaves excluded";
}

TEST(ConditionFixedDays, LoadKeepsTheDaysTogetherWithOneEmptyLeafAfterThem) {
  RecoRecord r;
  r.fixedDays[2] = MakeFixedDay(2412, kCondRequired);
  r.fixedDays[5] = MakeFixedDay(3803, kCondExcluded);
  ConditionState st;
  st.Load(r);
  EXPECT_EQ(st.FixedDayCount(), 2);
  EXPECT_EQ(st.node(kCondFirstFixedDay).dayCode, 2412);
  EXPECT_EQ(st.State(kCondFirstFixedDay), 2);
  EXPECT_EQ(st.node(kCondFirstFixedDay + 1).dayCode, 3803);
  EXPECT_EQ(st.State(kCondFirstFixedDay + 1), 1);
  EXPECT_TRUE(st.IsShown(kCondFirstFixedDay + 2));
  EXPECT_FALSE(st.HasDay(kCondFirstFixedDay + 2));
  for (int k = 3; k < kCondFixedDayCount; ++k) EXPECT_FALSE(st.IsShown(kCondFirstFixedDay + k)) << k;
  FakeConditionTexts texts;
  EXPECT_EQ(st.LabelText(kCondFirstFixedDay, texts), "Tag 24.12.");
  EXPECT_EQ(st.LabelText(kCondFirstFixedDay + 1, texts), "Tag M3688");
  EXPECT_EQ(st.LabelText(kCondFirstFixedDay + 2, texts), "Tag ?");
}

TEST(ConditionFixedDays, ChoosingADayShowsANewEmptyLeafBelowIt) {
  ConditionState st;
  EXPECT_TRUE(st.SetFixedDay(kCondFirstFixedDay, 2412));
  EXPECT_EQ(st.node(kCondFirstFixedDay).dayCode, 2412);
  EXPECT_TRUE(st.IsShown(kCondFirstFixedDay + 1));
  EXPECT_FALSE(st.HasDay(kCondFirstFixedDay + 1));
  EXPECT_FALSE(st.IsShown(kCondFirstFixedDay + 2));
  EXPECT_FALSE(st.SetFixedDay(kCondFirstFixedDay, 2412)) << "same day is no change";
  EXPECT_FALSE(st.SetFixedDay(kCondFirstFixedDay + 5, 101)) << "hidden leaves take no day";
  EXPECT_EQ(st.FixedDayCount(), 1);
}

TEST(ConditionFixedDays, AllThirtyOneUsedShowNoEmptyLeaf) {
  ConditionState st;
  for (int k = 0; k < kCondFixedDayCount; ++k)
    ASSERT_TRUE(st.SetFixedDay(kCondFirstFixedDay + k, 101 + k * 100)) << k;
  EXPECT_EQ(st.FixedDayCount(), 31);
  for (int k = 0; k < kCondFixedDayCount; ++k) {
    EXPECT_TRUE(st.IsShown(kCondFirstFixedDay + k));
    EXPECT_TRUE(st.HasDay(kCondFirstFixedDay + k));
  }
}

TEST(ConditionFixedDays, DeletingADayResetsItsStateAndKeepsOneEmptyLeaf) {
  ConditionState st;
  st.SetFixedDay(kCondFirstFixedDay, 101);
  st.SetFixedDay(kCondFirstFixedDay + 1, 3803);
  st.SetFixedDay(kCondFirstFixedDay + 2, 2412);
  st.SetLeaf(kCondFirstFixedDay + 1, kCondExcluded);
  st.SetLeaf(kCondFirstFixedDay + 2, kCondRequired);
  EXPECT_TRUE(st.ClearFixedDay(kCondFirstFixedDay + 1));
  EXPECT_EQ(st.FixedDayCount(), 2);
  EXPECT_EQ(st.node(kCondFirstFixedDay + 1).dayCode, 2412);
  EXPECT_EQ(st.State(kCondFirstFixedDay + 1), kCondRequired) << "the later day moved up with its state";
  EXPECT_EQ(st.State(kCondFirstFixedDay + 2), kCondAny);
  EXPECT_TRUE(st.IsShown(kCondFirstFixedDay + 2));
  EXPECT_FALSE(st.IsShown(kCondFirstFixedDay + 3));
  EXPECT_FALSE(st.ClearFixedDay(kCondFirstFixedDay + 2)) << "an empty leaf has nothing to clear";
  EXPECT_TRUE(st.SetFixedDay(kCondFirstFixedDay, 0)) << "choosing no day deletes";
  EXPECT_EQ(st.node(kCondFirstFixedDay).dayCode, 2412);
  EXPECT_EQ(st.FixedDayCount(), 1);
}

TEST(ConditionFixedDays, EmptyLeafRefusesAState) {
  ConditionState st;
  EXPECT_FALSE(st.SetLeaf(kCondFirstFixedDay, kCondRequired));
  EXPECT_EQ(st.State(kCondFirstFixedDay), 0);
  EXPECT_FALSE(st.SetSubtree(kCondFixedCategory, kCondExcluded) &&
               st.State(kCondFirstFixedDay) != 0);
  EXPECT_EQ(st.State(kCondFirstFixedDay), 0);
  EXPECT_EQ(st.State(kCondOtherDays), kCondExcluded);
}

}  // namespace
}  // namespace tw
