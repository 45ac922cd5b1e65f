#include "reco/reco_tree.h"

#include <cstdio>

namespace tw {

namespace {

bool IsRecord(const RecoTables& t, int item) { return t.ValidSlot(item) && t.records[item].occupied(); }

bool IsRecommendation(const RecoTables& t, int item) {
  return IsRecord(t, item) && !t.records[item].isHeader();
}

}  // namespace

int RecoItemImage(const RecoTables& tables, int item) {
  if (item == kRecoRootItem) return kRecoImageRoot;
  const int c = ItemCategory(tables, item);
  if (c == 0) return kRecoImageRoot;
  if (item < 0) return kRecoImageCategory + c;
  return (tables.records[item].isHeader() ? kRecoImageGroup : kRecoImageRecommendation) + c;
}

int SelectionItemImage(const RecoTables& tables, const RecoDisplayOrder& order, int item,
                       const SlotMap& map) {
  if (IsRecommendation(tables, item)) return map.Get(item) ? kSelImageMember : kSelImageNotMember;
  switch (ItemMemberState(tables, order, item, map)) {
    case MemberState::All:
      return kSelImageAll;
    case MemberState::Some:
      return kSelImageSome;
    case MemberState::None:
      break;
  }
  return kSelImageNone;
}

std::string CountedLabel(const std::string& label, int count) {
  char number[16];
  std::snprintf(number, sizeof number, " (%d)", count);
  return label + number;
}

RecoButtons RecoButtonsFor(const RecoTables& tables, int item) {
  RecoButtons b;
  b.create = ItemCategory(tables, item) != 0 && !tables.FreeSlotsLow();
  b.remove = IsRecord(tables, item);
  b.conditions = IsRecommendation(tables, item);
  return b;
}

bool RecoDraggable(const RecoTables& tables, int item) { return IsRecommendation(tables, item); }

DragCursor RecoDragCursor(const RecoTables& tables, int target, bool copyKeys) {
  if (ItemCategory(tables, target) == 0) return DragCursor::No;
  return copyKeys && tables.FirstFreeSlot() >= 0 ? DragCursor::Copy : DragCursor::Arrow;
}

int DragScrollDirection(int y, int treeTop, int treeBottom) {
  if (y < treeTop) return -1;
  if (y >= treeBottom) return 1;
  return 0;
}

}  // namespace tw
