// The moon calendar painter on a memory device, as the print job and the preview call it:
// a page with its title row, frame, legend box and rows, fixed rows per week, and a paint
// that stops when the job is cancelled. Windows only: the painter draws with GDI.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

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

// What the cell renderer draws: ink of the cell's bounding columns and colours.
struct Ink {
  int left = 100000, right = -1;
  bool red = false;
  int pixels = 0;
};
Ink InkOf(const MemoryPage& page, const RECT& r) {
  Ink ink;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = page.At(x, y);
      if (c == kWhite) continue;
      ++ink.pixels;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.red = ink.red || (GetRValue(c) > 160 && GetGValue(c) < 90 && GetBValue(c) < 90);
    }
  return ink;
}

struct PageSetup {
  PersonDocument doc;
  CalendarPaintInput in;
  ColourTable colours = DefaultColourTable();
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
    in.colours = &colours;
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
  std::ifstream file(viewtest::kData + "Ell.bmp", std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  DibPicture pictures;
  ASSERT_TRUE(ParseDibFile(bytes.data(), bytes.size(), pictures));
  s.in.print.pictures = &pictures;
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
  // Element bars in their element's colour, Ell.bmp pictures in the Pflanzzeit column.
  const COLORREF bar = page.At(rect.left + 10, r.rows.top + 5);
  EXPECT_NE(bar, kWhite);
  EXPECT_NE(bar, kBlack);
  const int plantingLeft = rect.left + 22 + 110 + 134 + 30;
  EXPECT_GT(InkOf(page, {plantingLeft + 2, r.rows.top + 2, plantingLeft + 32, r.rows.top + r.rows.heights[0] - 2}).pixels,
            100);
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

std::string Cell(const std::string& body) {
  return "{\\rtf1\\ansi\\deftab720\\deff1{\\fonttbl{\\f1\\fswiss\\fcharset0 Arial;}"
         "{\\f2\\fnil\\fcharset2 Astrological;}}{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"
         "\\pard\\f1\\fs24 " + body + "}";
}

TEST(CalendarCellRenderer, SymbolFontColoursTabsAndWrapReachTheDevice) {
  const std::string font = viewtest::kData + "Astrological.ttf";
  std::string windowsPath = "Z:" + font;
  for (char& c : windowsPath)
    if (c == '/') c = '\\';
  ASSERT_GT(AddFontResourceExA(windowsPath.c_str(), FR_PRIVATE, nullptr), 0);
  MemoryPage page(400, 200);
  auto draw = [&](const std::string& rtf, int width = 300) {
    RECT all = {0, 0, 400, 200};
    FillRect(page.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT box = {10, 10, 10 + width, 190};
    const int h = DrawRtfCell(page.dc, rtf, box, "Arial");
    return std::make_pair(h, InkOf(page, {0, 0, 400, 200}));
  };
  // The symbol run is drawn in the glyph font: "P" (Aries) is not the text font's "P".
  const auto text = draw(Cell("P"));
  const auto glyph = draw(Cell("\\f2 P"));
  ASSERT_GT(text.second.pixels, 0);
  ASSERT_GT(glyph.second.pixels, 0);
  EXPECT_NE(text.second.pixels, glyph.second.pixels);
  // Colour 2 of the table is red, and only the coloured word is.
  EXPECT_FALSE(draw(Cell("Wort")).second.red);
  EXPECT_TRUE(draw(Cell("\\cf2 Wort")).second.red);
  // A tab stop at 1440 twips (96 px) moves the following word there.
  const auto tabbed = draw(Cell("\\tx1440 a\\tab b"));
  const auto plain = draw(Cell("a"));
  EXPECT_GE(tabbed.second.right, 10 + 96);
  EXPECT_LT(plain.second.right, 10 + 40);
  // A narrow cell wraps at blanks: the height grows by whole lines.
  const int oneLine = draw(Cell("eins zwei drei")).first;
  const int wrapped = draw(Cell("eins zwei drei"), 40).first;
  EXPECT_GE(wrapped, 3 * oneLine);
  RemoveFontResourceExA(windowsPath.c_str(), FR_PRIVATE, nullptr);
}

}  // namespace
}  // namespace tw
#endif
