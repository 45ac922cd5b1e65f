#include "calendar/date_step.h"

namespace tw {

DayNumber StepDay(DayNumber n, int unit, int amount) {
  int y0, m0, d0;
  DateFromDay(n, &y0, &m0, &d0);
  // 64-bit so that no amount can overflow before the clamp.
  int64_t y = y0, m = m0, d = d0;
  if (unit == kStepMonths)
    m += amount;
  else if (unit == kStepDays)
    d += amount;
  else
    y += amount;

  if (m > 12) {
    y += m / 12;
    m -= 12 * (m / 12);
  }
  while (m < 1) {
    --y;
    m += 12;
  }
  // m is 0 here only when it was a multiple of 12 above; the loop just made it 12.

  // The day is normalised with the starting year's February throughout, so a 29 February
  // carried into a common year is left for DayFromDate to turn into 1 March.
  auto length = [y0](int64_t month) {
    return static_cast<int64_t>(month == 2 ? FebruaryLength(y0) : MonthLength(2001, static_cast<int>(month)));
  };
  while (d > length(m)) {
    d -= length(m);
    if (++m > 12) {
      m = 1;
      ++y;
    }
  }
  while (d < 1) {
    if (--m < 1) {
      m = 12;
      --y;
    }
    d += length(m);
  }

  if (y < 0) return kFirstCalendarDay;
  if (y > kLastCalendarYear) return kLastCalendarDay;
  return DayFromDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
}

DayNumber Today(const Clock& clock) {
  CivilDate t = clock.TodayUtc();
  return DayFromDate(t.year, t.month, t.day);
}

}  // namespace tw
