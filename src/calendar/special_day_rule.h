// The date rule of a special day as the "Spezielle Tage" dialog edits it: which of its
// controls show the rule, what they hold, how they turn back into `flags` and `value`, and
// the rule text of the holiday list. The dialog only moves these values in and out of its
// controls.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calendar/special_days.h"

namespace tw {

// Entries of the rule type combo box (2704).
enum SpecialRuleType : int { kRuleFixed = 0, kRuleEaster = 1, kRuleAdvent = 2, kRuleWeekday = 3 };

constexpr int kSpecialOffsetMin = -200, kSpecialOffsetMax = 200;
constexpr int kOrdinalLast = 4;  // ordinal combo entry of "the last" weekday

// What the rule controls hold. Combo indexes: weekday Monday first, month 0 = January.
struct SpecialRuleControls {
  int type = kRuleFixed;
  bool official = false;
  int32_t date = 101;  // day × 100 + month
  int offset = 0;
  int ordinal = 0;     // 0..3 first..fourth, kOrdinalLast
  int weekday = 0;
  int month = 0;
};

// The controls a holiday rule type starts with when the user picks it: 1 January, no
// offset, the first Monday in January.
SpecialRuleControls DefaultRuleControls(int type);
SpecialRuleControls RuleControlsOf(uint16_t flags, int16_t value);
// Writes the controls into an entry of `category`; active state and colour are kept.
void ApplyRuleControls(const SpecialRuleControls& c, int category, uint16_t& flags, int16_t& value);

int ClampSpecialOffset(int offset);
// Image of a list row in the shell's special-days image list: colour, and 4 more when active.
int SpecialRowImage(uint16_t flags);
// A click on the row image or Space: toggles active, or with Shift steps the colour.
uint16_t ToggleSpecialRow(uint16_t flags, bool shift);
inline uint16_t WithSpecialColour(uint16_t flags, int colour) {
  return static_cast<uint16_t>((flags & ~kSpecialColourMask) | ((colour & 3) << kSpecialColourShift));
}

// Packs an entry for a list row's parameter: `flags` low, `value` high.
inline uint32_t PackSpecialRow(uint16_t flags, int16_t value) {
  return flags | (static_cast<uint32_t>(static_cast<uint16_t>(value)) << 16);
}
inline uint16_t RowFlags(uint32_t p) { return static_cast<uint16_t>(p & 0xFFFF); }
inline int16_t RowValue(uint32_t p) { return static_cast<int16_t>(p >> 16); }

struct SpecialRuleWords {
  std::function<std::string(int)> message;              // message of the resource library
  std::function<std::string(int, int)> dayMonth;        // short day-and-month text
};

// The rule text of column 2: a date, "Easter ±n", "Advent ±n" or "n-th weekday in month".
std::string SpecialRuleText(uint16_t flags, int16_t value, const SpecialRuleWords& words);

// Fills a message format's %c, %d and %s conversions in order from `args` (numbers for %c
// and %d, texts for %s); "%%" is a percent sign. A conversion beyond the arguments, or
// any other one, is copied as it stands, so a damaged format reads nothing it was not given.
struct RuleArg {
  bool isText;
  int number;
  std::string text;
};
std::string FillRuleFormat(const std::string& format, const std::vector<RuleArg>& args);

}  // namespace tw
