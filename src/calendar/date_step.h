// Stepping a day by months, days or years (the spin buttons beside date fields), and today.
#pragma once
#include "core/daynumber.h"
#include "core/platform.h"

namespace tw {

enum DateStepUnit : int { kStepMonths = 1, kStepDays = 2, kStepYears = 3 };  // other = years

// Adds `amount` units to the date of `n`. Month and day overflow run on into the following
// month (31 January + 1 month = 3 March in a common year); the result is confined to
// 1 January 1600 .. 31 December 2049.
DayNumber StepDay(DayNumber n, int unit, int amount);

// The current date in UTC, not local time.
DayNumber Today(const Clock& clock);

}  // namespace tw
