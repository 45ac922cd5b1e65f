// Dates typed by the user, read under the locale's date order and clamped into the
// calendar range; parsing never fails.
#pragma once
#include <string_view>

#include "core/daynumber.h"
#include "core/platform.h"

namespace tw {

// Three digit fields in the locale's order; anything that is not a digit separates them.
// Two-digit years are years of the 1900s; the result lies in 1 January 1600 .. 31 December
// 2049, with month and day clamped into their ranges.
DayNumber ParseDate(std::string_view text, const LocaleValues& locale);

// Day and month (day first in the day-month-year order, month first otherwise) as
// day × 100 + month; 29 February is always accepted.
DayCode ParseDayMonth(std::string_view text, const LocaleValues& locale);

}  // namespace tw
