#include "reco/condition_editor.h"

#include "reco/condition_clicks.h"
#include "reco/condition_save.h"

namespace tw {

ConditionEditor::ConditionEditor(const RecoRecord& record)
    : name_(record.name), colorIndex_(record.colorIndex), styleIndex_(record.styleIndex) {
  state_.Load(record);
}

bool ConditionEditor::ExpandOnOpen(int node) const {
  return node >= 0 && node < kCondEntryCount &&
         (kConditionCatalogue[node].flags & kCondHasChildren) &&
         state_.State(node) == kCondMixed;
}

bool ConditionEditor::Changed(bool changed) {
  if (changed) okEnabled_ = true;
  return changed;
}

bool ConditionEditor::Click(int node) { return Changed(ClickCondition(state_, node)); }

bool ConditionEditor::ShiftClick(int selected, int clicked) {
  return Changed(ShiftClickCondition(state_, selected, clicked));
}

bool ConditionEditor::Paint(int node, int paint, bool expanded) {
  painted_ = true;
  return PaintCondition(state_, node, paint, expanded);
}

void ConditionEditor::EndPaint() {
  state_.ComputeNodeStates();
  // Releasing always counts as an edit, even when the drag passed no node.
  if (painted_) okEnabled_ = true;
  painted_ = false;
}

bool ConditionEditor::ChooseFixedDay(int node, int code) {
  if (code < 0) return false;
  return Changed(state_.SetFixedDay(node, code));
}

bool ConditionEditor::DeleteFixedDay(int node) { return Changed(state_.ClearFixedDay(node)); }

void ConditionEditor::ChooseColour(int colorIndex) {
  if (colorIndex == colorIndex_) return;
  colorIndex_ = colorIndex & 3;
  okEnabled_ = true;
}

void ConditionEditor::ChooseStyle(int styleIndex) {
  if (styleIndex == styleIndex_) return;
  styleIndex_ = styleIndex & 3;
  okEnabled_ = true;
}

void ConditionEditor::NameFocusLost(const char* text) {
  if (!text || text[0] == 0) okEnabled_ = false;
}

int ConditionEditor::Ok(RecoRecord& record, const char* editedName, MessageSink& sink,
                        const ConditionTexts& texts) {
  if (!ConfirmConditions(state_, sink, texts)) return kStayOpen;
  return SaveConditions(state_, record, editedName, colorIndex_, styleIndex_);
}

}  // namespace tw
