// Recommendation conditions: the bare test over a full table and a century of days, the test
// of all recommendations over 100 years as the test dialog runs it, and a day search that
// finds nothing from 1950 to 2049.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "reco/reco_eval.h"
#include "reco/reco_files.h"

namespace {

const std::string kData = std::string(TW_SOURCE_DIR) + "/data/";

// The shipped Moon.dat when present, otherwise a synthetic century with moving signs and
// regular events, so the attribute scan has work to do.
std::unique_ptr<tw::MoonRecordSource> OpenMoon(tw::MessageSink& sink) {
  if (std::filesystem::exists(kData + "Moon.dat")) {
    auto moon = std::make_unique<tw::MoonData>(sink);
    if (moon->Open(kData)) return moon;
  }
  std::vector<tw::MoonDayRecord> records;
  for (int i = 0; i < tw::kMoonFileRecords; ++i) {
    tw::MoonDayRecord r = tw::EmptyMoonRecord();
    r.SetMoonSign((i / 2) % 12);
    r.SetSunSign((i / 30) % 12);
    r.SetWaxing((i / 15) % 2 == 0);
    if (i % 15 == 0) r.SetEventTime(tw::MoonEvent::Phase, 600);
    if (i % 14 == 3) r.SetEventTime(tw::MoonEvent::Height, 300);
    if (i % 27 == 5) r.SetEventTime(tw::MoonEvent::Distance, 900);
    records.push_back(r);
  }
  return std::make_unique<tw::MemoryMoonData>(tw::kFirstMoonDay, records);
}

// 768 occupied records cycled from the shipped set (its group headers become plain records
// without conditions, so every slot is tested).
tw::RecoTables FullTable() {
  tw::RecoTables shipped;
  tw::RecordingSink sink;
  tw::LoadRecoTable(kData, shipped, sink);
  std::vector<tw::RecoRecord> pool;
  for (const tw::RecoRecord& r : shipped.records)
    if (r.occupied() && !r.isHeader()) pool.push_back(r);
  if (pool.empty()) pool.push_back(tw::RecoRecord{});
  tw::RecoTables t;
  for (int n = 0; n < tw::kRecoSlots; ++n) {
    tw::RecoRecord r = pool[n % pool.size()];
    r.category = static_cast<uint8_t>(1 + n % 3);
    r.groupLink = 0;
    t.Occupy(n, r);
  }
  return t;
}

std::vector<tw::RecoDay> PreparedCentury(tw::MoonRecordSource& moon) {
  std::vector<tw::RecoDay> days(tw::kMoonFileRecords);
  for (int i = 0; i < tw::kMoonFileRecords; ++i)
    tw::PrepareRecoDay(moon, tw::kFirstMoonDay + i, false, &days[i]);
  return days;
}

// The bare condition test: 768 records × 36,525 prepared days.
void BM_HoldsTableCentury(benchmark::State& state) {
  tw::RecordingSink sink;
  auto moon = OpenMoon(sink);
  const std::vector<tw::RecoDay> days = PreparedCentury(*moon);
  const tw::RecoTables t = FullTable();
  long hits = 0;
  for (auto _ : state) {
    for (const tw::RecoDay& day : days)
      for (const tw::RecoRecord& r : t.records) hits += tw::Holds(r, day);
    benchmark::DoNotOptimize(hits);
  }
  const double tests = static_cast<double>(days.size()) * tw::kRecoSlots;
  state.counters["record_day_tests_per_s"] =
      benchmark::Counter(tests * state.iterations(), benchmark::Counter::kIsRate);
  state.counters["hit_share"] = static_cast<double>(hits) / (tests * state.iterations());
}
BENCHMARK(BM_HoldsTableCentury)->Unit(benchmark::kMillisecond);

// Worst case: every record passes every field and all 31 fixed-day entries are looked at.
void BM_HoldsWorstCaseCentury(benchmark::State& state) {
  tw::RecordingSink sink;
  auto moon = OpenMoon(sink);
  const std::vector<tw::RecoDay> days = PreparedCentury(*moon);
  std::vector<tw::RecoRecord> records(tw::kRecoSlots);
  for (tw::RecoRecord& r : records) {
    r.category = 1;
    for (auto& e : r.fixedDays) e = tw::MakeFixedDay(3812, tw::kCondAny);  // a movable lookup each
    r.otherDays = tw::kCondExcluded << 14;
  }
  long hits = 0;
  for (auto _ : state) {
    for (const tw::RecoDay& day : days)
      for (const tw::RecoRecord& r : records) hits += tw::Holds(r, day);
    benchmark::DoNotOptimize(hits);
  }
  state.counters["record_day_tests_per_s"] = benchmark::Counter(
      static_cast<double>(days.size()) * tw::kRecoSlots * state.iterations(),
      benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HoldsWorstCaseCentury)->Unit(benchmark::kMillisecond);

// The test of all recommendations over 100 years: prepare each day, test every record.
void BM_TestAllHundredYears(benchmark::State& state) {
  tw::RecordingSink sink;
  auto moon = OpenMoon(sink);
  const tw::RecoTables t = FullTable();
  std::vector<int> counters(tw::kRecoSlots);
  tw::RecoDay day;
  for (auto _ : state) {
    std::fill(counters.begin(), counters.end(), 0);
    for (tw::DayNumber d = tw::kFirstMoonDay; d <= tw::kLastMoonDay; ++d) {
      if (!tw::PrepareRecoDay(*moon, d, false, &day)) break;
      for (int n = 0; n < tw::kRecoSlots; ++n) counters[n] += tw::Holds(t.records[n], day);
    }
    benchmark::DoNotOptimize(counters.data());
  }
  state.counters["days"] = tw::kMoonFileRecords;
  state.counters["records"] = tw::kRecoSlots;
}
BENCHMARK(BM_TestAllHundredYears)->Unit(benchmark::kMillisecond);

// A forward search over the whole data that finds no day.
void BM_FindDayNoHitCentury(benchmark::State& state) {
  tw::RecordingSink sink;
  auto moon = OpenMoon(sink);
  tw::RecoTables t;
  for (int n = 0; n < tw::kRecoSlots; ++n) {
    tw::RecoRecord r;
    r.category = 2;
    r.otherDays = tw::kCondExcluded << 14;  // never holds, and only the last step says so
    t.Occupy(n, r);
  }
  tw::RecoEvaluator eval(t, *moon, sink);
  tw::DayNumber found = 0;
  for (auto _ : state) {
    found = eval.FindDay(tw::kFirstMoonDay - 1, 1, false, 0, tw::kFirstMoonDay - 1);
    benchmark::DoNotOptimize(found);
  }
  if (found != tw::kLastMoonDay) state.SkipWithError("the search found a day");
  state.counters["days_searched"] = tw::kMoonFileRecords;
}
BENCHMARK(BM_FindDayNoHitCentury)->Unit(benchmark::kMillisecond);

}  // namespace
