// "Ok" of the conditions editor: the warning about conditions that either never or always
// hold, and writing the tree back into the record.
#pragma once
#include <string>
#include <vector>

#include "core/platform.h"
#include "reco/condition_state.h"
#include "reco/condition_texts.h"

namespace tw {

// Nodes that take part in the warning (flag 0x80) whose leaves are all excluded, or all
// required or any; in tree order.
std::vector<int> ConditionWarningNodes(const ConditionState& state);

// Sets every entry from the node to the end of its category to any. For the moon-sign
// subgroup that includes the switch and the sun-sign subgroup.
void ClearConditionNode(ConditionState& state, int node);

// Step 1 of "Ok": when there is anything to warn about, asks through message 3698 with the
// labels joined by ", ". Ok clears those nodes and returns true; Cancel returns false and
// changes nothing, so the dialog stays open. Without warnings it returns true silently.
bool ConfirmConditions(ConditionState& state, MessageSink& sink, const ConditionTexts& texts);

// Steps 2..5: the edited name (when not empty and different; at most 99 characters),
// colour, style, every leaf and the switch into `record`. Returns 2 when the name changed,
// else 1. Record bytes no leaf owns are left as they were.
int SaveConditions(const ConditionState& state, RecoRecord& record, const char* editedName,
                   int colorIndex, int styleIndex);

}  // namespace tw
