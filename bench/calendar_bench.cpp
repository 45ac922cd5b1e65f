// Moon calendar: the text work of one screen of rows (every cell document of 30 days with
// three recommendation columns and the shipped recommendations), the side panel's summary,
// and laying out a cell document without a rich edit control.
#include <benchmark/benchmark.h>

#include "core/daynumber.h"
#include "calendar/moon_data.h"
#include "calendar/special_days.h"
#include "calendar/year_table.h"
#include "reco/reco_eval.h"
#include "reco/reco_files.h"
#include "views/calendar_cells.h"
#include "views/calendar_rtf_layout.h"
#include "views/day_summary.h"

namespace {

const std::string kData = std::string(TW_SOURCE_DIR) + "/data/";

struct Shipped {
  tw::RecordingSink sink;
  tw::MoonData moon{sink};
  tw::SpecialDayTable special;
  tw::RecoTables reco;
  bool ok = false;
  Shipped() {
    ok = moon.Open(kData) && tw::LoadRecoTable(kData, reco, sink) && tw::LoadRecoSelTable(kData, reco, sink);
    special.Load(kData);
  }
};
Shipped& Data() {
  static Shipped s;
  return s;
}

tw::CellContext Context() {
  tw::CellContext c;
  c.message = [](int id) { return std::to_string(id); };
  return c;
}

constexpr int kRows = 30;

void BM_ScreenOfCellTexts(benchmark::State& state) {
  Shipped& d = Data();
  if (!d.ok) {
    state.SkipWithError("shipped data missing");
    return;
  }
  tw::RecoEvaluator eval(d.reco, d.moon, d.sink);
  eval.specialDays = &d.special;
  const tw::CellContext ctx = Context();
  tw::PersonDocument doc;
  tw::YearTable year;
  const tw::DayNumber first = tw::DayFromDate(2024, 1, 1);
  size_t bytes = 0;
  for (auto _ : state) {
    for (tw::DayNumber day = first; day < first + kRows; ++day) {
      const tw::MoonDayRecord r = *d.moon.Fetch(day);
      const int holiday = tw::HolidayTest(day, d.special, year);
      bytes += tw::DateCellRtf(day, holiday, ctx).size();
      bytes += tw::MoonCellRtf(r, 5, ctx).size();
      bytes += tw::SunCellRtf(r, ctx).size();
      for (int column = 6; column <= 8; ++column) bytes += tw::RecoCellRtf(eval, day, column, 0, 0, ctx).size();
      bytes += tw::NotesCellRtf(doc, day, ctx).size();
    }
  }
  benchmark::DoNotOptimize(bytes);
  state.counters["rows"] = kRows;
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ScreenOfCellTexts)->Unit(benchmark::kMillisecond);

void BM_DaySummaryWithRecommendations(benchmark::State& state) {
  Shipped& d = Data();
  if (!d.ok) {
    state.SkipWithError("shipped data missing");
    return;
  }
  tw::RecoEvaluator eval(d.reco, d.moon, d.sink);
  eval.specialDays = &d.special;
  tw::SummaryRequest q;
  q.day = tw::DayFromDate(2024, 12, 25);
  q.dataMask = 0x3FF;
  const tw::CellContext ctx = Context();
  for (auto _ : state) benchmark::DoNotOptimize(tw::BuildDaySummary(d.moon, &eval, q, ctx));
}
BENCHMARK(BM_DaySummaryWithRecommendations)->Unit(benchmark::kMicrosecond);

class CharMeasure : public tw::RtfMeasure {
 public:
  int Width(const tw::RtfRun&, std::string_view t) override { return static_cast<int>(t.size()) * 7; }
  int Height(const tw::RtfRun&) override { return 16; }
  int Ascent(const tw::RtfRun&) override { return 12; }
};

void BM_LayoutRecommendationCell(benchmark::State& state) {
  Shipped& d = Data();
  if (!d.ok) {
    state.SkipWithError("shipped data missing");
    return;
  }
  tw::RecoEvaluator eval(d.reco, d.moon, d.sink);
  eval.specialDays = &d.special;
  const std::string rtf = tw::RecoCellRtf(eval, tw::DayFromDate(2024, 12, 25), 5, 0, 0, Context());
  CharMeasure m;
  for (auto _ : state) benchmark::DoNotOptimize(tw::LayoutRtf(tw::ParseRtf(rtf), 480, 96, m).height);
  state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
}
BENCHMARK(BM_LayoutRecommendationCell)->Unit(benchmark::kMicrosecond);

}  // namespace
