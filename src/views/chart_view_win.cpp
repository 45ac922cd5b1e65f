// Placeholder biorhythm chart: the selected day's date, until the chart painter is built.
#include "app/views.h"
#include "core/daynumber.h"

namespace tw {

void PaintChartView(HWND, HDC dc, PersonDocument& doc, const RECT& area) {
  FillRect(dc, &area, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  int y, m, d;
  DateFromDay(doc.selectedDay, &y, &m, &d);
  char text[64];
  wsprintfA(text, "%02d.%02d.%04d", d, m, y);
  TextOutA(dc, area.left + 8, area.top + 8, text, lstrlenA(text));
}

}  // namespace tw
