// The conditions of a recommendation in words, as rich text for the read-only boxes of the
// conditions editor, the recommendations dialog and the single test.
#pragma once
#include <string>

#include "reco/condition_state.h"
#include "reco/condition_texts.h"
#include "core/rtf_builder.h"

namespace tw {

// Which entries the description lists: true for the marked ones.
using ConditionMarks = std::array<bool, kCondEntryCount>;
ConditionMarks MarkConditionsToList(const ConditionState& state);

// Builds the description of the current states into `out` (screen font at 8 points).
// Returns false only when the text cannot be held; the caller shows message 3007 then.
bool DescribeConditions(const ConditionState& state, const ConditionTexts& texts,
                        const RtfStyle& style, std::string& out);

// Loads a scratch copy of the catalogue from `record` and describes it.
bool DescribeRecordConditions(const RecoRecord& record, const ConditionTexts& texts,
                              const RtfStyle& style, std::string& out);

}  // namespace tw
