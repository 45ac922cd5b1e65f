// What a click, a shift-click or a drag does to the conditions tree. Each returns whether
// a condition changed, so the dialog knows when to enable "Ok" and redescribe; each leaves
// the node states computed, except painting, whose caller recomputes on release.
#pragma once
#include "reco/condition_state.h"

namespace tw {

// A click on a node's image (or Space): any -> required -> excluded -> any, mixed ->
// required; requiring a value in an untouched node first excludes the rest of it.
bool ClickCondition(ConditionState& state, int node);

// Shift+click with `selected` selected: the range up to `clicked` takes the selected
// node's state. Nothing for a mixed selection, a clicked category, or the root or switch
// as selection. A subgroup clicked below the selection takes its whole subtree along.
bool ShiftClickCondition(ConditionState& state, int selected, int clicked);

// Painting by dragging. The drag carries this state (mixed counts as any); -1 when the
// node cannot be dragged (root, switch).
int ConditionDragState(const ConditionState& state, int node);
// Whether the cursor shows the "no" sign over the node.
bool ConditionPaintRefused(int node, bool expanded);
// Paints one node passed by the mouse. Returns whether its shown bits changed.
bool PaintCondition(ConditionState& state, int node, int paint, bool expanded);

}  // namespace tw
