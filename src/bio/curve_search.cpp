#include "bio/curve_search.h"

#include "bio/bio_messages.h"

namespace tw {

bool DayMeetsCondition(const DayWindow* windows, int shown, const ConditionWords& words) {
  int matched = 0, alternatives = 0, alternativesMatched = 0;
  for (int r = 0; r < shown; ++r) {
    const CurveCriteria w = words[r];
    if (w == 0) continue;
    const bool match = RhythmMatches(r, w, windows, shown);
    if ((w & kCritMandatory) && !match) return false;
    if (w & kCritAlternative) ++alternatives;
    if (match) {
      ++matched;
      if (w & kCritAlternative) ++alternativesMatched;
    }
  }
  if (alternatives > 0 && alternativesMatched == 0) return false;
  return matched > 0;
}

DayNumber CurveSearch(const CurveSearchRequest& request, const ConditionWords& words, MessageSink& sink) {
  const int shown = ShownRhythmCount(request.higherCurves);
  bool any = false;
  for (int r = 0; r < shown; ++r) any = any || words[r] != 0;
  if (!any) return request.selectedDay;

  const CurveTables& tables = GetCurveTables();
  const SampleTable* table[kRhythmCount];
  int32_t index[kRhythmCount];
  int32_t wrap[kRhythmCount];  // 4p
  for (int r = 0; r < shown; ++r) {
    table[r] = &tables.Of(r, request.sawtooth);
    index[r] = DayStartSample(r, request.selectedDay - request.birthday);
    wrap[r] = 4 * RhythmPeriods[r];
  }
  const int step = request.direction < 0 ? -1 : 1;
  DayWindow windows[kRhythmCount];
  DayNumber day = request.selectedDay;
  for (;;) {
    day += step;
    if (day < request.birthday || day > request.searchEnd) {
      sink.ShowMessage(kMsgWarning, kMsgCurveSearchNoHit);
      return request.selectedDay;
    }
    for (int r = 0; r < shown; ++r) {
      int32_t i = index[r] + 4 * step;
      if (i >= wrap[r]) i = 2;
      else if (i < 0) i = wrap[r] - 2;
      index[r] = i;
      windows[r] = WindowAt(*table[r], i);
    }
    if (DayMeetsCondition(windows, shown, words)) return day;
  }
}

}  // namespace tw
