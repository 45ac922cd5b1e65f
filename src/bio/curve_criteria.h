// Curve conditions of one rhythm: seven two-bit fields, 01 and 10 opposite requirements,
// 00 either. The whole word 0 means the rhythm takes no part in the search.
#pragma once
#include <cstdint>

#include "bio/rhythm.h"

namespace tw {

using CurveCriteria = uint32_t;

enum CriterionField : int {
  kFieldZero = 0,        // 01 crosses or touches zero within the day, 10 does not
  kFieldPeak = 1,        // 01 at its high point, 10 at its low point
  kFieldPositive = 2,    // 01 above 50, 10 below 50
  kFieldRising = 3,      // 01 rises over the day, 10 falls
  kFieldCross13 = 4,     // 01 a shown rhythm 1..3 crosses it, 10 one does not
  kFieldCross47 = 5,     // 01 a shown rhythm 4..7 crosses it, 10 one does not
  kFieldMandatory = 6,   // 01 mandatory, 10 alternative
};
constexpr int kCriterionFieldCount = 7;

constexpr CurveCriteria kCritZeroYes = 0x1, kCritZeroNo = 0x2;
constexpr CurveCriteria kCritHigh = 0x4, kCritLow = 0x8;
constexpr CurveCriteria kCritPositive = 0x10, kCritNegative = 0x20;
constexpr CurveCriteria kCritRising = 0x40, kCritFalling = 0x80;
constexpr CurveCriteria kCritCross13 = 0x100, kCritNoCross13 = 0x200;
constexpr CurveCriteria kCritCross47 = 0x400, kCritNoCross47 = 0x800;
constexpr CurveCriteria kCritMandatory = 0x1000, kCritAlternative = 0x2000;
constexpr CurveCriteria kCritTestBits = 0xFFF;
constexpr CurveCriteria kCritCrossBits = 0xF00;

// Four samples of a day: from the left edge of its column to three quarters of its width.
struct DayWindow {
  int32_t s[4];
};

// The table window of `rhythm` starting at sample index `start` (0..4p-1).
DayWindow WindowAt(const SampleTable& table, int32_t start);

// Runs the tests of `rhythm` against `word`; `windows` holds the windows of all shown
// rhythms (0..shown-1). True when every required result was found.
bool RhythmMatches(int rhythm, CurveCriteria word, const DayWindow* windows, int shown);

// Dialog state of a field: 0 grey (00), 1 checked (01), 2 cleared (10).
int CriterionState(CurveCriteria word, int field);

// "&Keine Suche" clears the word; "&Unbedingt" can be set only while some test is set.
constexpr CurveCriteria kNoSearch = 0;
inline bool MandatoryEnabled(CurveCriteria word) { return word != 0; }

// A click on a field box: 00 -> 10 -> 01 -> 00. Without any test bit left the whole word
// is dropped, the mandatory field with it.
CurveCriteria CycleCriterion(CurveCriteria word, int field);

}  // namespace tw
