// Edits of the recommendation table that the recommendations dialog makes: new records and
// groups, deleting, renaming and drag-and-drop moves. The dialog keeps its tree in step; these
// functions only change the tables (and mark them dirty).
//
// A tree item is named by its parameter: a slot for a record, -c for category c, -9 the root.
#pragma once
#include <array>
#include <vector>

#include "reco/reco_messages.h"
#include "reco/reco_order.h"
#include "reco/reco_tables.h"

namespace tw {

constexpr int kRecoRootItem = -9;

// Category of a tree item: c for -c, the record's category for a slot, 0 otherwise.
int ItemCategory(const RecoTables& tables, int item);

// A new recommendation "?" without conditions, in the category of `selected`; a member of the
// group that `selected` belongs to (header or member), else standalone. Takes the first free
// slot and drops it from every selection. Returns the slot, or -1 (no slot, or the root).
int NewRecommendation(RecoTables& tables, int selected);

// A new group "?" in the category of `selected` with its first member. Needs two free slots.
// Returns the header's slot (the member's in `member`), or -1.
int NewGroup(RecoTables& tables, int selected, int* member);

// What deleting `slot` asks first: a header, or the only member of its group, deletes the whole
// group (3022 or 3023); anything else only itself (3024). messageId 0: nothing to delete.
struct RecoDeletePlan {
  int messageId = 0;
  bool wholeGroup = false;
  int group = 0;  // g of the group to delete
};
RecoDeletePlan PlanDelete(const RecoTables& tables, int slot);

// Carries out the plan after the user said yes. Both tables become dirty. Returns the freed
// slots (for a group: members first, header last).
std::vector<int> DeleteRecommendation(RecoTables& tables, int slot);

// The name typed in place (even empty), at most 99 characters.
void RenameRecommendation(RecoTables& tables, int slot, const char* text);

// Drops the recommendation `slot` on the item `target`: a category (standalone there), a
// header (member of its group), a member (member of the same group) or a standalone record
// (standalone in its category). With `copy` and a free slot, an exact copy first takes the
// first free slot, belonging to no selection, and stays where the dragged item was; the moved
// record keeps its memberships. Returns false for a target that takes nothing (the root, a
// free slot) or a dragged slot that is no recommendation; `copySlot` is -1 without a copy.
bool DropRecommendation(RecoTables& tables, int slot, int target, bool copy, int* copySlot);

// Recommendations per category as the tree counts them (standalone and members, no headers).
struct RecoCounts {
  std::array<int, kRecoCategories> perCategory{};
  int total = 0;
};
RecoCounts CountRecommendations(const RecoTables& tables, const RecoDisplayOrder& order);

}  // namespace tw
