#include "bio/percent_text.h"

#include "bio/rhythm.h"

namespace tw {

PercentParts SplitPercent(int32_t v) {
  PercentParts p;
  p.whole = v / 10;
  p.tenths = (v < 0 ? -v : v) % 10;
  p.negative = v < 0;
  return p;
}

static std::string WholeText(const PercentParts& p) {
  if (p.negative && p.whole == 0) return "-0";
  return std::to_string(p.whole);
}

std::string PercentNumber(int32_t v) {
  PercentParts p = SplitPercent(v);
  return WholeText(p) + "," + std::to_string(p.tenths);
}

std::string PercentText(char letter, int32_t v) {
  std::string s(1, letter);
  s += ": ";
  s += PercentNumber(v);
  s += '%';
  return s;
}

int32_t DayAverage(DayNumber birthday, DayNumber day, bool higherCurves, bool sawtooth) {
  const int n = ShownRhythmCount(higherCurves);
  int32_t sum = 0;
  for (int r = 0; r < n; ++r) sum += RhythmDayValue(r, birthday, day, sawtooth);
  return sum / n;
}

// Understands what a message format of this kind holds: "%%", and numeric conversions
// with optional flags, width and an "l" size ("%d", "%i", "%u", "%ld", "%2d"). Anything
// else is copied as it stands.
std::string FormatPercentMessage(const std::string& format, int32_t v) {
  const PercentParts p = SplitPercent(v);
  std::string out;
  int argIndex = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    if (c != '%') {
      out += c;
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    size_t j = i + 1;
    while (j < format.size() && (format[j] == '-' || format[j] == '0' || format[j] == '#')) ++j;
    while (j < format.size() && format[j] >= '0' && format[j] <= '9') ++j;
    if (j < format.size() && (format[j] == 'l' || format[j] == 'h')) ++j;
    if (j < format.size() && (format[j] == 'd' || format[j] == 'i' || format[j] == 'u') && argIndex < 2) {
      out += argIndex == 0 ? WholeText(p) : std::to_string(p.tenths);
      ++argIndex;
      i = j;
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace tw
