// Layout of a maximised chart: everything the painter draws, computed once per repaint.
#include <benchmark/benchmark.h>

#include "calendar/moon_data.h"
#include "views/chart_layout.h"

namespace {

// 1280 x 1024 screen less frame, toolbar and date bar; "Ag" of a 10-point Arial.
tw::ChartInput MaximisedChart(int daySize) {
  tw::ChartInput in;
  in.target = {0, 0, 1272, 860};
  in.device = {17, 16, 96, 96, false};
  in.options = tw::ChartOptionsFrom(tw::kViewHigherCurves | tw::kViewSpecialRanges | tw::kViewMarkRow, false,
                                    daySize, tw::kHighlightAverage, false);
  in.content.birthday = tw::DayFromDate(1970, 5, 17);
  in.content.selectedDay = tw::DayFromDate(2024, 6, 1);
  in.content.recentre = true;
  in.content.dayMark = [](tw::DayNumber d) { return d % 5 == 0 ? int(tw::kMarkRed | 1) : -1; };
  return in;
}

void BM_ChartLayoutMaximised(benchmark::State& state) {
  tw::ChartInput in = MaximisedChart(static_cast<int>(state.range(0)));
  std::vector<tw::MoonDayRecord> recs(400, tw::EmptyMoonRecord());
  for (size_t i = 0; i < recs.size(); ++i) {
    recs[i].SetMoonSign(static_cast<int>(i / 2) % 12);
    if (i % 2) recs[i].SetEventTime(tw::MoonEvent::MoonSign, 600);
  }
  tw::MemoryMoonData moon(in.content.selectedDay - 200, recs);
  in.content.moon = &moon;
  in.content.oskelin = true;
  size_t points = 0;
  int days = 0;
  for (auto _ : state) {
    tw::ChartLayout L = tw::LayOutChart(in);
    points = L.rows.y.size();
    for (const auto& r : L.ranges) points += r.points.size();
    days = L.frame.daysShown;
    benchmark::DoNotOptimize(L);
  }
  state.counters["days"] = days;
  state.counters["points"] = static_cast<double>(points);
  state.SetLabel("7 rhythms, special ranges, average highlight, DayMarks, element band");
}
BENCHMARK(BM_ChartLayoutMaximised)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
