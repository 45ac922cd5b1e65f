// A hundred years of the moon calendar exported as CSV and as iCalendar, with every
// recommendation and the bundled special days: what `twcal export` does for 1950..2049.
#include <benchmark/benchmark.h>

#include "calendar/moon_data.h"
#include "calendar/special_days.h"
#include "core/platform.h"
#include "reco/reco_report.h"
#include "views/calendar_export.h"

namespace {

void BM_Export100Years(benchmark::State& state) {
  const bool ics = state.range(0) != 0;
  const std::string dir = std::string(TW_SOURCE_DIR) + "/data/";
  tw::RecordingSink sink;
  tw::MoonData moon(sink);
  tw::SpecialDayTable special;
  tw::RecoTables tables;
  std::string error;
  if (!moon.Open(dir) || !special.Load(dir) || !tw::LoadRecoTablesForReport(dir, tables, sink, &error)) {
    state.SkipWithError("bundled data not found");
    return;
  }
  size_t bytes = 0;
  for (auto _ : state) {
    tw::ExportCollector collector(moon, &special, &tables, 0, false);
    std::string out = ics ? tw::IcsBegin() : tw::CsvHeader(false);
    tw::ExportDay day;
    for (tw::DayNumber d = tw::kFirstMoonDay; d <= tw::kLastMoonDay; ++d) {
      if (!collector.Collect(d, &day)) break;
      out += ics ? tw::IcsDay(day, false, 0, "20240101T000000Z") : tw::CsvRow(day, false);
    }
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
  state.SetLabel(ics ? "iCalendar 1950..2049, target < 2 s" : "CSV 1950..2049, target < 2 s");
}
BENCHMARK(BM_Export100Years)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
