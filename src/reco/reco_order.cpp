#include "reco/reco_order.h"

#include <algorithm>

namespace tw {

namespace {

// Primary weight of one CP1252 character: letters fold to their lower-case base letter;
// `second` receives the second letter of a ligature (ß, æ, œ) or 0.
unsigned char Fold(unsigned char c, unsigned char* second) {
  *second = 0;
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
  if (c < 0x80) return c;
  switch (c) {
    case 0xDF: *second = 's'; return 's';                  // ß
    case 0xC6: case 0xE6: *second = 'e'; return 'a';      // Æ æ
    case 0x8C: case 0x9C: *second = 'e'; return 'o';      // Œ œ
    case 0x8A: case 0x9A: return 's';                      // Š š
    case 0x8E: case 0x9E: return 'z';                      // Ž ž
    case 0x9F: case 0xDD: case 0xFD: case 0xFF: return 'y';
    case 0xC7: case 0xE7: return 'c';
    case 0xD1: case 0xF1: return 'n';
    case 0xD8: case 0xF8: return 'o';
    default: break;
  }
  const unsigned char l = (c >= 0xC0 && c <= 0xDE) ? static_cast<unsigned char>(c + 0x20) : c;
  if (l >= 0xE0 && l <= 0xE5) return 'a';
  if (l >= 0xE8 && l <= 0xEB) return 'e';
  if (l >= 0xEC && l <= 0xEF) return 'i';
  if (l >= 0xF2 && l <= 0xF6) return 'o';
  if (l >= 0xF9 && l <= 0xFC) return 'u';
  return c;  // other symbols keep their code, after all letters
}

bool IsUpper(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A ||
         c == 0x8C || c == 0x8E || c == 0x9F;
}

// Walks a name as its primary weights, a ligature giving two.
struct FoldCursor {
  const unsigned char* p;
  unsigned char pending = 0;
  int Next() {
    if (pending) {
      const int c = pending;
      pending = 0;
      return c;
    }
    if (*p == 0) return -1;
    return Fold(*p++, &pending);
  }
};

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

int CompareRecoNames(const char* a, const char* b) {
  if (!a) a = "";
  if (!b) b = "";
  const unsigned char* ua = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* ub = reinterpret_cast<const unsigned char*>(b);
  // Primary: base letters, case-insensitive; a name that runs out first sorts first.
  FoldCursor ca{ua}, cb{ub};
  for (;;) {
    const int x = ca.Next(), y = cb.Next();
    if (x != y) return x < y ? -1 : 1;
    if (x < 0) break;
  }
  // Secondary: the first position where one has a plain letter and the other an accented one.
  for (size_t i = 0; ua[i] && ub[i]; ++i) {
    const bool accA = ua[i] >= 0x80, accB = ub[i] >= 0x80;
    if (accA != accB) return accA ? 1 : -1;
  }
  // Tertiary: lower case first.
  for (size_t i = 0; ua[i] && ub[i]; ++i) {
    const bool upA = IsUpper(ua[i]), upB = IsUpper(ub[i]);
    if (upA != upB) return upA ? 1 : -1;
  }
  for (size_t i = 0;; ++i) {
    if (ua[i] != ub[i]) return Sign(static_cast<int>(ua[i]) - static_cast<int>(ub[i]));
    if (!ua[i]) return 0;
  }
}

int CompareRecoSlots(const RecoTables& tables, int slotA, int slotB) {
  if (tables.ValidSlot(slotA) && tables.ValidSlot(slotB)) {
    const int c = CompareRecoNames(tables.records[slotA].name, tables.records[slotB].name);
    if (c != 0) return c;
  }
  return Sign(slotA - slotB);
}

RecoDisplayOrder BuildDisplayOrder(const RecoTables& tables, const SlotMap* selected) {
  RecoDisplayOrder order;
  auto skipped = [&](int n) {
    return selected && !tables.records[n].isHeader() && selected->Get(n);
  };
  // Top level: standalone records and headers.
  for (int n = 0; n < kRecoSlots; ++n) {
    const RecoRecord& r = tables.records[n];
    if (r.category < 1 || r.category > kRecoCategories || r.groupLink > 0 || skipped(n)) continue;
    order.categories[r.category - 1].push_back(RecoTreeItem{n, {}});
  }
  // Members under the first header of their group in their category.
  for (int n = 0; n < kRecoSlots; ++n) {
    const RecoRecord& r = tables.records[n];
    if (r.category < 1 || r.category > kRecoCategories || r.groupLink <= 0 || skipped(n)) continue;
    for (RecoTreeItem& item : order.categories[r.category - 1]) {
      if (tables.records[item.slot].groupLink == -r.groupLink) {
        item.members.push_back(n);
        break;
      }
    }
  }
  auto less = [&](int a, int b) { return CompareRecoSlots(tables, a, b) < 0; };
  for (auto& items : order.categories) {
    if (selected) {
      std::erase_if(items, [&](const RecoTreeItem& it) {
        return tables.records[it.slot].isHeader() && it.members.empty();
      });
    }
    for (RecoTreeItem& item : items) std::sort(item.members.begin(), item.members.end(), less);
    std::sort(items.begin(), items.end(),
              [&](const RecoTreeItem& a, const RecoTreeItem& b) { return less(a.slot, b.slot); });
  }
  return order;
}

SlotMap UnionOfUserSelections(const RecoTables& tables) {
  SlotMap all;
  for (int k = kFirstUserSelection; k < kRecoSelEntries; ++k) {
    const RecoSelEntry& e = tables.selections[k];
    if (e.inUse == 0) continue;
    for (int i = 0; i < kSlotMapBytes; ++i) all.bytes[i] |= e.members.bytes[i];
  }
  return all;
}

}  // namespace tw
