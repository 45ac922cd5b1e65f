// How closely the rhythms of two persons run in step, in whole percent.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "bio/rhythm.h"
#include "core/daynumber.h"

namespace tw {

// Counting phases from a day after every birthday keeps the dividend positive; only
// differences of phases are used.
constexpr DayNumber kCompatibilityReferenceDay = 3000000;

using RhythmPhases = std::array<int32_t, kRhythmCount>;
RhythmPhases CompatibilityPhases(DayNumber birthday);

// 100 in step, 0 half a period apart, rising again toward a whole period.
int32_t CompatibilityPercent(int rhythm, int32_t phase1, int32_t phase2);

struct CompatibilityResult {
  std::array<int32_t, kRhythmCount> percent{};  // -1 for a rhythm not compared
  int32_t average = 0;
  int compared = 0;  // 3 or 7
};
CompatibilityResult CompareRhythms(const RhythmPhases& a, const RhythmPhases& b, bool allRhythms);

// "91 %", or "---" for a rhythm not compared.
std::string CompatibilityText(int32_t percent);

}  // namespace tw
