#include "reco/reco_selection.h"

#include <gtest/gtest.h>

#include <cstring>

#include "reco_test_util.h"

namespace tw {
namespace {

using testing::MakeReco;

RecoTables GroupTables() {
  RecoTables t;
  t.Occupy(0, MakeReco("Gruppe", 1, -5));
  t.Occupy(1, MakeReco("a", 1, 5));
  t.Occupy(2, MakeReco("b", 1, 5));
  t.Occupy(3, MakeReco("c", 1, 5));
  t.Occupy(4, MakeReco("allein", 1));
  t.Occupy(5, MakeReco("gesund", 2));
  return t;
}

TEST(RecoSelectionTree, HeaderStatesAndClicksOverThreeMembers) {
  RecoTables t = GroupTables();
  RecoDisplayOrder o = BuildDisplayOrder(t);
  SlotMap m;
  m.Set(2, true);
  EXPECT_EQ(ItemMemberState(t, o, 0, m), MemberState::Some);
  EXPECT_EQ(ItemMemberState(t, o, 2, m), MemberState::All);
  EXPECT_EQ(ItemMemberState(t, o, 1, m), MemberState::None);
  ClickSelectionItem(t, o, 0, m);  // not all in: all in
  for (int s : {1, 2, 3}) EXPECT_TRUE(m.Get(s));
  EXPECT_FALSE(m.Get(0));  // the header itself never becomes a member
  EXPECT_EQ(ItemMemberState(t, o, 0, m), MemberState::All);
  ClickSelectionItem(t, o, 0, m);  // all in: all out
  for (int s : {1, 2, 3}) EXPECT_FALSE(m.Get(s));
}

TEST(RecoSelectionTree, CategoryAndRootCountRecommendationsOnly) {
  RecoTables t = GroupTables();
  RecoDisplayOrder o = BuildDisplayOrder(t);
  SlotMap m;
  for (int s : {1, 2, 3, 4}) m.Set(s, true);
  EXPECT_EQ(ItemMemberState(t, o, -1, m), MemberState::All);  // header 0 not needed
  EXPECT_EQ(ItemMemberState(t, o, -9, m), MemberState::Some);
  EXPECT_EQ(ItemMemberState(t, o, -3, m), MemberState::None);   // empty category
  ClickSelectionItem(t, o, -9, m);
  EXPECT_TRUE(m.Get(5));
  EXPECT_EQ(ItemMemberState(t, o, -9, m), MemberState::All);
  ClickSelectionItem(t, o, -9, m);
  for (int s = 0; s < 6; ++s) EXPECT_FALSE(m.Get(s));
  ClickSelectionItem(t, o, 4, m);
  EXPECT_TRUE(m.Get(4));
  ClickSelectionItem(t, o, -1, m);  // some in: all in
  for (int s : {1, 2, 3, 4}) EXPECT_TRUE(m.Get(s));
}

TEST(RecoSelectionEntries, NewRenameApplyDelete) {
  RecoTables t;
  SlotMap m;
  m.Set(7, true);
  const int e = NewSelection(t, m);
  ASSERT_EQ(e, 2);
  EXPECT_STREQ(t.selections[e].name, "?");
  EXPECT_TRUE(t.selections[e].members.Get(7));
  EXPECT_TRUE(t.selDirty);
  RenameSelection(t, e, "Ein Name mit mehr als neunundzwanzig Zeichen");
  EXPECT_EQ(std::strlen(t.selections[e].name), 29u);
  SlotMap other;
  other.Set(9, true);
  EXPECT_TRUE(ApplySelectionMap(t, e, other));
  EXPECT_FALSE(t.selections[e].members.Get(7));
  EXPECT_FALSE(ApplySelectionMap(t, 0, other));  // fixed entries keep their maps
  EXPECT_FALSE(ApplySelectionMap(t, 1, other));
  EXPECT_TRUE(t.selections[0].members.Get(100));
  EXPECT_TRUE(DeleteSelection(t, e));
  EXPECT_EQ(t.selections[e].inUse, 0);
  EXPECT_TRUE(t.selections[e].members.Get(9));  // kept until reused
  EXPECT_FALSE(DeleteSelection(t, 1));
  EXPECT_EQ(NewSelection(t, m), 2);  // reused, with the new map
  EXPECT_FALSE(t.selections[2].members.Get(9));
  for (int k = 3; k < kRecoSelEntries; ++k) t.selections[k].inUse = 1;
  EXPECT_EQ(NewSelection(t, m), -1);
}

TEST(RecoSelectionEntries, CancelRestoresMembershipsButKeepsRenames) {
  RecoTables t;
  t.selections[2].inUse = 1;
  t.selections[3].inUse = 1;
  t.selections[3].members.Set(4, true);
  const SelectionMembership backup = MembershipOf(t, 4);
  FlipMembership(t, 2, 4);
  FlipMembership(t, 3, 4);
  RenameSelection(t, 2, "Neu");
  EXPECT_TRUE(t.selections[2].members.Get(4));
  EXPECT_FALSE(t.selections[3].members.Get(4));
  RestoreMembership(t, 4, backup);
  EXPECT_FALSE(t.selections[2].members.Get(4));
  EXPECT_TRUE(t.selections[3].members.Get(4));
  EXPECT_STREQ(t.selections[2].name, "Neu");
  EXPECT_TRUE(t.selections[0].members.Get(4));  // the fixed maps are untouched
  FlipMembership(t, 0, 4);
  EXPECT_TRUE(t.selections[0].members.Get(4));
}

}  // namespace
}  // namespace tw
