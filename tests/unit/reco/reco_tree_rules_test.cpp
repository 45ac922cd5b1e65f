// What the recommendation dialogs show and allow: images, buttons, drag rules, and the
// rotation after a failed save on closing.
#include "reco/reco_tree.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform.h"
#include "reco/reco_files.h"
#include "reco_test_util.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using testing::MakeReco;

RecoTables Sample() {
  RecoTables t;
  t.Occupy(0, MakeReco("Kopf", 2, -5));
  t.Occupy(1, MakeReco("Mitglied", 2, 5));
  t.Occupy(2, MakeReco("einzeln", 3));
  return t;
}

TEST(RecoTreeRules, ImagesButtonsAndDragPerItem) {
  const RecoTables t = Sample();
  struct Row {
    int item;
    int image;
    bool create, remove, conditions, draggable;
  } rows[] = {
      {kRecoRootItem, 0, false, false, false, false},
      {-1, 1, true, false, false, false},
      {-3, 3, true, false, false, false},
      {0, 5, true, true, false, false},  // header of category 2
      {1, 8, true, true, true, true},    // member of category 2
      {2, 9, true, true, true, true},    // standalone of category 3
      {kNoRecoItem, 0, false, false, false, false},
      {40, 0, false, false, false, false},  // free slot
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.item);
    EXPECT_EQ(RecoItemImage(t, r.item), r.image);
    const RecoButtons b = RecoButtonsFor(t, r.item);
    EXPECT_EQ(b.create, r.create);
    EXPECT_EQ(b.remove, r.remove);
    EXPECT_EQ(b.conditions, r.conditions);
    EXPECT_EQ(RecoDraggable(t, r.item), r.draggable);
  }
}

TEST(RecoTreeRules, NewButtonsNeedTwoFreeSlotsButACopyDropOnlyOne) {
  RecoTables t;
  for (int n = 0; n < kRecoSlots - 2; ++n) t.Occupy(n, MakeReco("x", 1));
  EXPECT_TRUE(RecoButtonsFor(t, 0).create);
  EXPECT_EQ(RecoDragCursor(t, 0, true), DragCursor::Copy);
  t.Occupy(kRecoSlots - 2, MakeReco("y", 1));
  EXPECT_FALSE(RecoButtonsFor(t, 0).create);
  EXPECT_EQ(RecoDragCursor(t, 0, true), DragCursor::Copy);  // the last slot takes a copy
  EXPECT_EQ(RecoDragCursor(t, 0, false), DragCursor::Arrow);
  EXPECT_EQ(RecoDragCursor(t, kRecoRootItem, true), DragCursor::No);
  t.Occupy(kRecoSlots - 1, MakeReco("z", 1));
  EXPECT_EQ(RecoDragCursor(t, -2, true), DragCursor::Arrow);  // full: the drop moves
}

TEST(RecoTreeRules, SelectionImagesSummariseTheRecommendationsBelow) {
  RecoTables t = Sample();
  t.Occupy(3, MakeReco("zweites", 2, 5));
  const RecoDisplayOrder order = BuildDisplayOrder(t);
  SlotMap map;
  map.Set(1, true);
  EXPECT_EQ(SelectionItemImage(t, order, 1, map), kSelImageMember);
  EXPECT_EQ(SelectionItemImage(t, order, 3, map), kSelImageNotMember);
  EXPECT_EQ(SelectionItemImage(t, order, 0, map), kSelImageSome);
  EXPECT_EQ(SelectionItemImage(t, order, -3, map), kSelImageNone);
  map.Set(3, true);
  EXPECT_EQ(SelectionItemImage(t, order, -2, map), kSelImageAll);
  EXPECT_EQ(SelectionItemImage(t, order, kRecoRootItem, map), kSelImageSome);
}

TEST(RecoTreeRules, LabelsAndScrolling) {
  EXPECT_EQ(CountedLabel("Empfehlungen", 12), "Empfehlungen (12)");
  EXPECT_EQ(DragScrollDirection(-1, 0, 100), -1);
  EXPECT_EQ(DragScrollDirection(0, 0, 100), 0);
  EXPECT_EQ(DragScrollDirection(99, 0, 100), 0);
  EXPECT_EQ(DragScrollDirection(100, 0, 100), 1);
}

TEST(RecoTreeRules, FailedCloseKeepsTheRotationForTheNextTry) {
  testing::TempDir dir("closefail");
  RecordingSink sink;
  RecoTables t;
  ASSERT_TRUE(LoadRecoTable(dir.dir(), t, sink));
  ASSERT_TRUE(LoadRecoSelTable(dir.dir(), t, sink));
  RecoSaveRotation rot;
  rot.nextSave = 3;
  t.Occupy(0, MakeReco("Eins", 1));
  fs::create_directory(dir.path("Reco.tmp"));
  EXPECT_FALSE(SaveOnRecoDialogClose(dir.dir(), t, rot, sink));
  EXPECT_TRUE(rot.firstSave);
  EXPECT_TRUE(t.recoDirty);
  EXPECT_FALSE(fs::exists(dir.path("Reco.sv0")));

  fs::remove(dir.path("Reco.tmp"));
  EXPECT_FALSE(SaveOnRecoDialogClose(dir.dir(), t, rot, sink));  // now backup 0
  EXPECT_TRUE(fs::exists(dir.path("Reco.sv0")));
  EXPECT_FALSE(rot.firstSave);
  EXPECT_EQ(rot.nextSave, 3);
  EXPECT_FALSE(t.recoDirty);
}

}  // namespace
}  // namespace tw
