#include "calendar/date_format.h"

#include <cstdio>
#include <cstring>

namespace tw {

namespace {

// Fixed-size scratch line; a date or a time never comes near its size.
struct Piece {
  char text[96];
  size_t len = 0;
  void Add(const char* s) {
    size_t n = std::strlen(s);
    if (len + n < sizeof text) {
      std::memcpy(text + len, s, n);
      len += n;
    }
    text[len] = 0;
  }
  void Number(const char* fmt, int v) {
    char tmp[16];
    std::snprintf(tmp, sizeof tmp, fmt, v);
    Add(tmp);
  }
};

char* PutPiece(char* pos, const char* end, const Piece& piece) {
  if (pos >= end) return pos;
  if (static_cast<size_t>(end - pos) < piece.len + 1) {
    *pos = 0;
    return pos;
  }
  std::memcpy(pos, piece.text, piece.len);
  pos += piece.len;
  *pos = 0;
  return pos;
}

void AddSeparator(Piece& p, char sep, bool rich) {
  // A backslash or brace as separator would otherwise be read as rich-text syntax.
  if (rich && (sep == '\\' || sep == '{' || sep == '}')) p.Add("\\");
  const char s[2] = {sep, 0};
  p.Add(s);
}

}  // namespace

DateDisplay DefaultDateDisplay(const LocaleValues& locale) {
  DateDisplay d;
  d.show2DigitYear = locale.centuryFlag == 0;
  return d;
}

char* FormatDate(char* pos, const char* end, const DateSettings& settings, int year, int month,
                 int day, bool calendarStyle, bool showYear, bool twoLines, bool rich) {
  const LocaleValues& loc = settings.locale;
  const char* dayFmt = loc.dayLeadingZero ? "%02d" : "%d";
  const char* monthFmt = loc.monthLeadingZero ? "%02d" : "%d";
  const bool shortYear = calendarStyle && settings.display.show2DigitYear;
  const bool yearOnOwnLine = calendarStyle && twoLines;
  const char* lineBreak = rich ? "\\par " : "\r\n";

  Piece p;
  auto addYear = [&] {
    if (shortYear)
      p.Number("%02d", year % 100);
    else
      p.Number("%04d", year);
  };

  if (loc.dateOrder == 2) {
    if (showYear || !calendarStyle) {
      addYear();
      if (yearOnOwnLine)
        p.Add(lineBreak);
      else
        AddSeparator(p, loc.dateSeparator, rich);
    }
    p.Number(monthFmt, month);
    AddSeparator(p, loc.dateSeparator, rich);
    p.Number(dayFmt, day);
  } else {
    if (loc.dateOrder == 0) {
      p.Number(monthFmt, month);
      AddSeparator(p, loc.dateSeparator, rich);
      p.Number(dayFmt, day);
    } else {
      p.Number(dayFmt, day);
      AddSeparator(p, loc.dateSeparator, rich);
      p.Number(monthFmt, month);
    }
    if (!calendarStyle || showYear) {
      if (yearOnOwnLine)
        p.Add(lineBreak);
      else
        AddSeparator(p, loc.dateSeparator, rich);
      addYear();
    }
  }
  return PutPiece(pos, end, p);
}

char* FormatDay(char* pos, const char* end, const DateSettings& settings, DayNumber n,
                bool calendarStyle, bool rich) {
  int y, m, d;
  DateFromDay(n, &y, &m, &d);
  return FormatDate(pos, end, settings, y, m, d, calendarStyle, settings.display.showYear,
                    settings.display.showDate2Lines, rich);
}

char* FormatTime(char* pos, const char* end, const LocaleValues& locale, int minutes) {
  Piece p;
  p.Number(locale.timeLeadingZero ? "%02d" : "%d", minutes / 60);
  p.Add(":");
  p.Number("%02d", minutes % 60);
  return PutPiece(pos, end, p);
}

}  // namespace tw
