#include "reco/reco_order.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "reco/reco_compact.h"
#include "reco_test_util.h"

namespace tw {
namespace {

using testing::MakeReco;

TEST(RecoNameOrder, CaseInsensitiveWithUmlautsBesideTheirBaseLetters) {
  EXPECT_LT(CompareRecoNames("apfel", "Birne"), 0);
  EXPECT_GT(CompareRecoNames("Zwiebel", "apfel"), 0);
  // ä sorts as a: "Äpfel" before "Birne", after "Apfel".
  EXPECT_LT(CompareRecoNames("\xC4pfel", "Birne"), 0);
  EXPECT_LT(CompareRecoNames("Apfel", "\xC4pfel"), 0);
  EXPECT_GT(CompareRecoNames("M\xF6hren", "Mohn"), 0);        // "mohren" after "mohn"
  EXPECT_LT(CompareRecoNames("M\xF6hre", "Mohrr\xFC" "be"), 0);  // a byte order would differ
  EXPECT_LT(CompareRecoNames("\xDC" "bung", "Vogel"), 0);  // Ü beside U, before V
  EXPECT_LT(CompareRecoNames("Stra\xDF" "e", "Strasze"), 0);  // ß as ss
  EXPECT_LT(CompareRecoNames("Strasse", "Stra\xDF" "e"), 0);  // plain letters first
  EXPECT_LT(CompareRecoNames("rose", "Rose"), 0);             // ties: lower case first
  EXPECT_EQ(CompareRecoNames("Rose", "Rose"), 0);
  EXPECT_LT(CompareRecoNames("", "a"), 0);
  EXPECT_LT(CompareRecoNames("Rose", "Rosen"), 0);
}

TEST(RecoNameOrder, IsAStrictTotalOrderOverMixedNames) {
  std::vector<std::string> names = {"apfel", "Apfel", "\xC4pfel", "\xE4pfel", "Aal", "Zucker",
                                    "\xFC" "ber", "Uber", "uber", "Stra\xDF" "e", "Strasse",
                                    "", " Blank", "1. Advent", "M\xF6hren", "Mohn", "mohn"};
  for (const auto& a : names)
    for (const auto& b : names) {
      const int ab = CompareRecoNames(a.c_str(), b.c_str());
      const int ba = CompareRecoNames(b.c_str(), a.c_str());
      EXPECT_EQ(ab, -ba) << a << " / " << b;
      EXPECT_EQ(ab == 0, a == b) << a << " / " << b;
      for (const auto& c : names) {
        if (ab < 0 && CompareRecoNames(b.c_str(), c.c_str()) < 0) {
          EXPECT_LT(CompareRecoNames(a.c_str(), c.c_str()), 0) << a << " < " << b << " < " << c;
        }
      }
    }
}

RecoTables SampleTables() {
  RecoTables t;
  t.Occupy(0, MakeReco("zwiebeln", 1));
  t.Occupy(1, MakeReco("Gruppe B", 1, -500));
  t.Occupy(2, MakeReco("m2", 1, 500));
  t.Occupy(3, MakeReco("M1", 1, 500));
  t.Occupy(4, MakeReco("\xC4pfel", 1));
  t.Occupy(5, MakeReco("Kopfweh", 2));
  t.Occupy(6, MakeReco("verwaist", 2, 77));      // no header of group 77
  t.Occupy(7, MakeReco("falsche Kategorie", 2, 500));  // header 500 is in category 1
  t.Occupy(8, MakeReco("Kaputt", 9));            // damaged category
  t.Occupy(9, MakeReco("Gruppe A", 3, -600));     // empty group
  return t;
}

TEST(RecoDisplayOrder, SortsTopLevelAndMembersAndLeavesOutHomelessRecords) {
  RecoTables t = SampleTables();
  RecoDisplayOrder o = BuildDisplayOrder(t);
  ASSERT_EQ(o.categories[0].size(), 3u);
  EXPECT_EQ(o.categories[0][0].slot, 4);  // Äpfel
  EXPECT_EQ(o.categories[0][1].slot, 1);  // Gruppe B
  EXPECT_EQ(o.categories[0][1].members, (std::vector<int>{3, 2}));  // M1, m2
  EXPECT_EQ(o.categories[0][2].slot, 0);
  ASSERT_EQ(o.categories[1].size(), 1u);
  EXPECT_EQ(o.categories[1][0].slot, 5);
  ASSERT_EQ(o.categories[2].size(), 1u);
  EXPECT_TRUE(o.categories[2][0].members.empty());
}

TEST(RecoDisplayOrder, EqualNamesKeepSlotOrder) {
  RecoTables t;
  t.Occupy(10, MakeReco("gleich", 1));
  t.Occupy(3, MakeReco("gleich", 1));
  RecoDisplayOrder o = BuildDisplayOrder(t);
  ASSERT_EQ(o.categories[0].size(), 2u);
  EXPECT_EQ(o.categories[0][0].slot, 3);
  EXPECT_GT(CompareRecoSlots(t, 10, 3), 0);
}

TEST(RecoDisplayOrder, UnselectedModeDropsSelectedRecordsAndEmptiedHeaders) {
  RecoTables t = SampleTables();
  t.selections[2].inUse = 1;
  t.selections[2].members.Set(2, true);
  t.selections[2].members.Set(3, true);
  t.selections[4].inUse = 1;
  t.selections[4].members.Set(0, true);
  t.selections[5].inUse = 0;  // not in use: its map does not count
  t.selections[5].members.Set(4, true);
  SlotMap all = UnionOfUserSelections(t);
  RecoDisplayOrder o = BuildDisplayOrder(t, &all);
  ASSERT_EQ(o.categories[0].size(), 1u);
  EXPECT_EQ(o.categories[0][0].slot, 4);
  EXPECT_TRUE(o.categories[2].empty());  // the empty group goes too
}

TEST(RecoCompaction, SlotsGroupsSelectionsAndLastRecoFollowDisplayOrder) {
  RecoTables t = SampleTables();
  t.Occupy(20, MakeReco("Blumen", 3, -601));
  t.Occupy(21, MakeReco("Rosen", 3, 601));
  t.records[2].listItem = 0xABCD;
  t.selections[2].inUse = 1;
  t.selections[2].SetName("Garten");
  t.selections[2].members.Set(2, true);
  t.selections[2].members.Set(21, true);
  t.selections[2].members.Set(8, true);  // dropped record: its bit goes
  t.selections[3].inUse = 0;
  t.selections[3].SetName("alt");
  t.selections[3].members.Set(2, true);
  t.lastReco = 21;

  std::vector<int> moved = CompactInDisplayOrder(t);
  // Category 1: Äpfel(4) -> 0, Gruppe B(1) -> 1 with M1(3) -> 2, m2(2) -> 3, zwiebeln(0) -> 4;
  // category 2: Kopfweh(5) -> 5; category 3: Blumen(20) -> 6, Rosen(21) -> 7, Gruppe A(9) -> 8.
  EXPECT_EQ(moved[4], 0);
  EXPECT_EQ(moved[1], 1);
  EXPECT_EQ(moved[3], 2);
  EXPECT_EQ(moved[2], 3);
  EXPECT_EQ(moved[0], 4);
  EXPECT_EQ(moved[5], 5);
  EXPECT_EQ(moved[20], 6);
  EXPECT_EQ(moved[21], 7);
  EXPECT_EQ(moved[9], 8);
  EXPECT_EQ(moved[6], -1);
  EXPECT_EQ(moved[8], -1);

  // Counter: category 1 items are 12, 13, 14; Kopfweh 15; Blumen 16, Gruppe A 17.
  EXPECT_EQ(t.records[0].groupLink, 0);
  EXPECT_EQ(t.records[1].groupLink, -13);
  EXPECT_EQ(t.records[2].groupLink, 13);
  EXPECT_EQ(t.records[3].groupLink, 13);
  EXPECT_EQ(t.records[6].groupLink, -16);
  EXPECT_EQ(t.records[7].groupLink, 16);
  EXPECT_EQ(t.records[8].groupLink, -17);
  EXPECT_EQ(t.records[3].listItem, 0xABCDu);
  EXPECT_STREQ(t.records[3].name, "m2");
  for (int n = 0; n < kRecoSlots; ++n) EXPECT_EQ(t.used.Get(n), n < 9) << n;
  for (int n = 9; n < kRecoSlots; ++n) {
    ASSERT_EQ(t.records[n].category, 0);
    ASSERT_EQ(t.records[n].name[0], 0);  // no stale data
  }
  EXPECT_TRUE(t.selections[2].members.Get(3));
  EXPECT_TRUE(t.selections[2].members.Get(7));
  int bits = 0;
  for (int n = 0; n < kRecoSlots; ++n) bits += t.selections[2].members.Get(n);
  EXPECT_EQ(bits, 2);
  EXPECT_STREQ(t.selections[2].name, "Garten");
  EXPECT_EQ(t.selections[3].inUse, 0);
  EXPECT_STREQ(t.selections[3].name, "");
  EXPECT_TRUE(t.selections[0].members.Get(500));
  EXPECT_EQ(t.lastReco, 7);
}

TEST(RecoCompaction, FirstHeaderOfCategoryOneGetsTwelve) {
  RecoTables t;
  t.Occupy(5, MakeReco("Aussaat", 1, -4000));
  t.Occupy(9, MakeReco("Bohnen", 1, 4000));
  t.Occupy(1, MakeReco("B einzeln", 1));
  t.Occupy(2, MakeReco("C Gruppe", 1, -3));
  t.Occupy(3, MakeReco("x", 1, 3));
  CompactInDisplayOrder(t);
  EXPECT_EQ(t.records[0].groupLink, -12);
  EXPECT_EQ(t.records[1].groupLink, 12);
  EXPECT_EQ(t.records[2].groupLink, 0);    // standalone, counts as 13
  EXPECT_EQ(t.records[3].groupLink, -14);  // third top-level item
  EXPECT_EQ(t.records[4].groupLink, 14);
}

TEST(RecoCompaction, IsStableWhenRunTwice) {
  RecoTables t = SampleTables();
  CompactInDisplayOrder(t);
  std::vector<uint8_t> first(kRecoTableSize), second(kRecoTableSize);
  t.EncodeRecords(first.data());
  std::vector<int> moved = CompactInDisplayOrder(t);
  t.EncodeRecords(second.data());
  EXPECT_EQ(first, second);
  for (int n = 0; n < 7; ++n) EXPECT_EQ(moved[n], n);  // seven records have a place
  EXPECT_EQ(moved[7], -1);
}

}  // namespace
}  // namespace tw
