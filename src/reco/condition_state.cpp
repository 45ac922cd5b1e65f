#include "reco/condition_state.h"

#include "reco/condition_messages.h"
#include "reco/condition_texts.h"

namespace tw {

ConditionState::ConditionState() {
  for (int i = 0; i <= kCondEntryCount; ++i) {
    const ConditionEntry& e = kConditionCatalogue[i];
    nodes_[i].flags = e.flags & ~kCondStateMask;
    nodes_[i].label = e.label;
    nodes_[i].offset = e.offset;
    nodes_[i].shift = e.shift;
  }
}

void ConditionState::Load(const RecoRecord& record) {
  for (int i = kCondRootEntry + 1; i < kCondEntryCount; ++i) {
    if (!IsConditionLeaf(i)) continue;
    ConditionNode& n = nodes_[i];
    const uint32_t field = record.FieldAt(n.offset);
    int state = static_cast<int>((field >> n.shift) & 3);
    if (IsFixedDayEntry(i)) {
      n.dayCode = static_cast<uint16_t>(FixedDayCode(static_cast<uint16_t>(field)));
      if (n.dayCode == 0) state = 0;
    }
    n.flags = (n.flags & ~kCondStateMask) | static_cast<uint32_t>(state);
  }
  SetSwitch(record.signsEither != 0);
  CompactFixedDays();
  ComputeNodeStates();
}

void ConditionState::ComputeNodeStates() {
  bool anySet = false;
  for (int i = kCondRootEntry + 1; i < kCondEntryCount; ++i) {
    if (Counts(i) && State(i) != 0) anySet = true;
    if (!(nodes_[i].flags & kCondHasChildren)) continue;
    int orState = 0;
    bool someAny = false;
    for (int j = i + 1; j <= ConditionNodeEnd(i); ++j) {
      if (!Counts(j)) continue;
      orState |= State(j);
      if (State(j) == 0) someAny = true;
    }
    if (someAny && orState != 0) orState |= kCondRequired;
    SetOwnBits(i, orState);
  }
  SetOwnBits(kCondRootEntry, anySet ? 1 : 0);
}

void ConditionState::SetOwnBits(int i, int state) {
  nodes_[i].flags = (nodes_[i].flags & ~kCondStateMask) | static_cast<uint32_t>(state & 3);
}

bool ConditionState::SetLeaf(int i, int state) {
  if (!Counts(i)) return false;
  if (State(i) == (state & 3)) return false;
  SetOwnBits(i, state);
  return true;
}

bool ConditionState::SetRange(int first, int last, int state) {
  bool changed = false;
  for (int j = first; j <= last && j < kCondEntryCount; ++j) {
    if (j == kCondRootEntry || (nodes_[j].flags & kCondSwitch)) continue;
    if (nodes_[j].flags & kCondHasChildren)
      SetOwnBits(j, state);
    else if (SetLeaf(j, state))
      changed = true;
  }
  return changed;
}

void ConditionState::SetSwitch(bool either) {
  SetOwnBits(kCondSignSwitch, either ? 3 : 0);
  nodes_[kCondSignSwitch].label = either ? kCondSwitchEitherLabel : kCondSwitchBothLabel;
}

int ConditionState::FixedDayCount() const {
  int n = 0;
  for (int k = 0; k < kCondFixedDayCount; ++k)
    if (nodes_[kCondFirstFixedDay + k].dayCode != 0) ++n;
  return n;
}

bool ConditionState::IsShown(int i) const {
  if (i < 0 || i >= kCondEntryCount) return false;
  if (!IsFixedDayEntry(i)) return true;
  return HasDay(i) || i == kCondFirstFixedDay + FixedDayCount();
}

bool ConditionState::SetFixedDay(int i, int code) {
  if (!IsFixedDayEntry(i) || !IsShown(i)) return false;
  code &= kDayCodeMask;
  if (code == 0) return ClearFixedDay(i);
  if (nodes_[i].dayCode == code) return false;
  nodes_[i].dayCode = static_cast<uint16_t>(code);
  ComputeNodeStates();
  return true;
}

bool ConditionState::ClearFixedDay(int i) {
  if (!HasDay(i)) return false;
  nodes_[i].dayCode = 0;
  SetOwnBits(i, 0);
  CompactFixedDays();
  ComputeNodeStates();
  return true;
}

void ConditionState::CompactFixedDays() {
  int to = kCondFirstFixedDay;
  for (int from = kCondFirstFixedDay; from < kCondFirstFixedDay + kCondFixedDayCount; ++from) {
    if (nodes_[from].dayCode == 0) continue;
    if (from != to) {
      nodes_[to].dayCode = nodes_[from].dayCode;
      SetOwnBits(to, State(from));
      nodes_[from].dayCode = 0;
      SetOwnBits(from, 0);
    }
    ++to;
  }
  for (; to < kCondFirstFixedDay + kCondFixedDayCount; ++to) SetOwnBits(to, 0);
}

std::string ConditionState::LabelText(int i, const ConditionTexts& texts) const {
  if (IsFixedDayEntry(i))
    return FormatWithText(texts.Message(kMsgCondFixedDayLabel),
                          FixedDayText(texts, nodes_[i].dayCode));
  return texts.Message(nodes_[i].label);
}

}  // namespace tw
