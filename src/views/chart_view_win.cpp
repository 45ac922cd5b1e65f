// Placeholder biorhythm chart: the selected day's date, until the chart painter is built.
#include "core/daynumber.h"
#include "views/painters.h"

namespace tw {

ChartPaintResult DrawChart(HDC dc, const ChartPaintInput& in) {
  ChartPaintResult out;
  out.firstDay = in.firstDay;
  FillRect(dc, &in.rect, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  int y, m, d;
  DateFromDay(in.selectedDay, &y, &m, &d);
  char text[64];
  wsprintfA(text, "%02d.%02d.%04d", d, m, y);
  TextOutA(dc, in.rect.left + 8, in.rect.top + 8, text, lstrlenA(text));
  return out;
}

}  // namespace tw
