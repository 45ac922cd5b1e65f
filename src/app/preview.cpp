// `TwPreview`: the print setup sheet's picture of the first page, in the unit of the
// margins: the sheet, its printable area, the margins in red, the header, and the bands
// as the chart painter prints them (chart) or the rows and columns (moon calendar). It
// repaints whenever a page edits.
#include <algorithm>

#include "app/app.h"
#include "app/print.h"

namespace tw {

namespace {

const PrintJob* g_job = nullptr;

struct Scaler {
  double scale = 1;   // unit per pixel
  int x0 = 0, y0 = 0; // the sheet's top left in pixels
  int X(double u) const { return x0 + static_cast<int>(u / scale); }
  int Y(double u) const { return y0 + static_cast<int>(u / scale); }
};

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

// The chart's bands as the job prints them: the chart painter draws in the printer's
// pixels and the mapping mode shrinks them into the preview's printable area. The dotted
// lines at 500 and -500 stand for the grid.
void PaintChartBands(HDC dc, const RECT& printable, const DevicePage& d, const PrintJob& job) {
  if (!job.cw || printable.right <= printable.left || printable.bottom <= printable.top) return;
  const int line = PrintLineHeight(job.dc, job.font, job.fontSize);
  PageRect page = PagePixels(d, job.settings.margins, job.metric, line, true);
  HFONT font = CreatePrintFont(job.dc, job.font, job.fontSize);
  if (!font) return;
  HGDIOBJ old = SelectObject(job.dc, font);
  SIZE ag{};
  GetTextExtentPoint32A(job.dc, "Ag", 2, &ag);
  SelectObject(job.dc, old);
  page.right = CutToWholeDays(page.left, page.right, ChartDayWidth(ag.cx, job.daySize));
  const int saved = SaveDC(dc);
  SetMapMode(dc, MM_ANISOTROPIC);
  SetWindowExtEx(dc, d.pixelsX, d.pixelsY, nullptr);
  SetViewportExtEx(dc, printable.right - printable.left, printable.bottom - printable.top, nullptr);
  SetViewportOrgEx(dc, printable.left, printable.top, nullptr);
  IntersectClipRect(dc, page.left, page.top, page.right, page.bottom);
  HPEN dotted = CreatePen(PS_DOT, 1, RGB(0, 0, 0));
  const int rows = std::clamp(job.settings.rowsPerPage, 1, 8);
  DayNumber from = job.from;
  for (int r = 0; r < rows; ++r) {
    const PrintBand b = ChartBand(page, line, rows, r);
    ChartPaintInput in = ChartPrintInput(job, {page.left, b.top, page.right, b.bottom}, from, font);
    in.grid = false;
    const ChartPaintResult result = DrawChart(dc, in);
    if (job.settings.grid) {
      const ChartFrame& f = result.layout.frame;
      HGDIOBJ oldPen = SelectObject(dc, dotted);
      for (int v : {500, -500}) Line(dc, f.left, f.ValueY(v), f.right, f.ValueY(v));
      SelectObject(dc, oldPen);
    }
    from += std::max(1, result.DaysDrawn());
  }
  DeleteObject(dotted);
  RestoreDC(dc, saved);
  DeleteObject(font);
}

}  // namespace

void SetPreviewJob(const PrintJob* job) { g_job = job; }

void PaintPagePreview(HDC dc, const RECT& client, const PrintJob& job) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (!job.dc) return;
  const DevicePage d = DevicePageOf(job.dc);
  const bool metric = job.metric;
  const int physX = d.physicalX > 0 ? d.physicalX : d.pixelsX, physY = d.physicalY > 0 ? d.physicalY : d.pixelsY;
  const double pageW = PixelsToUnit(physX, d.dpiX, metric), pageH = PixelsToUnit(physY, d.dpiY, metric);
  const int cw = client.right - client.left, ch = client.bottom - client.top;
  if (pageW <= 0 || pageH <= 0 || cw <= 10 || ch <= 10) return;
  Scaler s;
  s.scale = std::max(pageW / (cw - 10), pageH / (ch - 10));
  const int w = static_cast<int>(pageW / s.scale), h = static_cast<int>(pageH / s.scale);
  s.x0 = client.right - 5 - w;
  s.y0 = client.top + (ch - h) / 2;
  RECT shadow = {s.x0 + 2, s.y0 + 2, s.x0 + w + 2, s.y0 + h + 2};
  FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
  RECT sheet = {s.x0, s.y0, s.x0 + w, s.y0 + h};
  FillRect(dc, &sheet, GetSysColorBrush(COLOR_APPWORKSPACE));
  const double offX = PixelsToUnit(d.offsetX, d.dpiX, metric), offY = PixelsToUnit(d.offsetY, d.dpiY, metric);
  RECT printable = {s.X(offX), s.Y(offY), s.X(offX + PixelsToUnit(d.pixelsX, d.dpiX, metric)),
                    s.Y(offY + PixelsToUnit(d.pixelsY, d.dpiY, metric))};
  FillRect(dc, &printable, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  const PrintMargins& m = job.settings.margins;
  const int left = s.X(m.left), right = s.X(pageW - m.right), top = s.Y(m.top), bottom = s.Y(pageH - m.bottom);
  const int line = PixelsToUnit(PrintLineHeight(job.dc, job.font, job.fontSize), d.dpiY, metric);
  const int headerBottom = s.Y(m.top + line * (job.chart ? 9 : 7) / 2.0);
  RECT header = {left, top, right, headerBottom};
  FillRect(dc, &header, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  if (job.chart) PaintChartBands(dc, printable, d, job);

  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, red);
  Line(dc, left, sheet.top, left, sheet.bottom);
  Line(dc, right, sheet.top, right, sheet.bottom);
  Line(dc, sheet.left, top, sheet.right, top);
  Line(dc, sheet.left, bottom, sheet.right, bottom);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  DeleteObject(red);

  if (!job.chart) {
    int legendTop = bottom;
    if (job.settings.legend) {
      legendTop = s.Y(pageH - m.bottom - (pageH > pageW ? 40 : 30));
      SelectObject(dc, GetStockObject(NULL_BRUSH));
      Rectangle(dc, left, legendTop, right, bottom);
    }
    int x = left;
    const auto printed = PrintedColumns(job.flags);
    const auto widths = WidenDateColumn(job.widths, printed, job.dateWidth);
    for (int i = 0; i < 10; ++i) {
      if (!printed[i]) continue;
      x += std::max(0, static_cast<int>(widths[i] / s.scale));
      if (x < right) Line(dc, x, headerBottom, x, legendTop);
    }
    const int rowsN = job.settings.daysPerPage == PrintDaysPerPage::kDay    ? 1
                      : job.settings.daysPerPage == PrintDaysPerPage::kWeek ? 7
                      : job.settings.daysPerPage == PrintDaysPerPage::kMonth ? 30
                                                                             : 16;
    for (int r = 1; r < rowsN; ++r) {
      if (job.settings.daysPerPage == PrintDaysPerPage::kVariable && (r == 3 || r == 6)) continue;
      const int y = headerBottom + (legendTop - headerBottom) * r / rowsN;
      Line(dc, left, y, right, y);
    }
  }
  SelectObject(dc, oldPen);
}

LRESULT CALLBACK PreviewWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(wnd, &ps);
      RECT rc;
      GetClientRect(wnd, &rc);
      HDC mem = CreateCompatibleDC(dc);
      HBITMAP bmp = CreateCompatibleBitmap(dc, rc.right, rc.bottom);
      HGDIOBJ old = SelectObject(mem, bmp);
      if (g_job) PaintPagePreview(mem, rc, *g_job);
      else FillRect(mem, &rc, GetSysColorBrush(COLOR_BTNFACE));
      BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
      SelectObject(mem, old);
      DeleteObject(bmp);
      DeleteDC(mem);
      EndPaint(wnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace tw
