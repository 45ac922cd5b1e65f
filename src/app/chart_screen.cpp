// The screen side of the chart until the person window keeps its own view state: gathers
// the program's fonts, colours and moon data for the painter, stores what the paint laid
// out in the document's view fields and marks the selected day.
#include "app/app.h"
#include "app/views.h"
#include "tw_ids.h"
#include "views/chart_view_win.h"

namespace tw {

namespace {

const std::array<std::string, 12>& MonthNames() {
  static const std::array<std::string, 12> names = [] {
    std::array<std::string, 12> n;
    for (int m = 0; m < 12; ++m) n[m] = LoadLibString(TWM_CHART_MONTH_FIRST + m);
    return n;
  }();
  return names;
}

}  // namespace

void PaintChartView(HWND, HDC dc, PersonDocument& doc, const RECT& area) {
  App& app = TheApp();
  ChartPaintInput in = ChartInputFromDocument(doc, area, false);
  in.content.moon = app.moon.IsOpen() ? &app.moon : nullptr;
  in.content.sternbild = app.settings.sternbild != 0;
  in.content.oskelin = app.settings.oskelin != 0;
  in.colours = app.settings.colours;
  in.palette = app.palette;
  in.font = app.displayFont;
  in.monthNames = MonthNames();
  const ChartGeometry g = DrawChart(dc, in).layout.geometry;
  doc.viewFlags &= ~kViewRecompute;
  doc.firstDay = g.firstDay;
  doc.pixelsPerDay = g.pixelsPerDay;
  doc.visibleDays = g.daysShown;
  doc.chartTop = g.chartTop;
  doc.chartBottom = g.chartBottom;
  doc.markRowTop = g.markRowTop;
  doc.markRowBottom = g.markRowBottom;
  InvertChartSelection(dc, g, doc.selectedDay);
}

}  // namespace tw
