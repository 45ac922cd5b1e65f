// Shared pieces of the generator tests: one open ephemeris per test program and generated
// day values cached by year, because generating costs a good fraction of a second per year.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "records.h"

namespace tw::moondat::test {

inline Ephemeris& SharedEphemeris() {
  static Ephemeris* eph = [] {
    auto* e = new Ephemeris;
    std::string error;
    if (!e->Open(kDefaultEphePath, &error)) ADD_FAILURE() << error;
    return e;
  }();
  return *eph;
}

// UT Julian day of a UT calendar moment (1950 on).
inline double JulianDay(int y, int m, int d, double hours) {
  return kScanAnchor + (DayFromDate(y, m, d) - kFirstMoonDay) + hours / 24.0;
}

// The day values of one whole year, generated with the standard options.
inline const std::vector<DayValues>& YearDays(int year) {
  static std::map<int, std::vector<DayValues>> cache;
  auto it = cache.find(year);
  if (it != cache.end()) return it->second;
  std::vector<DayValues> days;
  std::string error;
  EXPECT_TRUE(GenerateDays(SharedEphemeris(), GenerateOptions{}, DayFromDate(year, 1, 1),
                           DayFromDate(year, 12, 31), &days, &error))
      << error;
  return cache[year] = std::move(days);
}

inline const DayValues* Day(DayNumber day) {
  int y;
  DateFromDay(day, &y);
  const auto& days = YearDays(y);
  size_t i = static_cast<size_t>(day - DayFromDate(y, 1, 1));
  return i < days.size() ? &days[i] : nullptr;
}

}  // namespace tw::moondat::test
