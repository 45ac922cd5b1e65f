#include "reco/reco_compact.h"

#include "reco/reco_order.h"

namespace tw {

std::vector<int> CompactInDisplayOrder(RecoTables& tables) {
  const RecoDisplayOrder order = BuildDisplayOrder(tables);
  std::vector<int> newSlot(kRecoSlots, -1);
  std::vector<RecoRecord> records(kRecoSlots);
  SlotMap used;

  int counter = kFirstCompactedGroup - 1;
  int dest = 0;
  auto copy = [&](int old, int16_t groupLink) {
    records[dest] = tables.records[old];
    records[dest].groupLink = groupLink;
    used.Set(dest, true);
    newSlot[old] = dest;
    ++dest;
  };
  for (const auto& items : order.categories) {
    for (const RecoTreeItem& item : items) {
      ++counter;
      const RecoRecord& top = tables.records[item.slot];
      copy(item.slot, top.isHeader() ? static_cast<int16_t>(-counter) : top.groupLink);
      for (int member : item.members) copy(member, static_cast<int16_t>(counter));
    }
  }

  std::vector<RecoSelEntry> selections(kRecoSelEntries);
  selections[0] = tables.selections[0];
  selections[1] = tables.selections[1];
  for (int k = kFirstUserSelection; k < kRecoSelEntries; ++k) {
    const RecoSelEntry& old = tables.selections[k];
    if (old.inUse == 0) continue;
    RecoSelEntry& e = selections[k];
    e.inUse = old.inUse;
    std::copy(std::begin(old.name), std::end(old.name), std::begin(e.name));
    for (int n = 0; n < kRecoSlots; ++n)
      if (newSlot[n] >= 0 && old.members.Get(n)) e.members.Set(newSlot[n], true);
  }

  if (tables.ValidSlot(tables.lastReco) && newSlot[tables.lastReco] >= 0)
    tables.lastReco = newSlot[tables.lastReco];
  tables.records = std::move(records);
  tables.selections = std::move(selections);
  tables.used = used;
  return newSlot;
}

}  // namespace tw
