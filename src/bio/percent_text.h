// Rhythm values as the user reads them: tenths of a percent with a German decimal comma.
#pragma once
#include <cstdint>
#include <string>

#include "core/daynumber.h"

namespace tw {

// v in thousandths: whole = v / 10 (truncating), tenths = |v| mod 10. A value in -9..-1
// has whole 0 but is still negative, which a "%d" of the whole part would lose.
struct PercentParts {
  int32_t whole = 0;
  int32_t tenths = 0;
  bool negative = false;
};
PercentParts SplitPercent(int32_t v);

// "68,1", "-0,5", "-100,0".
std::string PercentNumber(int32_t v);
// "K: 68,1%".
std::string PercentText(char letter, int32_t v);

// Sum of the shown rhythms' day values divided by their number, truncating toward zero.
int32_t DayAverage(DayNumber birthday, DayNumber day, bool higherCurves, bool sawtooth);

// Formats a wvsprintf-style message text (as message 3040) that takes the whole part and
// the tenths as its first two numbers; the whole part keeps the minus of -0,x. Widths and
// flags of those two numbers are not applied; "%%" gives "%".
std::string FormatPercentMessage(const std::string& format, int32_t v);

}  // namespace tw
