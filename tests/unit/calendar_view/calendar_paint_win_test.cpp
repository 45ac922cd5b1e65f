// The moon calendar painter on a memory device, as the print job and the preview call it:
// a page with its title row, frame, legend box and rows, fixed rows per week, and a paint
// that stops when the job is cancelled. Windows only: the painter draws with GDI.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include "views/calendar_view_win.cpp"  // NOLINT: the painter itself, linked into this test
#include "view_test_util.h"

namespace tw {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct MemoryPage {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bmp = nullptr;
  HGDIOBJ old = nullptr;
  HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Arial");
  MemoryPage(int w, int h) {
    HDC screen = GetDC(nullptr);
    bmp = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    old = SelectObject(dc, bmp);
    RECT all = {0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  }
  ~MemoryPage() {
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteObject(font);
    DeleteDC(dc);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc, x, y) & 0xFFFFFF; }
  // Pixels of a horizontal run that are not white.
  int Inked(int left, int right, int y) const {
    int n = 0;
    for (int x = left; x < right; ++x) n += At(x, y) != kWhite ? 1 : 0;
    return n;
  }
};

struct PageSetup {
  PersonDocument doc;
  CalendarPaintInput in;
  PageSetup(const MemoryPage& page, const RECT& rect) {
    viewtest::ShippedData& data = viewtest::Shipped();
    doc.viewFlags = kViewMoonList | kViewColumnElement | kViewColumnSun | kViewColumnPlanting | kViewColumnNotes;
    in.doc = &doc;
    in.moon = &data.moon;
    in.specialDays = &data.special;
    in.eval = data.eval.get();
    in.cells = viewtest::ScreenContext();
    in.cells.fontChoice = kRtfPrintFont;
    in.font = page.font;
    in.textFont = "Arial";
    in.rect = rect;
    in.firstDay = viewtest::Day(2024, 1, 10);
    in.widths = {22, 110, 134, 30, 34, 250, 0, 0, 0, 100};
    in.printing = true;
    for (int c = 0; c < kCalendarColumns; ++c)
      if (kListColumnTitles[c]) in.print.titles[c] = "{\\rtf1{\\fonttbl{\\f1 Arial;}}\\f1\\i\\fs20 Titel}";
    in.print.titles[kColSun] = "{\\rtf1{\\fonttbl{\\f2\\fcharset2 Astrological;}}\\qc\\f2\\fs20 a}";
  }
};

TEST(CalendarPrintPaint, APageHasTitleRowFrameLegendAndRows) {
  MemoryPage page(800, 1100);
  const RECT rect = {40, 40, 760, 1060};
  PageSetup s(page, rect);
  s.in.print.legend = true;
  for (int i = 0; i < 23; ++i) s.in.print.legendLines.push_back({"P", "Widder"});
  s.in.print.legendGlyphWidth = 60;
  s.in.print.legendTextWidth = 80;
  const CalendarPaintResult r = DrawCalendar(page.dc, s.in);

  ASSERT_TRUE(r.finished);
  // Title row at the top of the page, underlined across it.
  EXPECT_EQ(r.titleRow.top, rect.top);
  EXPECT_GT(r.titleRow.bottom, rect.top + 8);
  EXPECT_EQ(page.At(400, r.titleRow.bottom - 1), kBlack);
  // The titles are written: ink in the Datum column's part of the title row.
  int titleInk = 0;
  for (int y = r.titleRow.top + 2; y < r.titleRow.bottom - 2; ++y) titleInk += page.Inked(70, 170, y);
  EXPECT_GT(titleInk, 10);
  // Legend box of six columns (82 < 720 / 7) at the bottom: 9/2 lines high, framed.
  EXPECT_EQ(r.legendBox.bottom, rect.bottom);
  EXPECT_GT(r.legendBox.bottom - r.legendBox.top, 40);
  EXPECT_EQ(page.At(400, r.legendBox.top), kBlack);
  // Rows fill the page between them and stop before the legend.
  ASSERT_GE(r.rows.count(), 3);
  EXPECT_EQ(r.rows.top, r.titleRow.bottom);
  EXPECT_LE(r.rows.bottom(), r.legendBox.top);
  EXPECT_EQ(r.rows.days.front(), viewtest::Day(2024, 1, 10));
  EXPECT_EQ(r.nextDay, r.rows.days.back() + 1);
  // The frame: the page's left and right edges are drawn in the middle of the rows.
  const int mid = (r.rows.top + r.rows.bottom()) / 2;
  EXPECT_EQ(page.At(rect.left, mid), kBlack);
  EXPECT_EQ(page.At(rect.right - 1, mid), kBlack);
  // Nothing is drawn outside the page.
  EXPECT_NE(page.At(rect.left - 2, mid), kBlack);
  // The first row's date is written.
  int dateInk = 0;
  for (int y = r.rows.top; y < r.rows.top + r.rows.heights[0] - 1; ++y) dateInk += page.Inked(70, 170, y);
  EXPECT_GT(dateInk, 20);
}

TEST(CalendarPrintPaint, AWeekPageHasSevenEqualRowsAndCancelStops) {
  MemoryPage page(800, 1100);
  const RECT rect = {20, 20, 780, 1080};
  PageSetup s(page, rect);
  s.in.print.daysPerPage = PrintDaysPerPage::kWeek;
  const CalendarPaintResult r = DrawCalendar(page.dc, s.in);
  ASSERT_EQ(r.rows.count(), 7);
  const int h = (rect.bottom - r.rows.top) / 7;
  for (int height : r.rows.heights) EXPECT_EQ(height, h);
  EXPECT_EQ(r.nextDay, s.in.firstDay + 7);
  EXPECT_TRUE(r.legendBox.bottom == r.legendBox.top);  // no legend asked for

  int asked = 0;
  s.in.cancel = [&asked] { return ++asked > 2; };
  const CalendarPaintResult cancelled = DrawCalendar(page.dc, s.in);
  EXPECT_FALSE(cancelled.finished);
  EXPECT_EQ(asked, 3);
}

}  // namespace
}  // namespace tw
#endif
