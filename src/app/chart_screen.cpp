// The biorhythm chart on the screen. The painter draws into an off-screen buffer, so a
// repaint never shows a half-drawn chart; this file keeps what the paint laid out for the
// hit tests and moves the inverted selection without painting again.
#include "app/chart_screen.h"

#include "app/app.h"
#include "app/calendar_screen.h"
#include "tw_ids.h"
#include "views/child_layout.h"
#include "views/painters.h"

namespace tw {

namespace {

RECT ToRect(const ChartRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void InvertMarker(HDC dc, const SelectionMarker& m) {
  if (m.column.Empty()) return;
  RECT column = ToRect(m.column), cell = ToRect(m.stripCell);
  InvertRect(dc, &column);
  InvertRect(dc, &cell);
}

ChartPaintInput ScreenInput(const ChildWindow& cw, const RECT& area) {
  App& app = TheApp();
  ChartPaintInput in = ChartInputFromDocument(*cw.doc, cw.view.firstDay, area, false);
  in.content.moon = app.moon.IsOpen() ? &app.moon : nullptr;
  in.content.sternbild = app.settings.sternbild != 0;
  in.content.oskelin = app.settings.oskelin != 0;
  in.colours = app.settings.colours;
  in.palette = app.palette;
  in.font = app.displayFont;
  for (int m = 0; m < 12; ++m) in.monthNames[m] = CachedMessage(TWM_CHART_MONTH_FIRST + m);
  return in;
}

}  // namespace

bool PaintChartScreen(ChildWindow& cw, HDC dc, const RECT& area) {
  if (area.right <= area.left || area.bottom <= area.top) return true;
  PersonDocument& doc = *cw.doc;
  ViewState& v = cw.view;
  if (!v.paintNow && UserIsBusy(cw.window)) return false;

  // The buffer spans the client coordinates up to the area, so the geometry the painter
  // returns is in client coordinates as the hit tests want it.
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bmp = CreateCompatibleBitmap(dc, area.right, area.bottom);
  if (!mem || !bmp) {
    if (mem) DeleteDC(mem);
    if (bmp) DeleteObject(bmp);
    return true;
  }
  HGDIOBJ oldBmp = SelectObject(mem, bmp);
  const ChartGeometry g = DrawChart(mem, ScreenInput(cw, area)).layout.geometry;
  doc.viewFlags &= ~kViewRecompute;
  v.chart = g;
  v.firstDay = g.firstDay;
  v.visibleDays = g.daysShown;
  v.marker = ChartSelectionMarker(g, doc.selectedDay);
  InvertMarker(mem, v.marker);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, mem, area.left, area.top, SRCCOPY);
  SelectObject(mem, oldBmp);
  DeleteObject(bmp);
  DeleteDC(mem);
  return true;
}

void ChartFollowSelection(ChildWindow& cw) {
  PersonDocument& doc = *cw.doc;
  ViewState& v = cw.view;
  const ViewPosition p = FollowSelection(doc.selectedDay, v.firstDay, v.visibleDays, doc.header.Birthday());
  const RECT area = ViewArea(cw);
  if (p.scrolled || v.chart.pixelsPerDay <= 0 || (doc.viewFlags & kViewRecompute)) {
    v.firstDay = p.first;
    InvalidateRect(cw.window, &area, FALSE);
    return;
  }
  // The marker on the screen is the one the last paint inverted: a paint still waiting
  // lands first.
  PaintPendingNow(cw);
  HDC dc = GetDC(cw.window);
  if (!dc) return;
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  InvertMarker(dc, v.marker);
  v.marker = ChartSelectionMarker(v.chart, doc.selectedDay);
  InvertMarker(dc, v.marker);
  ReleaseDC(cw.window, dc);
}

}  // namespace tw
