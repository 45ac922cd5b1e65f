#include "bio/bio_report.h"

#include "bio/compatibility.h"
#include "bio/percent_text.h"

namespace tw {

namespace {

constexpr const char* kAverageLetter = "Ø";

std::string Trimmed(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}

bool ParseWord(const std::string& text, CurveCriteria* out) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const size_t first = hex ? 2 : 0;
  if (text.size() == first || text.size() - first > 8) return false;
  uint32_t v = 0;
  for (size_t i = first; i < text.size(); ++i) {
    const char c = text[i];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return false;
    v = v * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
  }
  *out = v;
  return true;
}

}  // namespace

std::vector<std::string> BioReportLines(DayNumber birthday, DayNumber day, bool higherCurves,
                                        bool sawtooth, const RhythmLabels& labels) {
  std::vector<std::string> lines;
  const int shown = ShownRhythmCount(higherCurves);
  for (int r = 0; r < shown; ++r)
    lines.push_back(PercentText(labels[r].Letter(), RhythmDayValue(r, birthday, day, sawtooth)));
  lines.push_back(std::string(kAverageLetter) + ": " +
                  PercentNumber(DayAverage(birthday, day, higherCurves, sawtooth)) + "%");
  return lines;
}

std::vector<std::string> CompatReportLines(DayNumber birthday1, DayNumber birthday2,
                                           bool allRhythms, const RhythmLabels& labels) {
  const CompatibilityResult c =
      CompareRhythms(CompatibilityPhases(birthday1), CompatibilityPhases(birthday2), allRhythms);
  std::vector<std::string> lines;
  for (int r = 0; r < kRhythmCount; ++r)
    lines.push_back(std::string(1, labels[r].Letter()) + ": " +
                    CompatibilityText(c.percent[r]));
  lines.push_back(std::string(kAverageLetter) + ": " + CompatibilityText(c.average));
  return lines;
}

bool ParseConditionWords(std::string_view text, ConditionWords* out, std::string* error) {
  ConditionWords words{};
  size_t count = 0, pos = 0;
  for (;;) {
    const size_t comma = text.find(',', pos);
    const std::string item = Trimmed(text.substr(pos, comma == std::string_view::npos ? text.npos : comma - pos));
    if (count == kRhythmCount) {
      *error = "more than seven criterion words";
      return false;
    }
    CurveCriteria w = 0;
    if (!ParseWord(item, &w)) {
      *error = "criterion word " + std::to_string(count + 1) + " '" + item +
               "' is not a number (decimal or 0x hex)";
      return false;
    }
    if (w > (kCritTestBits | kCritMandatory | kCritAlternative)) {
      *error = "criterion word " + std::to_string(count + 1) + " has bits beyond the seven fields";
      return false;
    }
    for (int f = 0; f < kCriterionFieldCount; ++f) {
      if (((w >> (2 * f)) & 3) == 3) {
        *error = "criterion word " + std::to_string(count + 1) + " requires both sides of field " +
                 std::to_string(f + 1);
        return false;
      }
    }
    if ((w & kCritTestBits) == 0) w = kNoSearch;
    words[count++] = w;
    if (comma == std::string_view::npos) break;
    pos = comma + 1;
  }
  if (count != kRhythmCount) {
    *error = "want seven criterion words, got " + std::to_string(count);
    return false;
  }
  *out = words;
  return true;
}

}  // namespace tw
