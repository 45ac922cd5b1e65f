// The small "Fixtagauswahl" dialog without its window: which choice a day code selects,
// which code a choice returns, and how the two spin buttons move day and month.
#pragma once
#include "calendar/year_table.h"

namespace tw {

constexpr int kFixedChoiceNone = 0;
constexpr int kFixedChoiceDate = 1;
constexpr int kFixedChoiceCount = 15;  // none, a date, 13 movable days

// Combo box entry for a code: a movable code its own entry, anything else the date entry
// (0 included: the dialog shows today's default text then).
int FixedDayChoiceForCode(int code);

// Code returned by "Ok": 0 for no day, `dayMonth` (day * 100 + month, as parsed from the
// edit) for the date entry, 3800..3812 for the movable entries; -1 for an unknown entry.
int FixedDayCodeForChoice(int choice, int dayMonth);

// One spin step of a day-and-month code: the day within 1..31 or the month within 1..12,
// clamped, never wrapped.
int StepDayMonth(int dayMonth, bool month, int delta);

// The first spin control (2072) moves the first field of the text: the day when the date
// order is day-month (1), the month otherwise.
inline bool FirstSpinMovesDay(int dateOrder) { return dateOrder == 1; }

}  // namespace tw
