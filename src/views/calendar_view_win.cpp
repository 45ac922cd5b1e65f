// The moon calendar painter: one row per day, each text cell a small rich-text document
// laid out by the program's own layout, on the screen and on paper alike.
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>

#include "calendar/moon_derived.h"
#include "reco/reco_eval.h"
#include "views/calendar_rtf_layout.h"
#include "views/child_layout.h"
#include "views/painters.h"

namespace tw {

namespace {

constexpr int kPlantingColour = 8;
constexpr int kNoPlantingColour = 4;
constexpr COLORREF kLineColour = RGB(192, 192, 192);
constexpr char kEllipsis[] = "\x85";

void FillColour(HDC dc, const RECT& r, COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

// Measures and draws laid-out pieces with GDI fonts made once per style.
class GdiMeasure : public RtfMeasure {
 public:
  GdiMeasure(HDC dc, std::string textFont) : dc_(dc), textFont_(std::move(textFont)) {
    dpiY_ = GetDeviceCaps(dc, LOGPIXELSY);
    oldFont_ = SelectObject(dc, GetStockObject(SYSTEM_FONT));
  }
  ~GdiMeasure() override {
    SelectObject(dc_, oldFont_);
    for (auto& f : fonts_) DeleteObject(f.second.font);
  }
  int Width(const RtfRun& s, std::string_view t) override {
    Select(s);
    SIZE size{};
    GetTextExtentPoint32A(dc_, t.data(), static_cast<int>(t.size()), &size);
    return size.cx;
  }
  int Height(const RtfRun& s) override { return Select(s).tmHeight; }
  int Ascent(const RtfRun& s) override { return Select(s).tmAscent; }
  void Use(const RtfRun& s) { Select(s); }

 private:
  struct Font {
    HFONT font;
    TEXTMETRICA tm;
  };
  const TEXTMETRICA& Select(const RtfRun& s) {
    const int key = (s.font == 2 ? 1 : 0) | (s.bold ? 2 : 0) | (s.italic ? 4 : 0) | (s.halfPoints << 3);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
      const bool symbol = s.font == 2;
      HFONT f = CreateFontA(-(s.halfPoints * dpiY_ / 144), 0, 0, 0, s.bold ? FW_BOLD : FW_NORMAL, s.italic, 0, 0,
                            symbol ? SYMBOL_CHARSET : ANSI_CHARSET, 0, 0, DEFAULT_QUALITY, 0,
                            symbol ? "Astrological" : textFont_.c_str());
      Font entry{f, {}};
      SelectObject(dc_, f);
      GetTextMetricsA(dc_, &entry.tm);
      it = fonts_.emplace(key, entry).first;
    }
    SelectObject(dc_, it->second.font);
    return it->second.tm;
  }
  HDC dc_;
  std::string textFont_;
  int dpiY_ = 96;
  HGDIOBJ oldFont_ = nullptr;
  std::map<int, Font> fonts_;
};

}  // namespace

int DrawRtfCell(HDC dc, const std::string& rtf, const RECT& box, const std::string& textFont, int maxHeight) {
  if (rtf.empty()) return 0;
  const RtfDocument doc = ParseRtf(rtf);
  GdiMeasure measure(dc, doc.textFont.empty() ? textFont : doc.textFont);
  RtfLayout layout = LayoutRtf(doc, box.right - box.left, GetDeviceCaps(dc, LOGPIXELSX), measure);
  if (maxHeight > 0) layout = EndWithEllipsis(layout, maxHeight, box.right - box.left, kEllipsis, measure);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = GetTextColor(dc);
  SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  for (const RtfPiece& p : layout.pieces) {
    if (box.top + p.y >= box.bottom) break;
    measure.Use(p.style);
    SetTextColor(dc, static_cast<COLORREF>(p.style.colour));
    TextOutA(dc, box.left + p.x, box.top + p.y, p.style.text.data(), static_cast<int>(p.style.text.size()));
  }
  RestoreDC(dc, -1);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
  return layout.height;
}

namespace {

struct Painter {
  HDC dc;
  const CalendarPaintInput& in;
  COLORREF Colour(int entry) const {
    return in.colours ? static_cast<COLORREF>(in.colours->entry[entry]) : RGB(255, 255, 255);
  }

  void DrawElementBar(const RECT& cell, const MoonDayRecord& r, bool constellation) const {
    const tw::ElementBar bar = MoonElementBar(r, constellation);
    const int split = bar.SplitAt(cell.bottom - cell.top);
    const COLORREF now = Colour(kElementColourFirst + bar.element);
    if (split > 0) {
      RECT top = cell;
      top.bottom = cell.top + split;
      FillColour(dc, top, Colour(kElementColourFirst + bar.previousElement));
      RECT rest = cell;
      rest.top = top.bottom;
      FillColour(dc, rest, now);
    } else {
      FillColour(dc, cell, now);
    }
  }

  void Tile(HBITMAP tiles, int index, const RECT& cell) const {
    BITMAP bm{};
    GetObjectA(tiles, sizeof bm, &bm);
    const int side = bm.bmHeight;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, tiles);
    const int x = cell.left + (cell.right - cell.left - side) / 2;
    const int y = cell.top + (cell.bottom - cell.top - side) / 2;
    BitBlt(dc, x, y, side, side, mem, index * side, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
  }

  // Picture `k` of the print pictures, square, stretched over `to`.
  void PrintPicture(int k, const RECT& to) const {
    const DibPicture& p = *in.print.pictures;
    const int side = p.height;
    if (side <= 0 || (k + 1) * side > p.width) return;
    SetStretchBltMode(dc, COLORONCOLOR);
    // Rows run bottom-up: the square's source y is 0 either way, as the strip is one row high.
    StretchDIBits(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, k * side, 0, side, side,
                  p.pixels.data(), reinterpret_cast<const BITMAPINFO*>(p.info.data()), DIB_RGB_COLORS, SRCCOPY);
  }

  void Planting(const RECT& cell, const MoonDayRecord& r, bool sternbild, bool twoColours) const {
    const bool planting = IsPlantingTime(r);
    const int element = ElementOf(MoonPosition(r, sternbild).sign);
    if (in.printing && in.print.pictures) {
      if (planting) {
        if (!twoColours || in.print.colourMode == 0)
          PrintPicture(in.print.colourMode == 0 ? kPrintBackgroundColour : kPrintBackgroundOther, cell);
        else
          FillColour(dc, cell, Colour(kNoPlantingColour));
      }
      const DibPicture& p = *in.print.pictures;
      const int side = std::min<int>(p.height, std::min(cell.right - cell.left, cell.bottom - cell.top));
      const int x = cell.left + (cell.right - cell.left - side) / 2;
      const int y = cell.top + (cell.bottom - cell.top - side) / 2;
      PrintPicture(PrintPictureIndex(element, planting, twoColours), {x, y, x + side, y + side});
      return;
    }
    FillColour(dc, cell, Colour(planting ? kPlantingColour : kNoPlantingColour));
    if (in.elementTiles) Tile(in.elementTiles, element, cell);
  }

  // The title row of a printed page: each column's title laid out like a cell, in italics.
  int TitleRow(const CalendarColumnSpans& cols, int top, int margin, int fontHeight) const {
    int tallest = 0;
    for (int c = 0; c < kCalendarColumns; ++c) {
      if (!cols[c].shown || in.print.titles[c].empty()) continue;
      const CellBox box = CellTextBox(cols[c], top, margin, true, false, fontHeight);
      const RECT rc = {box.left, box.top, box.right, in.rect.bottom};
      tallest = std::max(tallest, DrawRtfCell(dc, in.print.titles[c], rc, in.textFont));
    }
    const int bottom = top + tallest + 2 * margin;
    FillColour(dc, {in.rect.left, bottom - 1, in.rect.right, bottom}, RGB(0, 0, 0));
    return bottom;
  }

  RECT Legend(int lineHeight) const {
    const int columns =
        PrintLegendColumns(in.print.legendGlyphWidth, in.print.legendTextWidth, in.rect.right - in.rect.left);
    const PrintLegendBox box = LayoutPrintLegend(in.rect.left, in.rect.right, in.rect.bottom, lineHeight, columns);
    const RECT frame = {in.rect.left, box.top, in.rect.right, box.bottom};
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
    SelectObject(dc, oldBrush);
    const std::vector<int> order = PrintLegendOrder(columns);
    const int lineGap = lineHeight / 2;
    for (size_t i = 0; i < order.size(); ++i) {
      const int entry = order[i];
      if (entry < 0 || entry >= static_cast<int>(in.print.legendLines.size())) continue;
      const int col = static_cast<int>(i) % columns;
      const int y = box.top + lineGap + static_cast<int>(i / columns) * lineHeight;
      const LegendLine& l = in.print.legendLines[entry];
      RECT glyph = {box.glyphX[col], y, box.textX[col], y + lineHeight};
      RECT text = {box.textX[col], y, col + 1 < columns ? box.glyphX[col + 1] : in.rect.right, y + lineHeight};
      DrawRtfCell(dc, GlyphRtf(l.glyph), glyph, in.textFont);
      DrawRtfCell(dc, PlainRtf(l.text), text, in.textFont);
    }
    return frame;
  }

  std::string GlyphRtf(const std::string& glyph) const {
    return "{\\rtf1{\\fonttbl{\\f2\\fcharset2 Astrological;}}\\f2\\fs" + std::to_string(FontHalfPoints()) + " " +
           RtfEscaped(glyph) + "}";
  }
  std::string PlainRtf(const std::string& text) const {
    return "{\\rtf1{\\fonttbl{\\f1 " + in.textFont + ";}}\\f1\\fs" + std::to_string(FontHalfPoints()) + " " +
           RtfEscaped(text) + "}";
  }
  int FontHalfPoints() const {
    const RtfStyle& s = in.cells.style;
    const int tenths = in.printing ? s.printFontSize : s.screenFontSize;
    return std::max(1, (tenths > 0 ? tenths : 120) / 5);
  }
  static std::string RtfEscaped(const std::string& t) {
    std::string out;
    for (char c : t) {
      const unsigned char u = static_cast<unsigned char>(c);
      if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += c;
      } else if (u >= 0x80) {
        static const char hex[] = "0123456789abcdef";
        out += "\\'";
        out += hex[u >> 4];
        out += hex[u & 15];
      } else {
        out += c;
      }
    }
    return out;
  }
};

bool Stop(const CalendarPaintInput& in) { return in.cancel && in.cancel(); }

}  // namespace

CalendarPaintResult DrawCalendar(HDC dc, const CalendarPaintInput& in) {
  CalendarPaintResult out;
  out.nextDay = in.firstDay;
  out.rows.top = in.rect.top;
  if (!in.doc || !in.moon || in.rect.right <= in.rect.left || in.rect.bottom <= in.rect.top) return out;
  const PersonDocument& doc = *in.doc;
  const Painter paint{dc, in};
  FillRect(dc, &in.rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  HGDIOBJ oldFont = SelectObject(dc, in.font ? in.font : GetStockObject(SYSTEM_FONT));
  SIZE ag{};
  GetTextExtentPoint32A(dc, "Ag", 2, &ag);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, oldFont);
  const int avgChar = std::max<int>(1, tm.tmAveCharWidth);
  const int fontHeight = ag.cy;
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
  const bool twoColours = GetDeviceCaps(dc, NUMCOLORS) == 2;

  const auto shown = ListColumnsShown(doc.viewFlags);
  const CalendarColumnSpans cols = LayoutCalendarColumns(shown, in.widths, in.rect.left);
  const int glyphsPerLine = MoonGlyphsPerLine(cols[kColMoon].width() - 3, avgChar, in.printing);
  std::vector<int> tabs;
  for (int p : MoonTabPositions(avgChar, in.printing)) tabs.push_back(PixelsToTwips(p, dpiX));
  // The printed date width leaves 4.4 average characters for the weekday.
  const int dateTab = in.printing ? PixelsToTwips(avgChar * 44 / 10 + 1, dpiX) : 0;

  CellContext ctx = in.cells;
  ctx.printing = in.printing;
  if (twoColours) ctx.twoColours = true;
  const bool filtered = (doc.viewFlags & kViewFilteredList) && doc.selection != 1 && in.eval;
  const int separators = static_cast<int>((doc.viewFlags & kViewPanelRecoMask) >> kViewPanelRecoShift);
  const bool constellation = ctx.sternbild;
  const int margin = std::max(1, in.margin);

  RECT rowsArea = in.rect;
  if (in.printing) {
    // The page: the legend box at the bottom, the title row at the top, the rows between.
    if (in.print.legend) {
      out.legendBox = paint.Legend(fontHeight);
      rowsArea.bottom = out.legendBox.top;
    }
    const int titleBottom = paint.TitleRow(cols, in.rect.top, margin, fontHeight);
    out.titleRow = {in.rect.left, in.rect.top, in.rect.right, titleBottom};
    rowsArea.top = titleBottom;
  }
  SaveDC(dc);
  IntersectClipRect(dc, rowsArea.left, rowsArea.top, rowsArea.right, rowsArea.bottom);
  out.rows.top = rowsArea.top;
  const int fixedHeight = in.printing ? PrintFixedRowHeight(in.print.daysPerPage, rowsArea.bottom - rowsArea.top) : 0;
  const int rowBudget = in.printing ? PrintRowsPerPage(in.print.daysPerPage, in.firstDay) : 0;

  int y = rowsArea.top;
  int looked = 0;
  DayNumber d = in.firstDay;
  for (; y < rowsArea.bottom && d <= kLastCalendarDay; ++d) {
    if (rowBudget > 0 && out.rows.count() >= rowBudget) break;
    // Before each row, and now and then while the filtered list skips days.
    if (looked++ % 64 == 0 && Stop(in)) {
      out.finished = false;
      RestoreDC(dc, -1);
      return out;
    }
    const MoonDayRecord* rp = in.moon->Fetch(d);
    if (!rp) {
      // Before the moon data begins nothing can be listed: jump to its first day.
      if (d < kFirstMoonDay) d = kFirstMoonDay - 1;
      continue;
    }
    const MoonDayRecord r = *rp;
    if (filtered && !in.eval->AnyHolds(d, doc.selection)) continue;
    looked = 0;
    const int holiday =
        in.showHoliday && in.specialDays && in.yearTable ? HolidayTest(d, *in.specialDays, *in.yearTable) : 0;
    // A fixed print row that would run off the page is left for the next one.
    if (fixedHeight > 0 && y + fixedHeight > rowsArea.bottom) break;

    const bool firstRow = out.rows.days.empty();
    int tallest = 0;
    int glyphBottom = 0;
    for (int c = kColDate; c < kCalendarColumns; ++c) {
      if (!cols[c].shown || c == kColPlanting) continue;
      std::string rtf;
      switch (c) {
        case kColDate: rtf = DateCellRtf(d, holiday, ctx, dateTab); break;
        case kColMoon:
          rtf = MoonCellRtf(r, glyphsPerLine, ctx, glyphsPerLine > 0 ? tabs : std::vector<int>{});
          break;
        case kColSun: rtf = SunCellRtf(r, ctx); break;
        case kColNotes: rtf = NotesCellRtf(doc, d, ctx); break;
        default:
          if (in.eval) rtf = RecoCellRtf(*in.eval, d, c, doc.selection, separators, ctx);
          break;
      }
      if (rtf.empty()) continue;
      const bool glyphCell = c == kColMoon || c == kColSun;
      const CellBox box = CellTextBox(cols[c], y, margin, firstRow, glyphCell, fontHeight);
      const RECT rc = {box.left, box.top, box.right, rowsArea.bottom};
      const int room = fixedHeight > 0 ? std::max(1, y + fixedHeight - margin - box.top) : 0;
      const int h = DrawRtfCell(dc, rtf, rc, in.textFont, room);
      if (glyphCell) glyphBottom = std::max(glyphBottom, box.top - y + h);
      tallest = std::max(tallest, CountedCellHeight(h, tallest, glyphCell));
    }
    int rowHeight = RowHeight(tallest, margin, in.minRowHeight);
    rowHeight = std::max(rowHeight, glyphBottom + margin);
    if (fixedHeight > 0) rowHeight = fixedHeight;
    if (in.printing && !firstRow && y + rowHeight > rowsArea.bottom) {
      // A row that does not fit on the page starts the next one.
      RECT rest = {rowsArea.left, y, rowsArea.right, rowsArea.bottom};
      FillRect(dc, &rest, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      break;
    }

    if (cols[kColPlanting].shown) {
      const RECT cell = {cols[kColPlanting].left, y, cols[kColPlanting].right - 1, y + rowHeight - 1};
      paint.Planting(cell, r, constellation, twoColours);
    }
    if (cols[kColElement].shown) {
      const RECT cell = {cols[kColElement].left, y, cols[kColElement].right - 1, y + rowHeight - 1};
      paint.DrawElementBar(cell, r, constellation);
      if (in.oskelin) {
        RECT second = cell;
        second.left = cell.left + SecondBarOffset(cols[kColElement].width(), in.printing);
        paint.DrawElementBar(second, r, !constellation);
      }
    }
    FillColour(dc, {rowsArea.left, y + rowHeight - 1, rowsArea.right, y + rowHeight}, kLineColour);
    out.rows.days.push_back(d);
    out.rows.heights.push_back(rowHeight);
    y += rowHeight;
  }
  out.nextDay = d;

  for (int c = 0; c < kCalendarColumns; ++c) {
    if (!cols[c].shown) continue;
    FillColour(dc, {cols[c].right - 1, rowsArea.top, cols[c].right, rowsArea.bottom}, kLineColour);
  }
  RestoreDC(dc, -1);
  if (in.printing) {
    // The rounded frame last, so that no row line runs over it.
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    RoundRect(dc, in.rect.left, in.rect.top, in.rect.right, in.rect.bottom, fontHeight, fontHeight);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
  }
  return out;
}

}  // namespace tw
