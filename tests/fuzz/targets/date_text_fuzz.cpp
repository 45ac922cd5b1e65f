// Typed dates: the date bar's and the dialogs' date text in every locale order, the
// day-month text of the fixed days, and the ISO dates of twcal.
#include "calendar/date_parse.h"
#include "calendar/day_report.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  tw::LocaleValues locale;
  const uint8_t b = in.Byte();
  locale.dateOrder = b % 3;
  locale.centuryFlag = (b >> 2) & 1;
  locale.dayLeadingZero = (b >> 3) & 1;
  locale.monthLeadingZero = (b >> 4) & 1;
  locale.dateSeparator = static_cast<char>(in.Byte());
  const std::string_view text = in.Rest();
  tw::ParseDate(text, locale);
  tw::ParseDayMonth(text, locale);
  tw::DayNumber d = 0;
  if (tw::ParseIsoDate(text, &d) && tw::IsoDate(d) != text) __builtin_trap();
  return 0;
}
