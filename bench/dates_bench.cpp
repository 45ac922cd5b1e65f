// Year table and special days text: the per-row cost the calendar painter pays.
#include <benchmark/benchmark.h>

#include <string>

#include "calendar/date_format.h"
#include "calendar/date_parse.h"
#include "calendar/special_days.h"
#include "calendar/year_table.h"

namespace tw {
namespace {

// 300 rules of every kind, roughly the mix of a well-filled set of files.
SpecialDayTable MakeTable() {
  SpecialDayTable t;
  for (int i = 0; i < 300; ++i) {
    std::string line;
    int category = kSpecialHoliday;
    switch (i % 6) {
      case 0: line = "A F " + std::to_string((i % 28 + 1) * 100 + i % 12 + 1) + " O R Fest"; break;
      case 1: line = "A O " + std::to_string(i % 60 - 30) + " I S Ostern"; break;
      case 2: line = "A A " + std::to_string(-(i % 4) * 7) + " I B Advent"; break;
      case 3: line = "A " + std::to_string(i % 7) + " " + std::to_string((i % 5) * 100 + i % 12 + 1) + " I G Woche"; break;
      case 4: line = "A " + std::to_string((i % 28 + 1) * 100 + i % 12 + 1) + " S Namenstag"; category = kSpecialNameDay; break;
      default: line = "A " + std::to_string((i % 29 + 1) * 100 + i % 12 + 1) + " B Geburtstag"; category = kSpecialBirthday; break;
    }
    t.entries.push_back(ParseSpecialDayLine(line, category));
  }
  return t;
}

void BM_YearTableCompute300(benchmark::State& state) {
  SpecialDayTable table = MakeTable();
  YearTable year;
  DayNumber d = kFirstMoonDay;
  for (auto _ : state) {
    year.Compute(d, &table);
    benchmark::DoNotOptimize(table.entries.data());
    d = d < kLastMoonDay ? d + 1 : kFirstMoonDay;
  }
  state.counters["entries"] = static_cast<double>(table.entries.size());
}
BENCHMARK(BM_YearTableCompute300);

void BM_SpecialDaysTextPerDay(benchmark::State& state) {
  SpecialDayTable table = MakeTable();
  YearTable year;
  RtfStyle style;
  SpecialTextOptions options;
  options.rich = state.range(0) != 0;
  options.nameDays = options.birthdays = true;
  char buf[2048];
  DayNumber d = kFirstMoonDay;
  size_t bytes = 0;
  for (auto _ : state) {
    char* end = SpecialDaysText(buf, buf + sizeof buf, d, options, table, year, style);
    bytes += static_cast<size_t>(end - buf);
    d = d < kLastMoonDay ? d + 1 : kFirstMoonDay;
  }
  state.counters["bytes/day"] = benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SpecialDaysTextPerDay)->Arg(0)->Arg(1);

void BM_FormatAndParseDate(benchmark::State& state) {
  DateSettings s;
  char buf[64];
  DayNumber d = kFirstMoonDay;
  for (auto _ : state) {
    FormatDay(buf, buf + sizeof buf, s, d, false, false);
    benchmark::DoNotOptimize(ParseDate(buf, s.locale));
    d = d < kLastMoonDay ? d + 1 : kFirstMoonDay;
  }
}
BENCHMARK(BM_FormatAndParseDate);

}  // namespace
}  // namespace tw
