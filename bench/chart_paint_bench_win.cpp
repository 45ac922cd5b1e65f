// Repaint of a maximised chart under Wine: DrawChart into an off-screen bitmap the size of
// a maximised person window, seven rhythms, special ranges, DayMarks, the element band and
// a highlight. Prints milliseconds per repaint (target < 10 ms).
#include <windows.h>

#include <cstdio>
#include <vector>

#include "views/painters.h"

namespace {

double MsPerPaint(HDC dc, const tw::ChartPaintInput& in, int rounds) {
  LARGE_INTEGER f, a, b;
  QueryPerformanceFrequency(&f);
  tw::DrawChart(dc, in);  // warm caches
  QueryPerformanceCounter(&a);
  for (int i = 0; i < rounds; ++i) tw::DrawChart(dc, in);
  GdiFlush();
  QueryPerformanceCounter(&b);
  return 1000.0 * (b.QuadPart - a.QuadPart) / f.QuadPart / rounds;
}

}  // namespace

int main() {
  const int w = 1272, h = 860;
  std::vector<tw::MoonDayRecord> recs(800, tw::EmptyMoonRecord());
  for (size_t i = 0; i < recs.size(); ++i) {
    recs[i].SetMoonSign(static_cast<int>(i / 2) % 12);
    if (i % 2) recs[i].SetEventTime(tw::MoonEvent::MoonSign, 600);
  }
  tw::ChartPaintInput in;
  in.target = {0, 0, w, h};
  in.viewFlags = tw::kViewHigherCurves | tw::kViewSpecialRanges | tw::kViewMarkRow;
  in.content.birthday = tw::DayFromDate(1970, 5, 17);
  in.content.selectedDay = tw::DayFromDate(2024, 6, 1);
  in.content.recentre = true;
  in.content.dayMark = [](tw::DayNumber d) { return d % 5 == 0 ? int(tw::kMarkRed | 1) : -1; };
  tw::MemoryMoonData moon(in.content.selectedDay - 400, recs);
  in.content.moon = &moon;
  in.content.oskelin = true;
  for (int m = 0; m < 12; ++m) in.monthNames[m] = "Monat";
  HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Arial");
  in.font = font;

  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  std::printf("chart repaint %dx%d, 7 rhythms, special ranges, DayMarks, element band\n", w, h);
  for (int size = 1; size <= 4; ++size)
    for (int highlight : {0, 1, 8}) {
      in.daySize = size;
      in.highlight = highlight;
      const tw::ChartLayout L = tw::DrawChart(mem, in).layout;
      std::printf("  day size %d, highlight %d: %3d days  %.2f ms per repaint\n", size, highlight, L.frame.daysShown,
                  MsPerPaint(mem, in, 50));
    }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return 0;
}
