// Numbered messages of the resource library that the biorhythm code shows.
#pragma once

namespace tw {

constexpr int kMsgCurveSearchNoHit = 3010;     // no arguments; exclamation icon
constexpr int kMsgAverageFormat = 3040;        // %d integer part, %d tenths of the day average
constexpr int kMsgUnnamedCondition = 4428;     // no arguments; stands for an empty condition name

}  // namespace tw
