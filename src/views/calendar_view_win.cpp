// Placeholder moon calendar view: one line per day with its date, until the full list is
// built.
#include "app/views.h"
#include "calendar/daynumber.h"

namespace tw {

void PaintCalendarView(HWND, HDC dc, PersonDocument& doc, const RECT& area) {
  FillRect(dc, &area, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  int y = area.top + 4;
  for (DayNumber d = doc.selectedDay; y < area.bottom; ++d, y += 18) {
    int yy, mm, dd;
    DateFromDay(d, &yy, &mm, &dd);
    char text[32];
    wsprintfA(text, "%02d.%02d.%04d", dd, mm, yy);
    TextOutA(dc, area.left + 8, y, text, lstrlenA(text));
  }
}

bool CalendarKeyDown(HWND, PersonDocument&, const RECT&, UINT) { return false; }
bool CalendarClick(HWND, PersonDocument&, const RECT&, POINT) { return false; }

}  // namespace tw
