#include "calendar/special_day_rule.h"

#include <algorithm>

namespace tw {

namespace {

constexpr int kWeekdayRuleMonths = 12;
constexpr int kMessageWeekdayFirst = 3672;  // Monday .. Sunday
constexpr int kMessageMonthBase = 3658;     // + month 1..12
constexpr int kMessageOrdinalFirst = 4410;
constexpr int kMessageOrdinalLast = 4414;
constexpr int kMessageEaster = 4421, kMessageAdvent = 4422, kMessageWeekday = 4423;

}  // namespace

SpecialRuleControls DefaultRuleControls(int type) {
  SpecialRuleControls c;
  c.type = type;
  return c;
}

SpecialRuleControls RuleControlsOf(uint16_t flags, int16_t value) {
  SpecialRuleControls c;
  c.official = (flags & kSpecialOfficial) != 0;
  const int kind = flags & kSpecialKindMask;
  if ((flags & kSpecialCategoryMask) != kSpecialHoliday || kind == kSpecialKindFixed || kind > kSpecialKindAdvent) {
    c.type = kRuleFixed;
    c.date = value;
  } else if (kind == kSpecialKindEaster || kind == kSpecialKindAdvent) {
    c.type = kind == kSpecialKindEaster ? kRuleEaster : kRuleAdvent;
    c.offset = ClampSpecialOffset(value);
  } else {
    c.type = kRuleWeekday;
    const int week = value / 100, month = value % 100;
    c.ordinal = week >= 1 && week <= 4 ? week - 1 : kOrdinalLast;
    c.weekday = kind == 0 ? 6 : kind - 1;  // Sunday is the last entry of a Monday-first list
    c.month = month >= 1 && month <= kWeekdayRuleMonths ? month - 1 : 0;
  }
  return c;
}

void ApplyRuleControls(const SpecialRuleControls& c, int category, uint16_t& flags, int16_t& value) {
  const uint16_t kept = flags & (kSpecialActive | kSpecialColourMask);
  if (category != kSpecialHoliday) {
    flags = static_cast<uint16_t>(kept | category | kSpecialKindFixed);
    value = static_cast<int16_t>(c.date);
    return;
  }
  uint16_t kind = kSpecialKindFixed;
  switch (c.type) {
    case kRuleEaster:
      kind = kSpecialKindEaster;
      value = static_cast<int16_t>(ClampSpecialOffset(c.offset));
      break;
    case kRuleAdvent:
      kind = kSpecialKindAdvent;
      value = static_cast<int16_t>(ClampSpecialOffset(c.offset));
      break;
    case kRuleWeekday: {
      kind = static_cast<uint16_t>((c.weekday + 1) % 7);  // Monday 1 .. Saturday 6, Sunday 0
      const int week = (c.ordinal + 1) % 5;               // 1..4, the last 0
      value = static_cast<int16_t>(week * 100 + std::clamp(c.month, 0, 11) + 1);
      break;
    }
    default:
      value = static_cast<int16_t>(c.date);
  }
  flags = static_cast<uint16_t>(kept | kSpecialHoliday | kind | (c.official ? kSpecialOfficial : 0));
}

int ClampSpecialOffset(int offset) { return std::clamp(offset, kSpecialOffsetMin, kSpecialOffsetMax); }

int SpecialRowImage(uint16_t flags) {
  const int colour = (flags & kSpecialColourMask) >> kSpecialColourShift;
  return colour + ((flags & kSpecialActive) ? 4 : 0);
}

uint16_t ToggleSpecialRow(uint16_t flags, bool shift) {
  if (!shift) return static_cast<uint16_t>(flags ^ kSpecialActive);
  const int colour = (flags & kSpecialColourMask) >> kSpecialColourShift;
  return WithSpecialColour(flags, (colour + 1) & 3);
}

std::string FillRuleFormat(const std::string& format, const std::vector<RuleArg>& args) {
  std::string out;
  size_t next = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c != '%' || i + 1 >= format.size()) {
      out.push_back(c);
      continue;
    }
    const char conv = format[i + 1];
    if (conv == '%') {
      out.push_back('%');
      ++i;
    } else if ((conv == 'c' || conv == 'd' || conv == 's') && next < args.size()) {
      const RuleArg& a = args[next++];
      if (conv == 's')
        out += a.isText ? a.text : std::to_string(a.number);
      else if (conv == 'c')
        out.push_back(a.isText ? (a.text.empty() ? '?' : a.text[0]) : static_cast<char>(a.number));
      else
        out += a.isText ? a.text : std::to_string(a.number);
      ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string SpecialRuleText(uint16_t flags, int16_t value, const SpecialRuleWords& words) {
  const SpecialRuleControls c = RuleControlsOf(flags, value);
  switch (c.type) {
    case kRuleEaster:
    case kRuleAdvent: {
      const int id = c.type == kRuleEaster ? kMessageEaster : kMessageAdvent;
      const char sign = c.offset < 0 ? '-' : '+';
      return FillRuleFormat(words.message(id), {{false, sign, {}}, {false, c.offset < 0 ? -c.offset : c.offset, {}}});
    }
    case kRuleWeekday: {
      const int ordinal = c.ordinal == kOrdinalLast ? kMessageOrdinalLast : kMessageOrdinalFirst + c.ordinal;
      return FillRuleFormat(words.message(kMessageWeekday),
                            {{true, 0, words.message(ordinal)},
                             {true, 0, words.message(kMessageWeekdayFirst + c.weekday)},
                             {true, 0, words.message(kMessageMonthBase + c.month + 1)}});
    }
    default:
      return words.dayMonth(c.date / 100, c.date % 100);
  }
}

}  // namespace tw
