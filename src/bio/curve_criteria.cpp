#include "bio/curve_criteria.h"

namespace tw {

DayWindow WindowAt(const SampleTable& table, int32_t start) {
  return DayWindow{{table[start], table[start + 1], table[start + 2], table[start + 3]}};
}

namespace {

int32_t FirstBeyond(const DayWindow& w, int32_t limit) {
  for (int k = 0; k < 3; ++k)
    if (w.s[k] > limit || w.s[k] < -limit) return w.s[k];
  return w.s[3];
}

bool Crosses(const DayWindow& t, int32_t level) {
  return (t.s[3] > level && t.s[0] < level) || (t.s[3] < level && t.s[0] > level);
}

}  // namespace

bool RhythmMatches(int rhythm, CurveCriteria word, const DayWindow* windows, int shown) {
  const DayWindow& w = windows[rhythm];
  const int32_t s0 = w.s[0], s3 = w.s[3];
  CurveCriteria found = word & (kCritMandatory | kCritAlternative);

  if (word & (kCritZeroYes | kCritZeroNo)) {
    const bool zero = (s0 <= 0 && s3 >= 0) || (s0 >= 0 && s3 <= 0);  // s0 * s3 <= 0
    if ((word & kCritZeroYes) && zero) found |= kCritZeroYes;
    if ((word & kCritZeroNo) && !zero) found |= kCritZeroNo;
  }
  if (word & (kCritHigh | kCritLow)) {
    const int32_t v = FirstBeyond(w, 994);
    if ((word & kCritLow) && v < -994) found |= kCritLow;
    else if ((word & kCritHigh) && v > 994) found |= kCritHigh;
  }
  if (word & (kCritPositive | kCritNegative)) {
    const int32_t v = FirstBeyond(w, 50);
    if ((word & kCritNegative) && v < 50) found |= kCritNegative;
    else if ((word & kCritPositive) && v > 50) found |= kCritPositive;
  }
  if (word & (kCritRising | kCritFalling)) {
    if ((word & kCritFalling) && s3 < s0) found |= kCritFalling;
    else if ((word & kCritRising) && s3 > s0) found |= kCritRising;
  }
  if (word & kCritCrossBits) {
    const int32_t level = (s0 + s3) / 2;
    for (int t = 0; t < shown; ++t) {
      if (t == rhythm) continue;
      const bool crosses = Crosses(windows[t], level);
      const CurveCriteria yes = t < kBasicRhythmCount ? kCritCross13 : kCritCross47;
      const CurveCriteria no = t < kBasicRhythmCount ? kCritNoCross13 : kCritNoCross47;
      if ((word & yes) && crosses) found |= yes;
      else if ((word & no) && !crosses) found |= no;
      if ((found & kCritCrossBits) == (word & kCritCrossBits)) break;
    }
  }
  return found == word;
}

int CriterionState(CurveCriteria word, int field) {
  switch ((word >> (2 * field)) & 3) {
    case 1: return 1;
    case 2: return 2;
    default: return 0;
  }
}

CurveCriteria CycleCriterion(CurveCriteria word, int field) {
  const int shift = 2 * field;
  CurveCriteria next;
  switch ((word >> shift) & 3) {
    case 0: next = 2; break;
    case 2: next = 1; break;
    default: next = 0; break;  // 01, and the never-written 11
  }
  word = (word & ~(CurveCriteria{3} << shift)) | (next << shift);
  if ((word & kCritTestBits) == 0) word = 0;
  return word;
}

}  // namespace tw
