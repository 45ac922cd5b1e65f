// Editing selections: the membership states the selection tree shows, clicks on its items,
// and new, renamed, changed and deleted entries.
#pragma once
#include <array>

#include "reco/reco_order.h"
#include "reco/reco_tables.h"

namespace tw {

enum class MemberState { None, Some, All };

// State of a tree item over `map`: a recommendation is All or None; a header, a category
// (-c) and the root (-9) summarise the recommendations shown below them (headers are never
// members). An item without recommendations below it shows None.
MemberState ItemMemberState(const RecoTables& tables, const RecoDisplayOrder& order, int item,
                            const SlotMap& map);

// A click on a tree item in the selection dialog: a recommendation flips its bit; a header,
// a category or the root adds all recommendations below it unless all are in already, in
// which case it removes them all.
void ClickSelectionItem(const RecoTables& tables, const RecoDisplayOrder& order, int item,
                        SlotMap& map);

// "&Neu": the first free user entry becomes "?" with `map`; returns it, or -1 when all are used.
int NewSelection(RecoTables& tables, const SlotMap& map);
// The label edited in place; at most 29 characters are kept.
void RenameSelection(RecoTables& tables, int entry, const char* text);
// "&Ändern": only user entries 2..127 take a map.
bool ApplySelectionMap(RecoTables& tables, int entry, const SlotMap& map);
// "&Löschen": the entry is free again; its old name and map stay until it is reused.
bool DeleteSelection(RecoTables& tables, int entry);

// The one-recommendation dialog: which entries `slot` belongs to when the list is filled, and
// putting them back when the dialog is cancelled.
using SelectionMembership = std::array<bool, kRecoSelEntries>;
SelectionMembership MembershipOf(const RecoTables& tables, int slot);
void RestoreMembership(RecoTables& tables, int slot, const SelectionMembership& backup);
void FlipMembership(RecoTables& tables, int entry, int slot);

}  // namespace tw
