#include <gtest/gtest.h>

#include "condition_test_util.h"
#include "reco/condition_clicks.h"

namespace tw {
namespace {

std::vector<int> States(const ConditionState& st, int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(st.State(i));
  return v;
}

TEST(ConditionClick, RequiringAMonthExcludesTheOthers) {
  ConditionState st;
  EXPECT_TRUE(ClickCondition(st, kMonth0 + 5));
  for (int m = 0; m < 12; ++m) EXPECT_EQ(st.State(kMonth0 + m), m == 5 ? 2 : 1) << m;
  EXPECT_EQ(st.State(kCondMonthCategory), kCondMixed);
  // Twice more: excluded, then any; the others stay excluded.
  ClickCondition(st, kMonth0 + 5);
  EXPECT_EQ(st.State(kMonth0 + 5), kCondExcluded);
  EXPECT_EQ(st.State(kCondMonthCategory), kCondExcluded);
  ClickCondition(st, kMonth0 + 5);
  EXPECT_EQ(st.State(kMonth0 + 5), kCondAny);
  for (int m = 0; m < 12; ++m)
    if (m != 5) {
      EXPECT_EQ(st.State(kMonth0 + m), kCondExcluded) << m;
    }
  EXPECT_EQ(st.State(kCondMonthCategory), kCondMixed);
}

TEST(ConditionClick, ASecondRequiredValueLeavesTheOthersAlone) {
  ConditionState st;
  ClickCondition(st, kMonth0 + 5);
  ClickCondition(st, kMonth0 + 6);  // excluded -> any
  ClickCondition(st, kMonth0 + 6);  // any -> required, category is no longer all any
  EXPECT_EQ(st.State(kMonth0 + 6), kCondRequired);
  EXPECT_EQ(st.State(kMonth0 + 5), kCondRequired);
  EXPECT_EQ(st.State(kMonth0 + 7), kCondExcluded);
}

TEST(ConditionClick, CategoryCyclesAllItsLeavesAndMixedBecomesRequired) {
  ConditionState st;
  ClickCondition(st, kCondPhaseCategory);
  for (int i = 2; i <= 31; ++i)
    if (IsConditionLeaf(i)) {
      EXPECT_EQ(st.State(i), kCondRequired) << i;
    }
  ClickCondition(st, kCondPhaseCategory);
  EXPECT_EQ(st.State(kCondPhaseCategory), kCondExcluded);
  ClickCondition(st, kCondPhaseCategory);
  EXPECT_EQ(st.State(kCondPhaseCategory), kCondAny);

  st.SetLeaf(2, kCondExcluded);
  st.ComputeNodeStates();
  ASSERT_EQ(st.State(kCondPhaseCategory), kCondMixed);
  ClickCondition(st, kCondPhaseCategory);
  EXPECT_EQ(st.State(kCondPhaseCategory), kCondRequired);
  EXPECT_EQ(st.State(2), kCondRequired);
}

TEST(ConditionClick, SignCategoryLeavesTheSwitchAlone) {
  ConditionState st;
  ClickCondition(st, kCondSignSwitch);
  ClickCondition(st, kCondSignsCategory);  // required
  ClickCondition(st, kCondSignsCategory);  // excluded
  EXPECT_EQ(st.State(kMoonSign0), kCondExcluded);
  EXPECT_EQ(st.State(kSunSign0 + 11), kCondExcluded);
  EXPECT_EQ(st.State(kCondSignSwitch), 3);
  EXPECT_EQ(st.node(kCondSignSwitch).label, kCondSwitchEitherLabel);
}

TEST(ConditionClick, SubgroupRequiredExcludesTheRestOfAnUntouchedCategory) {
  ConditionState st;
  EXPECT_TRUE(ClickCondition(st, 3));  // waxing phases
  for (int i = 4; i <= 16; ++i) EXPECT_EQ(st.State(i), kCondRequired) << i;
  EXPECT_EQ(st.State(2), kCondExcluded);
  EXPECT_EQ(st.State(17), kCondExcluded);
  EXPECT_EQ(st.State(18), kCondExcluded);
  EXPECT_EQ(st.State(25), kCondExcluded);
  EXPECT_EQ(st.State(3), kCondRequired);
  EXPECT_EQ(st.State(kCondPhaseCategory), kCondMixed);
}

TEST(ConditionClick, LeafInUntouchedSubgroupOfTouchedCategoryExcludesOnlyTheSubgroup) {
  ConditionState st;
  st.SetLeaf(2, kCondExcluded);  // new moon excluded: the category is no longer all any
  st.ComputeNodeStates();
  ClickCondition(st, 22);
  EXPECT_EQ(st.State(22), kCondRequired);
  for (int i = 19; i <= 31; ++i)
    if (i != 22) {
      EXPECT_EQ(st.State(i), kCondExcluded) << i;
    }
  EXPECT_EQ(States(st, 4, 16), std::vector<int>(13, 0)) << "the other subgroup is untouched";
  EXPECT_EQ(st.State(17), kCondAny);
}

TEST(ConditionClick, SignLeafExcludesOnlyItsOwnSubgroup) {
  ConditionState st;
  ClickCondition(st, kMoonSign0 + 3);
  for (int s = 0; s < 12; ++s) {
    EXPECT_EQ(st.State(kMoonSign0 + s), s == 3 ? 2 : 1) << s;
    EXPECT_EQ(st.State(kSunSign0 + s), 0) << s;
  }
  EXPECT_EQ(st.State(kCondSignSwitch), 0);
}

TEST(ConditionClick, SignSubgroupRequiredDoesNotExcludeTheOtherSubgroup) {
  ConditionState st;
  ClickCondition(st, kCondSunSignGroup);
  EXPECT_EQ(States(st, kSunSign0, kSunSign0 + 11), std::vector<int>(12, 2));
  EXPECT_EQ(States(st, kMoonSign0, kMoonSign0 + 11), std::vector<int>(12, 0));
}

TEST(ConditionClick, SwitchTogglesBetweenBothAndEither) {
  ConditionState st;
  EXPECT_TRUE(ClickCondition(st, kCondSignSwitch));
  EXPECT_EQ(st.State(kCondSignSwitch), 3);
  EXPECT_EQ(st.node(kCondSignSwitch).label, kCondSwitchEitherLabel);
  EXPECT_TRUE(ClickCondition(st, kCondSignSwitch));
  EXPECT_EQ(st.State(kCondSignSwitch), 0);
  EXPECT_EQ(st.node(kCondSignSwitch).label, kCondSwitchBothLabel);
  EXPECT_EQ(st.State(kCondRootEntry), 0) << "the switch alone is no condition";
}

TEST(ConditionClick, RootAndEmptyFixedDayIgnoreClicks) {
  ConditionState st;
  EXPECT_FALSE(ClickCondition(st, kCondRootEntry));
  EXPECT_FALSE(ClickCondition(st, kCondFirstFixedDay));
  EXPECT_EQ(st.State(kCondFirstFixedDay), 0);
  EXPECT_EQ(st.State(kCondOtherDays), 0);
}

TEST(ConditionClick, FixedDayRequiredExcludesEveryOtherDay) {
  ConditionState st;
  st.SetFixedDay(kCondFirstFixedDay, 2412);
  EXPECT_TRUE(ClickCondition(st, kCondFirstFixedDay));
  EXPECT_EQ(st.State(kCondFirstFixedDay), kCondRequired);
  EXPECT_EQ(st.State(kCondOtherDays), kCondExcluded);
  EXPECT_EQ(st.State(kCondFirstFixedDay + 1), kCondAny) << "the empty leaf stays any";
}

TEST(ConditionShiftClick, RangeTakesTheSelectedState) {
  ConditionState st;
  ClickCondition(st, kMonth0 + 2);  // required, others excluded
  EXPECT_TRUE(ShiftClickCondition(st, kMonth0 + 2, kMonth0 + 6));
  EXPECT_EQ(States(st, kMonth0, kMonth0 + 11),
            (std::vector<int>{1, 1, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1}));
  // Upwards as well.
  EXPECT_TRUE(ShiftClickCondition(st, kMonth0 + 11, kMonth0 + 4));
  EXPECT_EQ(States(st, kMonth0, kMonth0 + 11),
            (std::vector<int>{1, 1, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(ConditionShiftClick, RefusedForMixedSelectionOrCategoryTarget) {
  ConditionState st;
  ClickCondition(st, kMonth0 + 2);
  ASSERT_EQ(st.State(kCondMonthCategory), kCondMixed);
  EXPECT_FALSE(ShiftClickCondition(st, kCondMonthCategory, kMonth0 + 11));
  EXPECT_FALSE(ShiftClickCondition(st, kMonth0 + 2, kCondWeekdayCategory));
  EXPECT_EQ(st.State(133), kCondAny);
  EXPECT_FALSE(ShiftClickCondition(st, kCondSignSwitch, kSunSign0 + 3));
}

TEST(ConditionShiftClick, SubgroupBelowTheSelectionExtendsToItsEnd) {
  ConditionState st;
  st.SetLeaf(33, kCondExcluded);  // height slot 0
  st.ComputeNodeStates();
  EXPECT_TRUE(ShiftClickCondition(st, 33, 43));
  for (int i = 33; i <= 50; ++i)
    if (IsConditionLeaf(i)) {
      EXPECT_EQ(st.State(i), kCondExcluded) << i;
    }
  EXPECT_EQ(st.State(kCondHeightCategory), kCondExcluded);
}

TEST(ConditionShiftClick, RangeOverTheSwitchKeepsIt) {
  ConditionState st;
  ClickCondition(st, kCondSignSwitch);
  st.SetLeaf(kMoonSign0 + 10, kCondRequired);
  st.ComputeNodeStates();
  ShiftClickCondition(st, kMoonSign0 + 10, kSunSign0 + 1);
  EXPECT_EQ(st.State(kCondSignSwitch), 3);
  EXPECT_EQ(st.State(kSunSign0 + 1), kCondRequired);
  EXPECT_EQ(st.State(kSunSign0 + 2), kCondAny);
}

TEST(ConditionPaint, DragCarriesTheNodeStateWithMixedAsAny) {
  ConditionState st;
  ClickCondition(st, kMonth0 + 1);
  EXPECT_EQ(ConditionDragState(st, kMonth0 + 1), kCondRequired);
  EXPECT_EQ(ConditionDragState(st, kMonth0), kCondExcluded);
  EXPECT_EQ(ConditionDragState(st, kCondMonthCategory), kCondAny);
  EXPECT_EQ(ConditionDragState(st, kCondRootEntry), -1);
  EXPECT_EQ(ConditionDragState(st, kCondSignSwitch), -1);
}

TEST(ConditionPaint, LeavesCollapsedAndExpandedNodes) {
  ConditionState st;
  EXPECT_TRUE(PaintCondition(st, 133, kCondExcluded, false));
  EXPECT_EQ(st.State(133), kCondExcluded);
  EXPECT_FALSE(PaintCondition(st, 133, kCondExcluded, false));

  EXPECT_TRUE(PaintCondition(st, 43, kCondRequired, false));  // collapsed subgroup
  for (int i = 44; i <= 50; ++i) EXPECT_EQ(st.State(i), kCondRequired) << i;

  st.ComputeNodeStates();
  ASSERT_EQ(st.State(kCondHeightCategory), kCondRequired);
  EXPECT_TRUE(PaintCondition(st, kCondHeightCategory, kCondExcluded, true));  // expanded
  EXPECT_EQ(st.State(kCondHeightCategory), 0) << "only its own bits";
  EXPECT_EQ(st.State(44), kCondRequired);
  st.ComputeNodeStates();
  EXPECT_EQ(st.State(kCondHeightCategory), kCondRequired);

  EXPECT_FALSE(PaintCondition(st, kCondRootEntry, kCondExcluded, false));
  EXPECT_FALSE(PaintCondition(st, kCondSignSwitch, kCondExcluded, false));
  EXPECT_EQ(st.State(kCondSignSwitch), 0);
  EXPECT_FALSE(PaintCondition(st, kCondFirstFixedDay, kCondExcluded, false));
  EXPECT_TRUE(ConditionPaintRefused(kCondRootEntry, false));
  EXPECT_TRUE(ConditionPaintRefused(kCondHeightCategory, true));
  EXPECT_FALSE(ConditionPaintRefused(kCondHeightCategory, false));
  EXPECT_FALSE(ConditionPaintRefused(44, true));
}

}  // namespace
}  // namespace tw
