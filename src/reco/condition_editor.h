// One session of the conditions editor without its window: the tree states, the looks of
// the text, when "Ok" is enabled, and what "Ok" does. The dialog forwards its events here
// and redraws the tree images and the description whenever a call reports a change.
#pragma once
#include <string>

#include "core/platform.h"
#include "reco/condition_state.h"
#include "reco/condition_texts.h"

namespace tw {

class ConditionEditor {
 public:
  // Result of Ok() when the warning was cancelled and the dialog stays open.
  static constexpr int kStayOpen = -1;

  explicit ConditionEditor(const RecoRecord& record);

  ConditionState& state() { return state_; }
  const ConditionState& state() const { return state_; }
  const std::string& storedName() const { return name_; }
  int colorIndex() const { return colorIndex_; }
  int styleIndex() const { return styleIndex_; }
  bool okEnabled() const { return okEnabled_; }
  // A new recommendation is still called "?": the name edit gets the focus then.
  bool focusName() const { return name_ == "?"; }
  // Nodes expanded on opening: those with children whose leaves are mixed.
  bool ExpandOnOpen(int node) const;

  // Tree events; each returns whether a condition changed.
  bool Click(int node);
  bool ShiftClick(int selected, int clicked);
  bool Paint(int node, int paint, bool expanded);
  void EndPaint();  // the button is released after painting
  bool ChooseFixedDay(int node, int code);  // code from "Fixtagauswahl"; -1 = cancelled
  bool DeleteFixedDay(int node);

  // Text looks and name edit.
  void ChooseColour(int colorIndex);
  void ChooseStyle(int styleIndex);
  void NameEdited() { okEnabled_ = true; }
  void NameFocusLost(const char* text);

  // "Ok": the warning, then the record. Returns kStayOpen, 1, or 2 when the name changed.
  int Ok(RecoRecord& record, const char* editedName, MessageSink& sink,
         const ConditionTexts& texts);

 private:
  bool Changed(bool changed);

  ConditionState state_;
  std::string name_;
  int colorIndex_ = 0;
  int styleIndex_ = 0;
  bool okEnabled_ = false;
  bool painted_ = false;
};

}  // namespace tw
