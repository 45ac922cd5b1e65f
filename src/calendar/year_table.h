// Easter, the Advent base and the dates of the special-day rules for the year of a day.
// Scratch state: every consumer recomputes it for the day it is about to examine.
#pragma once
#include "core/daynumber.h"

namespace tw {

class SpecialDayTable;
struct SpecialDay;
class MoonRecordSource;

constexpr DayCode kFirstMovableCode = 3800;
constexpr DayCode kLastMovableCode = 3812;
constexpr DayNumber kNoMovableDay = -32000;

// Gregorian Easter Sunday of `year` (1600..2099).
DayNumber EasterSunday(int year);
// The Sunday on or before 24 December, or 25 December when the 24th is a Saturday.
DayNumber AdventBase(int year);

class YearTable {
 public:
  int year = 0;
  DayNumber easter = 0;
  DayNumber adventBase = 0;

  // Recomputes everything for the year of d (no caching), including the `day` of every
  // entry of `table` when given. The moon record of d must be fetched after this, so that
  // d is the day fetched last when the day attributes are computed next; pass `moon` to
  // have that done here.
  void Compute(DayNumber d, SpecialDayTable* table = nullptr, MoonRecordSource* moon = nullptr);

  // Day of movable code 3800..3812 in the computed year; kNoMovableDay for other codes.
  DayNumber MovableDay(DayCode code) const;

  // The date of `entry` in the computed year, or -32000 when it has none.
  DayNumber EntryDate(const SpecialDay& entry) const;
};

}  // namespace tw
