#include "reco/reco_edit.h"

#include <gtest/gtest.h>

#include <cstring>

#include "reco_test_util.h"

namespace tw {
namespace {

using testing::MakeReco;

TEST(RecoEdit, NewRecommendationTakesCategoryAndGroupOfTheSelection) {
  RecoTables t;
  t.Occupy(0, MakeReco("Kopf", 2, -40));
  t.Occupy(1, MakeReco("Mitglied", 2, 40));
  t.Occupy(2, MakeReco("einzeln", 3));
  t.selections[2].inUse = 1;
  t.selections[2].members.Set(3, true);  // stale membership of the slot about to be reused
  t.records[3] = MakeReco("alt", 0, 7);
  t.records[3].monthCond = 0x1234;

  const int a = NewRecommendation(t, -1);
  EXPECT_EQ(a, 3);
  EXPECT_STREQ(t.records[a].name, "?");
  EXPECT_EQ(t.records[a].category, 1);
  EXPECT_EQ(t.records[a].groupLink, 0);
  EXPECT_EQ(t.records[a].monthCond, 0u);  // nothing of the old record survives
  EXPECT_FALSE(t.selections[2].members.Get(3));
  EXPECT_TRUE(t.used.Get(3));

  EXPECT_EQ(t.records[NewRecommendation(t, 0)].groupLink, 40);  // header selected
  EXPECT_EQ(t.records[NewRecommendation(t, 1)].groupLink, 40);  // member selected
  const int s = NewRecommendation(t, 2);
  EXPECT_EQ(t.records[s].groupLink, 0);
  EXPECT_EQ(t.records[s].category, 3);
  EXPECT_EQ(NewRecommendation(t, kRecoRootItem), -1);
  EXPECT_EQ(NewRecommendation(t, 700), -1);  // a free slot is no item
}

TEST(RecoEdit, NewGroupMakesHeaderAndFirstMemberWhileTwoSlotsAreFree) {
  RecoTables t;
  for (int n = 0; n < kRecoSlots - 3; ++n) t.Occupy(n, MakeReco("x", 1));
  int member = -1;
  const int header = NewGroup(t, -2, &member);
  ASSERT_EQ(header, kRecoSlots - 3);
  EXPECT_EQ(member, kRecoSlots - 2);
  EXPECT_EQ(t.records[header].groupLink, -41);  // the first number of the sequence
  EXPECT_EQ(t.records[header].category, 2);
  EXPECT_EQ(t.records[member].groupLink, 41);
  EXPECT_TRUE(t.FreeSlotsLow());
  EXPECT_EQ(NewGroup(t, -2, &member), -1);
  EXPECT_EQ(member, -1);
}

TEST(RecoEdit, DeletePlansAndDeletes) {
  RecoTables t;
  t.Occupy(0, MakeReco("Kopf", 1, -5));
  t.Occupy(1, MakeReco("a", 1, 5));
  t.Occupy(2, MakeReco("b", 1, 5));
  t.Occupy(3, MakeReco("einzeln", 1));
  t.Occupy(4, MakeReco("Kopf2", 1, -6));
  t.Occupy(5, MakeReco("letztes", 1, 6));

  EXPECT_EQ(PlanDelete(t, 0).messageId, kMsgRecoDeleteGroup);
  EXPECT_EQ(PlanDelete(t, 1).messageId, kMsgRecoDeleteOne);
  EXPECT_EQ(PlanDelete(t, 3).messageId, kMsgRecoDeleteOne);
  const RecoDeletePlan last = PlanDelete(t, 5);
  EXPECT_EQ(last.messageId, kMsgRecoDeleteLastMember);
  EXPECT_TRUE(last.wholeGroup);
  EXPECT_EQ(last.group, 6);
  EXPECT_EQ(PlanDelete(t, 100).messageId, 0);

  EXPECT_EQ(DeleteRecommendation(t, 5), (std::vector<int>{5, 4}));
  EXPECT_FALSE(t.used.Get(4));
  EXPECT_TRUE(t.selDirty);
  EXPECT_EQ(DeleteRecommendation(t, 1), std::vector<int>{1});
  EXPECT_TRUE(t.used.Get(0));
  // Now "b" is the last member: deleting it takes the header along.
  EXPECT_EQ(PlanDelete(t, 2).messageId, kMsgRecoDeleteLastMember);
  EXPECT_EQ(DeleteRecommendation(t, 2), (std::vector<int>{2, 0}));
  EXPECT_TRUE(DeleteRecommendation(t, 2).empty());
}

TEST(RecoEdit, RenameAcceptsEmptyAndCutsLongNames) {
  RecoTables t;
  t.Occupy(0, MakeReco("alt", 1));
  t.recoDirty = false;
  RenameRecommendation(t, 0, "");
  EXPECT_STREQ(t.records[0].name, "");
  EXPECT_TRUE(t.recoDirty);
  RenameRecommendation(t, 0, std::string(120, 'q').c_str());
  EXPECT_EQ(std::strlen(t.records[0].name), 99u);
}

TEST(RecoEdit, DropMovesIntoCategoriesAndGroups) {
  RecoTables t;
  t.Occupy(0, MakeReco("Kopf", 1, -5));
  t.Occupy(1, MakeReco("Mitglied", 1, 5));
  t.Occupy(2, MakeReco("einzeln", 2));
  t.Occupy(3, MakeReco("wandert", 3));
  int copy = 0;
  ASSERT_TRUE(DropRecommendation(t, 3, 0, false, &copy));
  EXPECT_EQ(copy, -1);
  EXPECT_EQ(t.records[3].category, 1);
  EXPECT_EQ(t.records[3].groupLink, 5);
  // A member dropped on a standalone record of another category becomes standalone there.
  ASSERT_TRUE(DropRecommendation(t, 1, 2, false, &copy));
  EXPECT_EQ(t.records[1].category, 2);
  EXPECT_EQ(t.records[1].groupLink, 0);
  ASSERT_TRUE(DropRecommendation(t, 1, 3, false, &copy));  // onto a member
  EXPECT_EQ(t.records[1].groupLink, 5);
  ASSERT_TRUE(DropRecommendation(t, 1, -3, false, &copy));
  EXPECT_EQ(t.records[1].category, 3);
  EXPECT_EQ(t.records[1].groupLink, 0);
  EXPECT_FALSE(DropRecommendation(t, 1, kRecoRootItem, false, &copy));
  EXPECT_FALSE(DropRecommendation(t, 0, -2, false, &copy));  // headers are not dragged
  EXPECT_FALSE(DropRecommendation(t, 1, 600, false, &copy));
}

TEST(RecoEdit, CopyingDropLeavesAnUnselectedCopyBehind) {
  RecoTables t;
  RecoRecord r = MakeReco("Bohnen", 1);
  r.monthCond = 0x555955;
  t.Occupy(0, r);
  t.selections[2].inUse = 1;
  t.selections[2].members.Set(0, true);
  t.selections[2].members.Set(1, true);  // stale bit of the slot the copy will take
  int copy = -1;
  ASSERT_TRUE(DropRecommendation(t, 0, -1, true, &copy));
  ASSERT_EQ(copy, 1);
  EXPECT_STREQ(t.records[1].name, "Bohnen");
  EXPECT_EQ(t.records[1].monthCond, 0x555955u);
  EXPECT_TRUE(t.selections[2].members.Get(0));   // the moved one keeps its memberships
  EXPECT_FALSE(t.selections[2].members.Get(1));  // the copy belongs to no selection

  // With every slot taken the drop moves instead.
  for (int n = 2; n < kRecoSlots; ++n) t.Occupy(n, MakeReco("x", 2));
  ASSERT_TRUE(DropRecommendation(t, 0, -2, true, &copy));
  EXPECT_EQ(copy, -1);
  EXPECT_EQ(t.records[0].category, 2);
}

TEST(RecoEdit, CountsLeaveOutHeaders) {
  RecoTables t;
  t.Occupy(0, MakeReco("Kopf", 1, -5));
  t.Occupy(1, MakeReco("a", 1, 5));
  t.Occupy(2, MakeReco("b", 1, 5));
  t.Occupy(3, MakeReco("c", 1));
  t.Occupy(4, MakeReco("leer", 3, -9));
  t.Occupy(5, MakeReco("d", 2));
  RecoCounts c = CountRecommendations(t, BuildDisplayOrder(t));
  EXPECT_EQ(c.perCategory[0], 3);
  EXPECT_EQ(c.perCategory[1], 1);
  EXPECT_EQ(c.perCategory[2], 0);
  EXPECT_EQ(c.total, 4);
}

}  // namespace
}  // namespace tw
