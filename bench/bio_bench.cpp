// Curve search over many years without a hit: the worst case a user can start.
#include <benchmark/benchmark.h>

#include "bio/curve_search.h"
#include "bio/percent_text.h"

namespace {

// High and low required at once never match, so the search walks to its end.
void BM_CurveSearch40YearsNoHit(benchmark::State& state) {
  tw::ConditionWords words{};
  for (int r = 0; r < tw::kRhythmCount; ++r) words[r] = tw::kCritHigh | tw::kCritLow;
  tw::CurveSearchRequest req;
  req.birthday = tw::DayFromDate(1950, 1, 1);
  req.selectedDay = tw::DayFromDate(2000, 1, 1);
  req.searchEnd = req.selectedDay + 40 * 365 + 10;
  req.higherCurves = state.range(0) != 0;
  req.sawtooth = false;
  req.direction = 1;
  tw::RecordingSink sink;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tw::CurveSearch(req, words, sink));
    sink.entries.clear();
  }
  state.counters["days"] = static_cast<double>(req.searchEnd - req.selectedDay);
  state.SetLabel(req.higherCurves ? "7 rhythms, target < 50 ms" : "3 rhythms, target < 50 ms");
}
BENCHMARK(BM_CurveSearch40YearsNoHit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A crossing condition on every rhythm: the most comparisons per day.
void BM_CurveSearchCrossingsNoHit(benchmark::State& state) {
  tw::ConditionWords words{};
  for (int r = 0; r < tw::kRhythmCount; ++r)
    words[r] = tw::kCritCross13 | tw::kCritCross47 | tw::kCritHigh | tw::kCritLow | tw::kCritAlternative;
  tw::CurveSearchRequest req;
  req.birthday = tw::DayFromDate(1950, 1, 1);
  req.selectedDay = tw::DayFromDate(2000, 1, 1);
  req.searchEnd = req.selectedDay + 40 * 365 + 10;
  req.higherCurves = true;
  tw::RecordingSink sink;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tw::CurveSearch(req, words, sink));
    sink.entries.clear();
  }
  state.SetLabel("target < 50 ms");
}
BENCHMARK(BM_CurveSearchCrossingsNoHit)->Unit(benchmark::kMillisecond);

void BM_DayAverage(benchmark::State& state) {
  tw::DayNumber day = 140000;
  for (auto _ : state) benchmark::DoNotOptimize(tw::DayAverage(130000, day++, true, true));
}
BENCHMARK(BM_DayAverage);

}  // namespace
