// TwHd.dat, TwNd.dat, TwBd.dat: lines of each category, the dates of the rules in a few
// years, the holiday test and the day text, and the lines written back.
#include <string>

#include "calendar/special_days.h"
#include "calendar/year_table.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int country = in.Byte();
  std::string_view text = in.Rest();
  tw::SpecialDayTable table;
  int category = 0;
  while (!text.empty() && table.entries.size() < tw::kMaxSpecialDays) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) {
      category += 16;  // an empty line ends a file: the next lines are the next file's
      if (category > tw::kSpecialBirthday) break;
    } else {
      table.entries.push_back(tw::ParseSpecialDayLine(line.substr(0, tw::kSpecialLineMax), category));
      tw::FormatSpecialDayLine(table.entries.back(), category, country);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  tw::YearTable year;
  tw::SpecialTextOptions options;
  options.nameDays = options.birthdays = true;
  char buffer[600];
  for (tw::DayNumber d : {tw::DayNumber{400}, tw::DayNumber{149100}, tw::DayNumber{149300}, tw::kLastCalendarDay}) {
    tw::HolidayTest(d, table, year);
    options.rich = !options.rich;
    tw::SpecialDaysText(buffer, buffer + sizeof buffer, d, options, table, year, tw::RtfStyle());
  }
  return 0;
}
