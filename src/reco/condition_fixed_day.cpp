#include "reco/condition_fixed_day.h"

#include <algorithm>

namespace tw {

int FixedDayChoiceForCode(int code) {
  if (code >= kFirstMovableCode && code <= kLastMovableCode) return code - 3798;
  return kFixedChoiceDate;
}

int FixedDayCodeForChoice(int choice, int dayMonth) {
  if (choice == kFixedChoiceNone) return 0;
  if (choice == kFixedChoiceDate) return dayMonth;
  if (choice > kFixedChoiceDate && choice < kFixedChoiceCount) return choice + 3798;
  return -1;
}

int StepDayMonth(int dayMonth, bool month, int delta) {
  int d = dayMonth / 100;
  int m = dayMonth % 100;
  if (month)
    m = std::clamp(m + delta, 1, 12);
  else
    d = std::clamp(d + delta, 1, 31);
  return d * 100 + m;
}

}  // namespace tw
