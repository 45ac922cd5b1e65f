#include "bio/rhythm.h"

#include <cmath>

namespace tw {

namespace {

constexpr double kPi = 3.14159265358979323846;

int32_t Round1000(double x) { return static_cast<int32_t>(std::lround(1000.0 * x)); }

void RepeatFirstFour(SampleTable& t, int32_t period) {
  for (int k = 0; k < 4; ++k) t[4 * period + k] = t[k];
}

}  // namespace

SampleTable MakeSineTable(int32_t period) {
  SampleTable t(4 * period + 4);
  for (int32_t k = 0; k < 4 * period; ++k) t[k] = Round1000(std::sin(2.0 * kPi * k / (4.0 * period)));
  RepeatFirstFour(t, period);
  return t;
}

// A slow rise to the top over q quarter days, a fall to zero in five, the mirrored slow
// fall to the bottom and a rise back to zero in five.
SampleTable MakeSawtoothTable(int32_t period) {
  SampleTable t(4 * period + 4);
  const int32_t q = 2 * period - 5;
  const double d = 4.0 * period - 9;
  for (int32_t k = 0; k <= q; ++k) t[k] = Round1000(std::sin(kPi * k / d));
  for (int32_t j = 1; j <= 5; ++j) t[q + j] = 1000 - 200 * j;
  for (int32_t k = q + 6; k <= 2 * q + 5; ++k) t[k] = -Round1000(std::sin(kPi * (k - q - 5) / d));
  for (int32_t k = 2 * q + 6, v = -800; k < 4 * period; ++k, v += 200) t[k] = v;
  RepeatFirstFour(t, period);
  return t;
}

namespace {

struct TableStore {
  std::array<SampleTable, 2 * kRhythmCount> tables;
  CurveTables refs;
  TableStore() {
    for (int r = 0; r < kRhythmCount; ++r) {
      tables[r] = MakeSineTable(RhythmPeriods[r]);
      tables[r + kRhythmCount] = MakeSawtoothTable(RhythmPeriods[r]);
    }
    for (int i = 0; i < 2 * kRhythmCount; ++i) refs.table[i] = &tables[i];
  }
};

}  // namespace

const CurveTables& GetCurveTables() {
  static const TableStore store;
  return store.refs;
}

int32_t RhythmPhase(int rhythm, int32_t dayOffset) {
  const int32_t p = RhythmPeriods[rhythm];
  int32_t m = dayOffset % p;
  return m < 0 ? m + p : m;
}

int32_t RhythmDayValue(int rhythm, DayNumber birthday, DayNumber day, bool sawtooth) {
  return GetCurveTables().Of(rhythm, sawtooth)[4 * RhythmPhase(rhythm, day - birthday)];
}

int32_t DayStartSample(int rhythm, int32_t dayOffset) {
  const int32_t i = 4 * RhythmPhase(rhythm, dayOffset) - 2;
  return i < 0 ? 4 * RhythmPeriods[rhythm] - 2 : i;
}

DaySamples DaySamplesOf(int rhythm, int32_t dayOffset, bool sawtooth) {
  const SampleTable& t = GetCurveTables().Of(rhythm, sawtooth);
  const int32_t mid = 4 * RhythmPhase(rhythm, dayOffset);
  return {t[DayStartSample(rhythm, dayOffset)], t[mid], t[mid + 2]};
}

}  // namespace tw
