// The editable copy of the conditions catalogue: one node per catalogue entry with its
// current CondMode, the day of the fixed-day leaves and the tree item the dialog shows it
// in. Leaves hold the states that are saved; nodes with children have computed states.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "reco/condition_catalogue.h"
#include "reco/reco_record.h"

namespace tw {

class ConditionTexts;

struct ConditionNode {
  uint32_t flags = 0;    // catalogue flags; bits 0..1 hold the node's CondMode
  uint16_t label = 0;    // message number; the switch shows 3612 or 3613
  uint16_t dayCode = 0;  // fixed-day leaves only; 0 = no day
  uint8_t offset = 0;
  uint8_t shift = 0;
  uintptr_t item = 0;    // tree item of the dialog, untouched by the model

  int state() const { return static_cast<int>(flags & kCondStateMask); }
};

class ConditionState {
 public:
  ConditionState();  // every condition "any", no fixed days

  // Takes every leaf's two bits from the record, the fixed days and the sign switch.
  // Fixed days are moved to the front in their order, so the days shown are followed by
  // exactly one empty leaf; the record means the same, as empty entries are skipped.
  void Load(const RecoRecord& record);

  const ConditionNode& node(int i) const { return nodes_[i]; }
  void SetItem(int i, uintptr_t item) { nodes_[i].item = item; }
  int State(int i) const { return nodes_[i].state(); }

  // Root: 1 when any leaf holds a condition, else 0.
  void ComputeNodeStates();

  // Gives `state` to every leaf from `first` to the end of `node`'s subtree (nodes with
  // children get it too, until the next ComputeNodeStates). The switch and fixed-day
  // leaves without a day keep theirs. Returns whether a leaf changed.
  bool SetRange(int first, int last, int state);
  bool SetSubtree(int node, int state) { return SetRange(node, ConditionNodeEnd(node), state); }
  // One leaf; refused for the switch, nodes with children and fixed-day leaves without day.
  bool SetLeaf(int i, int state);
  // Sets only the node's own bits (shown until the next ComputeNodeStates).
  void SetOwnBits(int i, int state);

  // The switch: 0 = both sign conditions must hold, 3 = either suffices.
  void SetSwitch(bool either);
  bool SwitchEither() const { return State(kCondSignSwitch) != 0; }

  // Fixed days. A leaf is shown when it has a day or is the one empty leaf after them.
  bool HasDay(int i) const { return IsFixedDayEntry(i) && nodes_[i].dayCode != 0; }
  int FixedDayCount() const;
  bool IsShown(int i) const;
  // Gives a shown fixed-day leaf a day (code & 0x3FFF); code 0 clears it. Returns whether
  // anything changed.
  bool SetFixedDay(int i, int code);
  // Clears the day, resets the state to any and keeps the days together.
  bool ClearFixedDay(int i);

  // Whether a leaf's state counts: not an empty fixed-day leaf.
  bool Counts(int i) const { return IsConditionLeaf(i) && (!IsFixedDayEntry(i) || HasDay(i)); }

  // Tree label: message text, the switch's current label, a fixed-day leaf's day.
  std::string LabelText(int i, const ConditionTexts& texts) const;

 private:
  void CompactFixedDays();
  std::array<ConditionNode, kCondEntryCount + 1> nodes_;
};

}  // namespace tw
