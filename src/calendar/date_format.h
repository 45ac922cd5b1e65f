// Dates and times as text, under the user's regional values and the date display settings.
//
// Writers follow the convention of the rich-text builder: they append at `pos` into a
// caller-owned buffer that ends at `end`, keep it NUL-terminated and return the new end.
// A piece that does not fit is left out whole; the returned position then stays at `pos`.
#pragma once
#include "core/daynumber.h"
#include "core/platform.h"

namespace tw {

// The four date display settings (section General); the settings store fills them.
struct DateDisplay {
  bool showDayOfWeek = true;   // ShowDayOfWeek: the calendar's date column shows the weekday
  bool showYear = true;        // ShowYear: calendar-style dates include the year
  bool show2DigitYear = true;  // Show2DigitYear: calendar-style years with two digits
  bool showDate2Lines = false; // ShowDate2Lines: calendar-style year on a line of its own
};

// Defaults for a fresh settings file: two-digit years when the locale shows no century.
DateDisplay DefaultDateDisplay(const LocaleValues& locale);

struct DateSettings {
  LocaleValues locale;
  DateDisplay display;
};

// Full date in the locale's order. With `calendarStyle` off the year always has four digits
// and stays on the line; with it on, `showYear`, `twoLines` and Show2DigitYear apply.
// The line break is "\par " in rich text and CR LF in plain text.
char* FormatDate(char* pos, const char* end, const DateSettings& settings, int year, int month,
                 int day, bool calendarStyle, bool showYear, bool twoLines, bool rich);

// FormatDate of day `n`, with ShowYear and ShowDate2Lines as the year flags.
char* FormatDay(char* pos, const char* end, const DateSettings& settings, DayNumber n,
                bool calendarStyle, bool rich);

// "h:mm" or "hh:mm" (the locale's time leading zero) of `minutes` after midnight.
char* FormatTime(char* pos, const char* end, const LocaleValues& locale, int minutes);

}  // namespace tw
