// Moon data reader and day attributes: consecutive fetches as the painters and condition
// tests do them, refills of the window, and the attribute scan per day.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "../tests/unit/moon/moon_test_files.h"
#include "calendar/day_attributes.h"
#include "calendar/moon_data.h"

namespace {

// One synthetic full-size Moon.dat for all benchmarks of this file.
const std::string& MoonDir() {
  static const std::string dir = [] {
    std::string d = tw::test::MakeTempDir("moonbench");
    tw::test::WriteMoonFile(d, tw::kMoonFileRecords, false);
    return d;
  }();
  return dir;
}

void BM_FetchConsecutiveDays(benchmark::State& state) {
  tw::RecordingSink sink;
  tw::MoonData moon(sink);
  if (!moon.Open(MoonDir())) {
    state.SkipWithError("cannot open Moon.dat");
    return;
  }
  unsigned sum = 0;
  for (auto _ : state) {
    for (tw::DayNumber d = tw::kFirstMoonDay; d <= tw::kLastMoonDay; ++d) sum += moon.Fetch(d)->bytes[2];
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * tw::kMoonFileRecords);
  state.counters["window_bytes"] = tw::kMoonWindowRecords * tw::kMoonRecordSize;
}
BENCHMARK(BM_FetchConsecutiveDays)->Unit(benchmark::kMillisecond);

// Every fetch leaves the window: the cost of one 64 KiB refill.
void BM_FetchWindowRefill(benchmark::State& state) {
  tw::RecordingSink sink;
  tw::MoonData moon(sink);
  if (!moon.Open(MoonDir())) {
    state.SkipWithError("cannot open Moon.dat");
    return;
  }
  const tw::DayNumber a = tw::DayFromDate(1960, 1, 1), b = tw::DayFromDate(2040, 1, 1);
  bool flip = false;
  for (auto _ : state) {
    benchmark::DoNotOptimize(moon.Fetch((flip = !flip) ? a : b));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FetchWindowRefill)->Unit(benchmark::kMicrosecond);

void BM_AttributesPerDayFromFile(benchmark::State& state) {
  tw::RecordingSink sink;
  tw::MoonData moon(sink);
  if (!moon.Open(MoonDir())) {
    state.SkipWithError("cannot open Moon.dat");
    return;
  }
  const tw::DayNumber from = tw::DayFromDate(2000, 1, 1);
  const int days = static_cast<int>(state.range(0));
  tw::DayAttributes a;
  int sum = 0;
  for (auto _ : state) {
    for (tw::DayNumber d = from; d < from + days; ++d) {
      tw::ComputeDayAttributes(moon, d, false, &a);
      sum += a.phase;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * days);
}
BENCHMARK(BM_AttributesPerDayFromFile)->Arg(31)->Arg(366)->Unit(benchmark::kMicrosecond);

// A test over all hundred years, as the recommendation test over years walks them.
void BM_AttributesWholeData(benchmark::State& state) {
  tw::RecordingSink sink;
  tw::MoonData moon(sink);
  if (!moon.Open(MoonDir())) {
    state.SkipWithError("cannot open Moon.dat");
    return;
  }
  tw::DayAttributes a;
  int sum = 0;
  for (auto _ : state) {
    for (tw::DayNumber d = tw::kFirstMoonDay; d <= tw::kLastMoonDay; ++d) {
      tw::ComputeDayAttributes(moon, d, false, &a);
      sum += a.node;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * tw::kMoonFileRecords);
}
BENCHMARK(BM_AttributesWholeData)->Unit(benchmark::kMillisecond);

}  // namespace
