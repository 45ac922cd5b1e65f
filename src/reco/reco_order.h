// Display order of the recommendations: categories 1..3, under each the standalone
// recommendations and group headers sorted by name, under each header its members sorted
// by name. The dialogs' trees sort with CompareRecoSlots (through TVM_SORTCHILDRENCB), and
// the save compaction and the text export walk BuildDisplayOrder, so what the user sees and
// what is written can never differ.
#pragma once
#include <array>
#include <vector>

#include "reco/reco_tables.h"

namespace tw {

// Case-insensitive order of two CP1252 names, with umlauts and other accented letters next to
// their base letters (ä as a, ß as ss; a plain letter before its accented forms, lower case
// before upper case when the names differ only there). 0 only for identical bytes.
int CompareRecoNames(const char* a, const char* b);

// CompareRecoNames of the two records' names, then the slot numbers, so the order is total.
// The signature suits a tree sort callback whose item parameters are slots.
int CompareRecoSlots(const RecoTables& tables, int slotA, int slotB);

struct RecoTreeItem {
  int slot = -1;             // a standalone recommendation or a group header
  std::vector<int> members;  // for a header: its members in display order
};

struct RecoDisplayOrder {
  // Index c - 1 for category c.
  std::array<std::vector<RecoTreeItem>, kRecoCategories> categories;
};

// The tree of all occupied records. A member appears under the first header (lowest slot) of
// its category that carries its group number; a member without such a header, and a record
// whose category is not 1..3 (damaged files only), has no place in the tree.
// With `selected` (the unselected mode), records other than headers whose bit is set there
// are left out, and headers left without members are dropped.
RecoDisplayOrder BuildDisplayOrder(const RecoTables& tables, const SlotMap* selected = nullptr);

// Union of the member maps of all in-use user selections 2..127.
SlotMap UnionOfUserSelections(const RecoTables& tables);

}  // namespace tw
