#include "reco/reco_selection.h"

namespace tw {

namespace {

// The recommendations below an item, in display order.
std::vector<int> RecommendationsBelow(const RecoTables& tables, const RecoDisplayOrder& order,
                                      int item) {
  std::vector<int> out;
  auto addItem = [&](const RecoTreeItem& it) {
    if (!tables.records[it.slot].isHeader()) out.push_back(it.slot);
    out.insert(out.end(), it.members.begin(), it.members.end());
  };
  if (item == -9) {
    for (const auto& items : order.categories)
      for (const RecoTreeItem& it : items) addItem(it);
  } else if (item >= -kRecoCategories && item <= -1) {
    for (const RecoTreeItem& it : order.categories[-item - 1]) addItem(it);
  } else if (tables.ValidSlot(item)) {
    if (!tables.records[item].isHeader()) return {item};
    for (const auto& items : order.categories)
      for (const RecoTreeItem& it : items)
        if (it.slot == item) out = it.members;
  }
  return out;
}

MemberState StateOf(const std::vector<int>& slots, const SlotMap& map) {
  int in = 0;
  for (int s : slots) in += map.Get(s);
  if (in == 0) return MemberState::None;
  return in == static_cast<int>(slots.size()) ? MemberState::All : MemberState::Some;
}

bool ValidUserEntry(int entry) { return entry >= kFirstUserSelection && entry < kRecoSelEntries; }

}  // namespace

MemberState ItemMemberState(const RecoTables& tables, const RecoDisplayOrder& order, int item,
                            const SlotMap& map) {
  return StateOf(RecommendationsBelow(tables, order, item), map);
}

void ClickSelectionItem(const RecoTables& tables, const RecoDisplayOrder& order, int item,
                        SlotMap& map) {
  const std::vector<int> slots = RecommendationsBelow(tables, order, item);
  if (slots.empty()) return;
  const bool all = StateOf(slots, map) == MemberState::All;
  for (int s : slots) map.Set(s, !all);
}

int NewSelection(RecoTables& tables, const SlotMap& map) {
  const int entry = tables.FirstFreeSelection();
  if (entry < 0) return -1;
  RecoSelEntry& e = tables.selections[entry];
  e.inUse = 1;
  e.SetName("?");
  e.members = map;
  tables.selDirty = true;
  return entry;
}

void RenameSelection(RecoTables& tables, int entry, const char* text) {
  if (entry < 0 || entry >= kRecoSelEntries) return;
  tables.selections[entry].SetName(text);
  tables.selDirty = true;
}

bool ApplySelectionMap(RecoTables& tables, int entry, const SlotMap& map) {
  if (!ValidUserEntry(entry)) return false;
  tables.selections[entry].members = map;
  tables.selDirty = true;
  return true;
}

bool DeleteSelection(RecoTables& tables, int entry) {
  if (!ValidUserEntry(entry)) return false;
  tables.selections[entry].inUse = 0;
  tables.selDirty = true;
  return true;
}

SelectionMembership MembershipOf(const RecoTables& tables, int slot) {
  SelectionMembership m{};
  if (!tables.ValidSlot(slot)) return m;
  for (int k = 0; k < kRecoSelEntries; ++k) m[k] = tables.selections[k].members.Get(slot);
  return m;
}

void RestoreMembership(RecoTables& tables, int slot, const SelectionMembership& backup) {
  if (!tables.ValidSlot(slot)) return;
  for (int k = kFirstUserSelection; k < kRecoSelEntries; ++k)
    tables.selections[k].members.Set(slot, backup[k]);
}

void FlipMembership(RecoTables& tables, int entry, int slot) {
  if (!ValidUserEntry(entry) || !tables.ValidSlot(slot)) return;
  SlotMap& m = tables.selections[entry].members;
  m.Set(slot, !m.Get(slot));
}

}  // namespace tw
