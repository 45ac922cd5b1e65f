// The in-memory recommendation and selection tables and the operations that several
// dialogs share on them.
#pragma once
#include <cstdint>
#include <vector>

#include "reco/reco_record.h"

namespace tw {

constexpr int kFirstUserSelection = 2;  // entries 0 (all) and 1 (none) are fixed
constexpr int kRecoCategories = 3;      // 1 plants/animals, 2 health, 3 general

// The generator behind new group numbers: a fixed linear congruential sequence starting at
// seed 1 and never reseeded, so every run draws the same numbers.
class GroupNumberSource {
 public:
  int Next();  // 0..32767
  uint32_t seed = 1;
};

class RecoTables {
 public:
  RecoTables();

  std::vector<RecoRecord> records;    // kRecoSlots
  SlotMap used;                       // bit n set: slot n occupied
  std::vector<RecoSelEntry> selections;  // kRecoSelEntries
  bool recoDirty = false;
  bool selDirty = false;
  int lastReco = 0;  // slot last selected in the recommendations dialog
  GroupNumberSource groupNumbers;

  // Decodes whole table images (kRecoTableSize / kRecoSelTableSize bytes), rebuilding the
  // used map, clearing the run-time item handles and forcing the fixed selections.
  void DecodeRecords(const uint8_t* image);
  void DecodeSelections(const uint8_t* image);
  void EncodeRecords(uint8_t* image) const;
  // Forces the fixed selections first, as every save does.
  void EncodeSelections(uint8_t* image);

  // Entry 0 selects everything, entry 1 nothing, whatever the file held.
  void ForceFixedSelections();
  void RebuildUsedMap();

  // Lowest free slot, or -1 when all are occupied.
  int FirstFreeSlot() const;
  // At most one slot left: a new group needs two.
  bool FreeSlotsLow() const;
  bool SelectionsFull() const;
  // First free user entry 2..127, or -1.
  int FirstFreeSelection() const;
  // Clears bit `slot` in every in-use user selection, so a reused slot inherits nothing.
  void RemoveFromSelections(int slot);

  // Occupies `slot` with `record` (category must be 1..3) and marks the table dirty.
  void Occupy(int slot, const RecoRecord& record);
  // Frees one slot (not a whole group) and drops it from the selections.
  void Free(int slot);

  // A positive number g that no occupied header uses yet; the header gets -g.
  int NewGroupNumber();
  // True when more than one occupied record is a member of group g.
  bool GroupHasSeveralMembers(int g) const;
  // Frees header and members of group g; returns the freed slots, members first and the
  // header last, so a dialog can delete their tree items in that order.
  std::vector<int> DeleteGroup(int g);

  // The member map of selection `entry`, or an empty map for an index out of range.
  const SlotMap& SelectionMap(int entry) const;

  bool ValidSlot(int slot) const { return slot >= 0 && slot < kRecoSlots; }
};

}  // namespace tw
