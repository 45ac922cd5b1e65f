#include "reco/condition_clicks.h"

#include <algorithm>

namespace tw {
namespace {

int NextState(int old) { return old == 0 ? kCondRequired : old - 1; }

bool ExcludesFirst(int entry) {
  return entry >= 0 && (kConditionCatalogue[entry].flags & kCondExcludeFirst) != 0;
}

}  // namespace

bool ClickCondition(ConditionState& state, int node) {
  if (node <= kCondRootEntry || node >= kCondEntryCount) return false;
  if (node == kCondSignSwitch) {
    state.SetSwitch(!state.SwitchEither());
    return true;
  }
  if (IsFixedDayEntry(node) && !state.HasDay(node)) return false;

  const int next = NextState(state.State(node));
  const int category = ConditionCategoryOf(node);
  if (IsConditionLeaf(node)) {
    if (next == kCondRequired) {
      const int subgroup = ConditionSubgroupOf(node);
      if (ExcludesFirst(category) && state.State(category) == 0)
        state.SetSubtree(category, kCondExcluded);
      else if (subgroup >= 0 && state.State(subgroup) == 0)
        state.SetSubtree(subgroup, kCondExcluded);
    }
    state.SetLeaf(node, next);
  } else if (IsConditionSubgroup(node)) {
    if (next == kCondRequired && ExcludesFirst(category) && state.State(category) == 0)
      state.SetSubtree(category, kCondExcluded);
    state.SetSubtree(node, next);
  } else if (IsConditionCategory(node)) {
    state.SetSubtree(node, next);
  }
  state.ComputeNodeStates();
  return true;
}

bool ShiftClickCondition(ConditionState& state, int selected, int clicked) {
  if (selected <= kCondRootEntry || selected >= kCondEntryCount) return false;
  if (clicked <= kCondRootEntry || clicked >= kCondEntryCount) return false;
  if (selected == kCondSignSwitch || IsConditionCategory(clicked)) return false;
  const int s = state.State(selected);
  if (s == kCondMixed) return false;
  int first = std::min(selected, clicked);
  int last = std::max(selected, clicked);
  if (IsConditionSubgroup(clicked) && clicked > selected) last = ConditionNodeEnd(clicked);
  const bool changed = state.SetRange(first, last, s);
  state.ComputeNodeStates();
  return changed;
}

int ConditionDragState(const ConditionState& state, int node) {
  if (node <= kCondRootEntry || node >= kCondEntryCount || node == kCondSignSwitch) return -1;
  const int s = state.State(node);
  return s == kCondMixed ? kCondAny : s;
}

bool ConditionPaintRefused(int node, bool expanded) {
  if (node == kCondRootEntry) return true;
  return expanded && node > kCondRootEntry && node < kCondEntryCount &&
         (kConditionCatalogue[node].flags & kCondHasChildren);
}

bool PaintCondition(ConditionState& state, int node, int paint, bool expanded) {
  if (node <= kCondRootEntry || node >= kCondEntryCount || node == kCondSignSwitch) return false;
  if (paint < 0 || paint > kCondRequired) return false;
  if (IsConditionLeaf(node)) return state.SetLeaf(node, paint);
  if (expanded) {
    const bool had = state.State(node) != 0;
    state.SetOwnBits(node, 0);
    return had;
  }
  const int before = state.State(node);
  const bool changed = state.SetSubtree(node, paint);
  return changed || before != paint;
}

}  // namespace tw
