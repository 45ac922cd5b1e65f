// Searches day by day for the next (or previous) day whose curves meet a condition.
#pragma once
#include <array>

#include "bio/curve_criteria.h"
#include "core/daynumber.h"
#include "core/platform.h"

namespace tw {

using ConditionWords = std::array<CurveCriteria, kRhythmCount>;

struct CurveSearchRequest {
  DayNumber selectedDay = 0;
  DayNumber birthday = 0;
  bool higherCurves = false;  // ViewFlags 0x40: all seven rhythms take part
  bool sawtooth = false;      // ViewFlags 0x100
  int direction = 1;          // +1 forward, -1 backward
  DayNumber searchEnd = kLastCalendarDay;
};

// The day found, or the selected day when the condition has no word for the shown rhythms
// (silently) or the birthday or the search end is reached first (message 3010 then).
DayNumber CurveSearch(const CurveSearchRequest& request, const ConditionWords& words, MessageSink& sink);

// Whether `day` meets the condition: the mandatory and alternative rules over the shown
// rhythms. Exposed for the chart's highlighting and for tests.
bool DayMeetsCondition(const DayWindow* windows, int shown, const ConditionWords& words);

}  // namespace tw
