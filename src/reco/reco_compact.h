// Rewrites both tables in display order just before the recommendations dialog saves.
#pragma once
#include <vector>

#include "reco/reco_tables.h"

namespace tw {

constexpr int kFirstCompactedGroup = 12;

// Occupied slots become 0..n-1 in display order, group numbers 12, 13, ... counted over every
// top-level item of categories 1..3 (standalone records advance the count too), free slots
// hold zeros, user selections follow their records to the new slots, and `lastReco` moves
// with its record. Entries 0 and 1 of the selections stay as they are; a user entry that is
// not in use is cleared. Records that have no place in the tree are not carried over.
// Returns the new slot of every old slot, -1 for those not carried over, so a dialog can
// point its tree items (recorded in `listItem`, which moves with the record) at the new slots.
std::vector<int> CompactInDisplayOrder(RecoTables& tables);

}  // namespace tw
