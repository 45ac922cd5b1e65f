// The seven rhythms: periods, the precomputed curve samples and the value of a day.
// Everything that shows or searches rhythm values reads these tables; nothing else
// computes a rhythm value.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/daynumber.h"

namespace tw {

constexpr int kRhythmCount = 7;
constexpr int kBasicRhythmCount = 3;  // shown without the higher curves
constexpr std::array<int32_t, kRhythmCount> RhythmPeriods = {23, 28, 33, 38, 43, 48, 53};

// Four samples per day in thousandths of the amplitude; 4p + 4 samples, the last four
// repeating the first four so that a window of four can be read without wrapping.
using SampleTable = std::vector<int32_t>;

SampleTable MakeSineTable(int32_t period);
SampleTable MakeSawtoothTable(int32_t period);

// Seven sine tables (index r) then seven sawtooth tables (index r + 7).
struct CurveTables {
  std::array<const SampleTable*, 2 * kRhythmCount> table{};
  const SampleTable& Of(int rhythm, bool sawtooth) const {
    return *table[rhythm + (sawtooth ? kRhythmCount : 0)];
  }
};

// Built once on first use; fixed data of the program afterwards.
const CurveTables& GetCurveTables();

// 3 or 7: every average, search and drawing loop runs over the shown rhythms only.
inline int ShownRhythmCount(bool higherCurves) { return higherCurves ? kRhythmCount : kBasicRhythmCount; }

// offset mod period, kept non-negative so a day before the birthday cannot index
// outside the table.
int32_t RhythmPhase(int rhythm, int32_t dayOffset);

// Sample at the middle of the day `day` for a person born on `birthday`.
int32_t RhythmDayValue(int rhythm, DayNumber birthday, DayNumber day, bool sawtooth);

// Index of the sample at the left edge of the day: 4 * phase - 2, or 4p - 2 at phase 0.
int32_t DayStartSample(int rhythm, int32_t dayOffset);

// The samples a chart draws for one day: its left edge, its middle (the day value) and
// its right edge, which is the next day's left edge.
struct DaySamples {
  int32_t left, middle, right;
};
DaySamples DaySamplesOf(int rhythm, int32_t dayOffset, bool sawtooth);

// One quarter day further along the curve, wrapping at 4p to 0.
inline int32_t NextQuarterSample(int rhythm, int32_t index) {
  return index + 1 >= 4 * RhythmPeriods[rhythm] ? 0 : index + 1;
}

// Default RGB colours of the rhythms (colour table entries 13..19).
struct Rgb {
  uint8_t r, g, b;
};
constexpr std::array<Rgb, kRhythmCount> kDefaultRhythmColors = {
    Rgb{255, 0, 0}, Rgb{0, 0, 255}, Rgb{0, 255, 0}, Rgb{255, 128, 0},
    Rgb{255, 0, 255}, Rgb{0, 255, 255}, Rgb{192, 0, 64}};
constexpr int kRhythmColorBase = 13;  // palette index of rhythm 0

}  // namespace tw
