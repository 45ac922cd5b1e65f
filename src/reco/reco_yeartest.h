// The portable half of the test over years: running recommendations over whole years of moon
// data, the per-year averages of the test of all, the symbol column of the single test and
// the clamping of the test settings.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "calendar/moon_data.h"
#include "reco/reco_eval.h"
#include "reco/reco_tables.h"

namespace tw {

constexpr int kSingleTestRows = 90;  // rows the single test lists at most

// Called once per day before it is tested; the dialog pumps its messages and shows the day
// there. Returning false stops the run (the stop request is seen only between days).
class YearRunObserver {
 public:
  virtual ~YearRunObserver() = default;
  virtual bool Continue(DayNumber day) = 0;
};

struct YearRunResult {
  bool stopped = false;  // by the observer
  int daysTested = 0;    // a day without moon data ends the run early
};

// Single test: counts the days from 1 January of `firstYear` to 31 December of
// firstYear + years - 1 on which `record` holds; the first 90 of them go to `listed`.
YearRunResult RunSingleTest(MoonRecordSource& moon, const RecoRecord& record, int firstYear,
                            int years, bool sternbild, YearRunObserver* observer, int* count,
                            std::vector<DayNumber>* listed);

// Test of all: one counter per slot for every occupied slot that is not a group header.
// `counters` is resized to 768 and zeroed first.
YearRunResult RunTestAll(MoonRecordSource& moon, const RecoTables& tables, int firstYear,
                         int years, bool sternbild, YearRunObserver* observer,
                         std::vector<int>* counters);

// "%s (ø %d.%d)": the name and hits / years rounded to one decimal (29 in 10 years: 2.9).
std::string AverageLabel(const char* name, int hits, int years);
// True when the average rounds below 1.0: such items are scrolled into view.
bool AverageBelowOne(int hits, int years);

// The glyph codes of the symbol column for one day: sun sign, phase picture and moon sign,
// height, distance and node characters of the symbol font.
std::string DaySymbolText(const MoonDayRecord& record, bool sternbild);

// A cell of the single test's list: the text when `width` of it fits `room`, else the
// longest start of it that fits with the ellipsis character 0x85 appended; the result is
// never longer than the text, and empty when not even the ellipsis fits.
std::string FitWithEllipsis(const std::string& text, int room,
                            const std::function<int(const std::string&)>& width);

// TestYear 1600..2049, the two counts 1..100, then each count cut so that year + count does
// not pass 2050.
struct YearTestSettings {
  int testYear = 1997;        // TestYear
  int singleYears = 1;        // NumberofTestYears
  int allYears = 10;          // NumberofTestYearsAllTests
  void Clamp();
};

}  // namespace tw
