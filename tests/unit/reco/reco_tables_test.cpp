#include "reco/reco_tables.h"

#include <gtest/gtest.h>

#include "reco_test_util.h"

namespace tw {
namespace {

using testing::MakeReco;

TEST(RecoTables, FixedSelectionsAreForcedWhateverTheImageHolds) {
  std::vector<uint8_t> image(kRecoSelTableSize, 0x5A);
  RecoTables t;
  t.DecodeSelections(image.data());
  for (int n = 0; n < kRecoSlots; ++n) {
    ASSERT_TRUE(t.selections[0].members.Get(n));
    ASSERT_FALSE(t.selections[1].members.Get(n));
  }
  EXPECT_EQ(t.selections[0].inUse, 0x5A);  // flag and name are kept as stored
  // Any edit to the fixed maps is undone by encoding.
  t.selections[0].members.Set(3, false);
  t.selections[1].members.Set(3, true);
  std::vector<uint8_t> out(kRecoSelTableSize);
  t.EncodeSelections(out.data());
  EXPECT_EQ(out[32], 0xFF);
  EXPECT_EQ(out[128 + 32], 0x00);
}

TEST(RecoTables, AnyNonZeroCategoryOccupiesItsSlotAndHandlesAreCleared) {
  std::vector<uint8_t> image(kRecoTableSize, 0);
  image[5 * kRecoRecordSize + kOffCategory] = 200;
  image[5 * kRecoRecordSize + kOffListItem] = 0x77;
  image[6 * kRecoRecordSize + kOffSelItem + 3] = 0x77;
  RecoTables t;
  t.DecodeRecords(image.data());
  EXPECT_TRUE(t.used.Get(5));
  EXPECT_FALSE(t.used.Get(6));
  EXPECT_EQ(t.records[5].listItem, 0u);
  EXPECT_EQ(t.records[6].selItem, 0u);
  EXPECT_EQ(t.FirstFreeSlot(), 0);
}

TEST(RecoTables, FreeSlotCountsGateNewRecordsAndGroups) {
  RecoTables t;
  for (int n = 0; n < kRecoSlots - 2; ++n) t.Occupy(n, MakeReco("x", 1));
  EXPECT_EQ(t.FirstFreeSlot(), kRecoSlots - 2);
  EXPECT_FALSE(t.FreeSlotsLow());
  t.Occupy(kRecoSlots - 2, MakeReco("x", 1));
  EXPECT_TRUE(t.FreeSlotsLow());  // 767 occupied: the last slot is for copies only
  EXPECT_EQ(t.FirstFreeSlot(), kRecoSlots - 1);
  t.Occupy(kRecoSlots - 1, MakeReco("x", 1));
  EXPECT_EQ(t.FirstFreeSlot(), -1);
  t.Free(100);
  EXPECT_EQ(t.FirstFreeSlot(), 100);
  EXPECT_TRUE(t.recoDirty);
}

TEST(RecoTables, RemovingFromSelectionsTouchesOnlyUserEntriesInUse) {
  RecoTables t;
  t.selections[2].inUse = 1;
  t.selections[2].members.Set(7, true);
  t.selections[3].inUse = 0;  // a deleted entry keeps its old map
  t.selections[3].members.Set(7, true);
  t.RemoveFromSelections(7);
  EXPECT_FALSE(t.selections[2].members.Get(7));
  EXPECT_TRUE(t.selections[3].members.Get(7));
  EXPECT_TRUE(t.selections[0].members.Get(7));
  t.RemoveFromSelections(-1);  // out of range does nothing
  t.RemoveFromSelections(kRecoSlots);
}

TEST(RecoTables, SelectionsFullWhenAllUserEntriesAreInUse) {
  RecoTables t;
  EXPECT_EQ(t.FirstFreeSelection(), 2);
  for (int k = 2; k < kRecoSelEntries; ++k) t.selections[k].inUse = 1;
  EXPECT_TRUE(t.SelectionsFull());
  t.selections[90].inUse = 0;
  EXPECT_EQ(t.FirstFreeSelection(), 90);
  EXPECT_FALSE(t.SelectionsFull());
}

TEST(RecoGroups, NumbersFollowTheFixedSequenceAndSkipTakenOnes) {
  // The generator's first draws from seed 1: 41, 18467, 6334, ...
  GroupNumberSource src;
  EXPECT_EQ(src.Next(), 41);
  EXPECT_EQ(src.Next(), 18467);
  EXPECT_EQ(src.Next(), 6334);

  RecoTables t;
  EXPECT_EQ(t.NewGroupNumber(), 41);
  RecoTables u;
  u.Occupy(0, MakeReco("Kopf", 1, -41));
  // 41 is taken; the next draw 18467 & 0xFFF = 2083.
  EXPECT_EQ(u.NewGroupNumber(), 18467 & 0xFFF);
  // A free slot with a stale header number does not block the number.
  RecoTables v;
  RecoRecord stale = MakeReco("alt", 0, -41);
  v.records[3] = stale;
  EXPECT_EQ(v.NewGroupNumber(), 41);
}

TEST(RecoGroups, SeveralMembersAndDeleteGroup) {
  RecoTables t;
  t.Occupy(0, MakeReco("Kopf", 2, -30));
  t.Occupy(1, MakeReco("A", 2, 30));
  EXPECT_FALSE(t.GroupHasSeveralMembers(30));
  t.Occupy(2, MakeReco("B", 2, 30));
  t.Occupy(3, MakeReco("andere", 2, 31));
  EXPECT_TRUE(t.GroupHasSeveralMembers(30));
  t.selections[2].inUse = 1;
  for (int n : {0, 1, 2, 3}) t.selections[2].members.Set(n, true);
  t.recoDirty = false;

  std::vector<int> freed = t.DeleteGroup(30);
  EXPECT_EQ(freed, (std::vector<int>{1, 2, 0}));  // header last
  for (int n : {0, 1, 2}) {
    EXPECT_EQ(t.records[n].category, 0) << n;
    EXPECT_FALSE(t.used.Get(n)) << n;
    EXPECT_FALSE(t.selections[2].members.Get(n)) << n;
  }
  EXPECT_TRUE(t.used.Get(3));
  EXPECT_TRUE(t.selections[2].members.Get(3));
  EXPECT_TRUE(t.recoDirty);
}

TEST(RecoTables, SelectionMapOutOfRangeIsEmpty) {
  RecoTables t;
  EXPECT_FALSE(t.SelectionMap(-1).Get(0));
  EXPECT_FALSE(t.SelectionMap(128).Get(0));
  EXPECT_TRUE(t.SelectionMap(0).Get(767));
}

}  // namespace
}  // namespace tw
