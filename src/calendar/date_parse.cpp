#include "calendar/date_parse.h"

#include "core/text_util.h"

namespace tw {

namespace {

// Reads the digit fields one after another; missing fields read as 0.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {
    // The first field starts at the first digit, wherever that is.
    while (pos_ < text_.size() && text_[pos_] != 0 && !IsDigit(text_[pos_])) ++pos_;
  }
  int32_t Next() {
    char field[16];
    pos_ = TakeDigitField(text_, pos_, field, sizeof field);
    return ReadNumber(BoundedText(field, sizeof field), 0);
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

int32_t Clamp(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

DayNumber ParseDate(std::string_view text, const LocaleValues& locale) {
  FieldReader fields(text);
  int32_t a = fields.Next(), b = fields.Next(), c = fields.Next();
  int32_t year, month, day;
  switch (locale.dateOrder) {
    case 0: month = a; day = b; year = c; break;
    case 2: year = a; month = b; day = c; break;
    default: day = a; month = b; year = c; break;
  }
  if (year < 100) year += 1900;
  if (year < 1600) year = 1600;
  month = Clamp(month, 1, 12);
  if (day < 1) day = 1;
  if (year > kLastCalendarYear) return kLastCalendarDay;
  int last = MonthLength(year, month);
  if (day > last) day = last;
  return DayFromDate(year, month, day);
}

DayCode ParseDayMonth(std::string_view text, const LocaleValues& locale) {
  FieldReader fields(text);
  int32_t a = fields.Next(), b = fields.Next();
  int32_t day = locale.dateOrder == 1 ? a : b;
  int32_t month = locale.dateOrder == 1 ? b : a;
  month = Clamp(month, 1, 12);
  if (day < 1) day = 1;
  // Any year: 29 February must stay possible.
  int last = month == 2 ? 29 : MonthLength(2000, month);
  if (day > last) day = last;
  return day * 100 + month;
}

}  // namespace tw
