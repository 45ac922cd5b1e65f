#include "reco/reco_yeartest.h"

#include <algorithm>
#include <cstdio>

#include "calendar/moon_derived.h"

namespace tw {

namespace {

// Visits the days of the range until the data ends or the observer stops; `test` is called
// with each prepared day.
template <typename Test>
YearRunResult RunDays(MoonRecordSource& moon, int firstYear, int years, bool sternbild,
                      YearRunObserver* observer, Test test) {
  YearRunResult result;
  if (years < 1) return result;
  const DayNumber first = DayFromDate(firstYear, 1, 1);
  const DayNumber last = DayFromDate(firstYear + years - 1, 12, 31);
  RecoDay day;
  for (DayNumber d = first; d <= last; ++d) {
    if (!moon.Fetch(d)) break;
    if (observer && !observer->Continue(d)) {
      result.stopped = true;
      break;
    }
    if (!PrepareRecoDay(moon, d, sternbild, &day)) break;
    test(day);
    ++result.daysTested;
  }
  return result;
}

}  // namespace

YearRunResult RunSingleTest(MoonRecordSource& moon, const RecoRecord& record, int firstYear,
                            int years, bool sternbild, YearRunObserver* observer, int* count,
                            std::vector<DayNumber>* listed) {
  int hits = 0;
  if (listed) listed->clear();
  YearRunResult r = RunDays(moon, firstYear, years, sternbild, observer, [&](const RecoDay& day) {
    if (!Holds(record, day)) return;
    ++hits;
    if (listed && static_cast<int>(listed->size()) < kSingleTestRows) listed->push_back(day.day);
  });
  if (count) *count = r.stopped ? 0 : hits;
  return r;
}

YearRunResult RunTestAll(MoonRecordSource& moon, const RecoTables& tables, int firstYear,
                         int years, bool sternbild, YearRunObserver* observer,
                         std::vector<int>* counters) {
  counters->assign(kRecoSlots, 0);
  return RunDays(moon, firstYear, years, sternbild, observer, [&](const RecoDay& day) {
    for (int n = 0; n < kRecoSlots; ++n) {
      const RecoRecord& rec = tables.records[n];
      if (rec.category != 0 && rec.groupLink >= 0 && Holds(rec, day)) ++(*counters)[n];
    }
  });
}

std::string AverageLabel(const char* name, int hits, int years) {
  if (years < 1) years = 1;
  const long tenths = (static_cast<long>(hits) * 10 + years / 2) / years;
  char buf[160];
  std::snprintf(buf, sizeof buf, "%s (\xF8 %ld.%ld)", name ? name : "", tenths / 10, tenths % 10);
  return buf;
}

bool AverageBelowOne(int hits, int years) {
  if (years < 1) years = 1;
  return (static_cast<long>(hits) * 10 + years / 2) / years < 10;
}

std::string DaySymbolText(const MoonDayRecord& r, bool sternbild) {
  std::string s = "a ";
  s += static_cast<char>('P' + SignIndex(SunPosition(r, sternbild).sign));
  s += "   ";
  s += static_cast<char>(PhasePicture(r) + 135);
  s += ' ';
  s += static_cast<char>('P' + SignIndex(MoonPosition(r, sternbild).sign));
  s += "   ";
  if (r.HasEvent(MoonEvent::Height))
    s += r.ascending() ? 'p' : 'r';
  else
    s += r.ascending() ? 'q' : 's';
  s += "  ";
  if (r.HasEvent(MoonEvent::Distance))
    s += r.approaching() ? 't' : 'u';
  else
    s += r.approaching() ? 'v' : 'w';
  s += "  ";
  if (r.HasEvent(MoonEvent::Node)) s += r.nodeKind() == 1 ? 'n' : 'o';
  return s;
}

std::string FitWithEllipsis(const std::string& text, int room,
                            const std::function<int(const std::string&)>& width) {
  if (width(text) <= room) return text;
  // Dropping one character and adding the ellipsis keeps the length: never longer.
  for (size_t keep = text.size(); keep-- > 0;) {
    std::string shown = text.substr(0, keep) + '\x85';
    if (width(shown) <= room) return shown;
  }
  return std::string();
}

void YearTestSettings::Clamp() {
  testYear = std::clamp(testYear, 1600, 2049);
  singleYears = std::clamp(singleYears, 1, 100);
  allYears = std::clamp(allYears, 1, 100);
  if (testYear + singleYears > 2050) singleYears = 2050 - testYear;
  if (testYear + allYears > 2050) allYears = 2050 - testYear;
}

}  // namespace tw
