#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "reco/condition_catalogue.h"
#include "reco/reco_record.h"

namespace tw {
namespace {

uint32_t Flags(int i) { return kConditionCatalogue[i].flags; }
bool Has(int i, uint32_t f) { return (Flags(i) & f) != 0; }

TEST(ConditionCatalogue, HasOneEndMarkerAfterEntry172) {
  for (int i = 0; i < kCondEntryCount; ++i) EXPECT_FALSE(Has(i, kCondEnd)) << i;
  EXPECT_TRUE(Has(kCondEntryCount, kCondEnd));
  for (int i = 0; i <= kCondEntryCount; ++i) EXPECT_EQ(Flags(i) & kCondStateMask, 0u) << i;
}

TEST(ConditionCatalogue, EveryEntryIsExactlyOneKind) {
  for (int i = 0; i < kCondEntryCount; ++i) {
    const int kinds = Has(i, kCondRoot) + IsConditionCategory(i) + IsConditionSubgroup(i) +
                      IsConditionLeaf(i) + Has(i, kCondSwitch);
    EXPECT_EQ(kinds, 1) << i;
  }
  EXPECT_TRUE(Has(kCondSignSwitch, kCondSwitch));
  EXPECT_TRUE(Has(kCondSignSwitch, kCondNoImage));
}

TEST(ConditionCatalogue, CategoriesTileTheTreeWithTheirLeafCounts) {
  const std::vector<std::pair<int, int>> expected = {
      {kCondPhaseCategory, 28}, {kCondHeightCategory, 16}, {kCondDistanceCategory, 16},
      {kCondSignsCategory, 24}, {kCondNodeCategory, 15},   {kCondSeasonCategory, 4},
      {kCondMonthCategory, 12}, {kCondWeekdayCategory, 7}, {kCondFixedCategory, 32}};
  int next = 1;
  for (auto [c, count] : expected) {
    EXPECT_EQ(c, next) << "category starts right after the previous one";
    ASSERT_TRUE(IsConditionCategory(c));
    int leaves = 0;
    for (int j = c + 1; j <= ConditionNodeEnd(c); ++j) {
      EXPECT_FALSE(IsConditionCategory(j)) << j;
      EXPECT_EQ(ConditionCategoryOf(j), c) << j;
      if (IsConditionLeaf(j)) ++leaves;
    }
    EXPECT_EQ(leaves, count) << "category " << c;
    EXPECT_TRUE(Has(ConditionNodeEnd(c), kCondLastOfCategory));
    next = ConditionNodeEnd(c) + 1;
  }
  EXPECT_EQ(next, kCondEntryCount);
  EXPECT_EQ(ConditionNodeEnd(kCondRootEntry), kCondEntryCount - 1);
}

TEST(ConditionCatalogue, ParentAndChildFlagsAgree) {
  for (int i = 1; i < kCondEntryCount; ++i) {
    const int c = ConditionCategoryOf(i);
    const int s = ConditionSubgroupOf(i);
    const int parent = ConditionParentOf(i);
    ASSERT_GE(parent, 0) << i;
    EXPECT_LT(parent, i) << i;
    EXPECT_LE(i, ConditionNodeEnd(parent)) << "inside its parent's subtree " << i;
    EXPECT_TRUE(Has(parent, kCondHasChildren)) << i;
    if (IsConditionCategory(i)) {
      EXPECT_EQ(parent, kCondRootEntry);
      EXPECT_TRUE(Has(i, kCondHasChildren)) << i;
      EXPECT_FALSE(Has(i, kCondCategoryChild | kCondSubgroupLeaf)) << i;
      continue;
    }
    if (Has(i, kCondSubgroupLeaf)) {
      ASSERT_GE(s, 0) << i;
      EXPECT_FALSE(Has(i, kCondCategoryChild)) << i;
      EXPECT_TRUE(IsConditionLeaf(i)) << i;
      EXPECT_EQ(ConditionCategoryOf(s), c) << i;
      EXPECT_LE(i, ConditionNodeEnd(s)) << i;
      EXPECT_EQ(Has(i, kCondFirstSubgroupLeaf), i == s + 1) << i;
      EXPECT_EQ(Has(i, kCondLastSubgroupLeaf), i == ConditionNodeEnd(s)) << i;
    } else {
      EXPECT_TRUE(Has(i, kCondCategoryChild)) << "direct child of a category " << i;
      EXPECT_EQ(s, -1) << i;
      EXPECT_FALSE(Has(i, kCondFirstSubgroupLeaf | kCondLastSubgroupLeaf)) << i;
    }
    EXPECT_EQ(Has(i, kCondLastOfCategory), i == ConditionNodeEnd(c)) << i;
  }
  // First direct leaf of each category, and the second of two subgroups.
  for (int c = 1; c < kCondEntryCount; ++c) {
    if (!IsConditionCategory(c)) continue;
    int firstDirect = -1, groups = 0;
    for (int j = c + 1; j <= ConditionNodeEnd(c); ++j) {
      if (Has(j, kCondCategoryChild) && IsConditionLeaf(j) && firstDirect < 0) firstDirect = j;
      if (IsConditionSubgroup(j)) {
        ++groups;
        EXPECT_EQ(Has(j, kCondSecondSubgroup), groups == 2) << j;
      }
      if (IsConditionLeaf(j)) {
        EXPECT_EQ(Has(j, kCondSecondSubgroup), j == ConditionNodeEnd(c)) << j;
      }
    }
    for (int j = c + 1; j <= ConditionNodeEnd(c); ++j)
      EXPECT_EQ(Has(j, kCondFirstDirectLeaf), j == firstDirect) << j;
  }
}

// Each field's leaves, in tree order, run through its slots 0..n-1.
TEST(ConditionCatalogue, LeavesRunThroughTheirFieldSlotsInOrder) {
  const std::map<int, int> slotsPerField = {
      {kOffPhaseCond, 14}, {kOffPhaseCondHigh, 14}, {kOffHeightCond, 16},
      {kOffDistanceCond, 16}, {kOffNodeCond, 15},   {kOffMoonSignCond, 12},
      {kOffSunSignCond, 12},  {kOffMonthCond, 12},  {kOffWeekdayCond, 7},
      {kOffSeasonCond, 4}};
  std::map<int, std::vector<int>> seen;
  for (int i = 0; i < kCondEntryCount; ++i) {
    if (!IsConditionLeaf(i) || IsDayWordEntry(i)) continue;
    seen[kConditionCatalogue[i].offset].push_back(kConditionCatalogue[i].shift / 2);
    EXPECT_EQ(kConditionCatalogue[i].shift % 2, 0) << i;
  }
  EXPECT_EQ(seen.size(), slotsPerField.size());
  for (auto [offset, count] : slotsPerField) {
    std::vector<int> want(count);
    for (int k = 0; k < count; ++k) want[k] = k;
    EXPECT_EQ(seen[offset], want) << "field at " << offset;
  }
  for (int k = 0; k < kCondFixedDayCount; ++k) {
    EXPECT_EQ(kConditionCatalogue[kCondFirstFixedDay + k].offset, kOffFixedDays + 2 * k);
    EXPECT_EQ(kConditionCatalogue[kCondFirstFixedDay + k].shift, 14);
  }
  EXPECT_EQ(kConditionCatalogue[kCondOtherDays].offset, kOffOtherDays);
  EXPECT_EQ(kConditionCatalogue[kCondOtherDays].shift, 14);
  EXPECT_EQ(kConditionCatalogue[kCondSignSwitch].offset, kOffSignsEither);
}

// Setting a leaf's two bits through the record codec changes exactly two bits of the
// 256-byte image, inside the leaf's field, and no two leaves share a bit.
TEST(ConditionCatalogue, EveryLeafOwnsTwoBitsOfItsOwnField) {
  uint8_t blank[kRecoRecordSize];
  RecoRecord{}.ToBytes(blank);
  std::set<int> used;
  for (int i = 0; i < kCondEntryCount; ++i) {
    if (!IsConditionLeaf(i)) continue;
    const ConditionEntry& e = kConditionCatalogue[i];
    const int width = ConditionFieldWidth(i);
    EXPECT_EQ(width, IsDayWordEntry(i) ? 2 : e.offset == kOffSeasonCond ? 1 : 4) << i;
    EXPECT_LE(e.shift + 2, width * 8) << i;
    EXPECT_LE(e.offset + width, 136) << "condition fields end before the run-time handles";
    RecoRecord r;
    r.SetFieldAt(e.offset, r.FieldAt(e.offset) | (3u << e.shift));
    uint8_t image[kRecoRecordSize];
    r.ToBytes(image);
    int changed = 0;
    for (int b = 0; b < kRecoRecordSize * 8; ++b) {
      const bool differs = ((image[b / 8] ^ blank[b / 8]) >> (b % 8)) & 1;
      if (!differs) continue;
      ++changed;
      EXPECT_GE(b / 8, e.offset) << i;
      EXPECT_LT(b / 8, e.offset + width) << i;
      EXPECT_TRUE(used.insert(b).second) << "entry " << i << " reuses bit " << b;
    }
    EXPECT_EQ(changed, 2) << "entry " << i;
  }
  EXPECT_EQ(used.size(), 154u * 2);
}

}  // namespace
}  // namespace tw
