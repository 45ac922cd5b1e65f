#include "bio/compatibility.h"

namespace tw {

RhythmPhases CompatibilityPhases(DayNumber birthday) {
  RhythmPhases ph{};
  for (int r = 0; r < kRhythmCount; ++r) ph[r] = RhythmPhase(r, kCompatibilityReferenceDay - birthday);
  return ph;
}

int32_t CompatibilityPercent(int rhythm, int32_t phase1, int32_t phase2) {
  const int32_t p = RhythmPeriods[rhythm];
  int32_t d = phase1 - phase2;
  if (d < 0) d = -d;
  int32_t c = 100 - (d * (20000 / p) + 50) / 100;
  return c < 0 ? -c : c;
}

CompatibilityResult CompareRhythms(const RhythmPhases& a, const RhythmPhases& b, bool allRhythms) {
  CompatibilityResult res;
  res.compared = ShownRhythmCount(allRhythms);
  res.percent.fill(-1);
  int32_t sum = 0;
  for (int r = 0; r < res.compared; ++r) {
    res.percent[r] = CompatibilityPercent(r, a[r], b[r]);
    sum += res.percent[r];
  }
  res.average = sum / res.compared;
  return res;
}

std::string CompatibilityText(int32_t percent) {
  if (percent < 0) return "---";
  return std::to_string(percent) + " %";
}

}  // namespace tw
