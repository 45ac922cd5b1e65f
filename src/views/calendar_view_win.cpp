// The moon calendar list of a person window: one row per day, each text cell a small
// rich-text document laid out by the side panel's hidden rich edit control.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <map>
#include <string>

#include "app/app.h"
#include "app/side_panel.h"
#include "app/views.h"
#include "calendar/date_step.h"
#include "calendar/moon_derived.h"
#include "reco/reco_eval.h"
#include "views/calendar_cells.h"
#include "views/calendar_layout.h"
#include "views/calendar_rtf_layout.h"
#include "views/calendar_view_win.h"
#include "views/child_layout.h"
#include "views/rtf_builder_win.h"

namespace tw {

namespace {

constexpr int kListHeaderId = 2062;
constexpr int kScreenLayoutId = 2305;
constexpr int kPlantingColour = 8;
constexpr int kNoPlantingColour = 4;
constexpr COLORREF kLineColour = RGB(192, 192, 192);

// What the last finished paint of a window drew; navigation and hits read it.
struct ViewState {
  CalendarRows rows;
  RECT highlight = {0, 0, 0, 0};  // inverted on the screen, empty when none
  int width = 0;
};
std::map<const PersonDocument*, ViewState> g_views;

HWND g_ownLayout = nullptr;
// Set while navigation brings the rows up to date: that paint must not give way to input.
bool g_paintNow = false;

// The side panel's layout control; a private one while the panel does not exist.
HWND LayoutEngine() {
  App& app = TheApp();
  if (app.sidePanel)
    if (HWND re = GetDlgItem(app.sidePanel, kScreenLayoutId)) return re;
  if (!g_ownLayout) {
    g_ownLayout = CreateWindowExA(0, "RichEdit", "", WS_POPUP | ES_MULTILINE, 0, 0, 100, 100, nullptr, nullptr,
                                  app.instance, nullptr);
    if (g_ownLayout) SendMessageA(g_ownLayout, WM_SETFONT, reinterpret_cast<WPARAM>(app.displayFont), FALSE);
  }
  return g_ownLayout;
}

COLORREF TableColour(int entry) { return static_cast<COLORREF>(TheApp().settings.colours.entry[entry]); }

void FillColour(HDC dc, const RECT& r, COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

// The user is busy when a control of the window holds the mouse, or input waits.
bool UserIsBusy(HWND child) {
  if (g_paintNow) return false;
  HWND capture = GetCapture();
  if (capture && child && IsChild(child, capture)) return true;
  MSG m;
  if (PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE | PM_NOYIELD)) return true;
  if (PeekMessageA(&m, nullptr, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK, PM_NOREMOVE | PM_NOYIELD)) return true;
  if (PeekMessageA(&m, nullptr, WM_HSCROLL, WM_VSCROLL, PM_NOREMOVE | PM_NOYIELD)) return true;
  return false;
}

std::array<int, kCalendarColumns> ColumnWidths(HWND child, const PersonDocument& doc,
                                               const std::array<bool, kCalendarColumns>& shown, int avgChar,
                                               int clientWidth) {
  std::array<int, kCalendarColumns> widths{};
  HWND header = child ? GetDlgItem(child, kListHeaderId) : nullptr;
  int count = 0;
  for (bool s : shown) count += s ? 1 : 0;
  if (header && SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) == count) {
    int item = 0;
    for (int c = 0; c < kCalendarColumns; ++c) {
      if (!shown[c]) continue;
      RECT r{};
      SendMessageA(header, HDM_GETITEMRECT, item++, reinterpret_cast<LPARAM>(&r));
      widths[c] = r.right - r.left;
    }
    return widths;
  }
  const ListColumns lc =
      ComputeListColumns(doc.viewFlags, TheApp().settings.saveWidths, avgChar, clientWidth);
  for (int c = 0; c < kCalendarColumns; ++c) widths[c] = lc.width[c];
  return widths;
}

std::map<int, std::string>& MessageCache() {
  static std::map<int, std::string> cache;
  return cache;
}

}  // namespace

std::string CachedMessage(int id) {
  auto& cache = MessageCache();
  auto it = cache.find(id);
  if (it != cache.end()) return it->second;
  return cache[id] = LoadLibString(id);
}

CellContext ScreenCellContext() {
  App& app = TheApp();
  CellContext ctx;
  ctx.style = RtfStyleFrom(app.settings, app.locale);
  ctx.fontChoice = kRtfScreenFont;
  ctx.sternbild = app.settings.sternbild != 0;
  ctx.dates.locale = app.locale;
  ctx.dates.display.showDayOfWeek = app.settings.showDayOfWeek != 0;
  ctx.dates.display.showYear = app.settings.showYear != 0;
  ctx.dates.display.show2DigitYear = app.settings.show2DigitYear != 0;
  ctx.dates.display.showDate2Lines = app.settings.showDate2Lines != 0;
  ctx.message = CachedMessage;
  return ctx;
}

void SetupEvaluator(RecoEvaluator& eval) {
  App& app = TheApp();
  eval.specialDays = &app.specialDays;
  eval.settings.sternbild = app.settings.sternbild != 0;
  eval.settings.showHoliday = app.settings.showHoliday != 0;
  eval.settings.showNameday = app.settings.showNameday != 0;
  eval.settings.showBirthday = app.settings.showBirthday != 0;
  eval.settings.searchEnd = app.settings.searchEnd;
  eval.style = RtfStyleFrom(app.settings, app.locale);
}

namespace {

// Measures and draws laid-out pieces with GDI fonts made once per style.
class GdiMeasure : public RtfMeasure {
 public:
  GdiMeasure(HDC dc, std::string textFont) : dc_(dc), textFont_(std::move(textFont)) {
    dpiY_ = GetDeviceCaps(dc, LOGPIXELSY);
  }
  ~GdiMeasure() override {
    SelectObject(dc_, GetStockObject(SYSTEM_FONT));
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
      HGDIOBJ old = SelectObject(dc_, f);
      GetTextMetricsA(dc_, &entry.tm);
      SelectObject(dc_, old);
      it = fonts_.emplace(key, entry).first;
    }
    SelectObject(dc_, it->second.font);
    return it->second.tm;
  }
  HDC dc_;
  std::string textFont_;
  int dpiY_ = 96;
  std::map<int, Font> fonts_;
};

// Whether the rich edit control renders into a given rectangle (some versions only stub it).
bool FormatRangeWorks(HWND engine, HDC dc) {
  static int works = -1;
  if (works < 0 && engine) {
    RtfStreamIn(engine, "{\\rtf1 x}");
    FORMATRANGE fr = {};
    fr.hdc = fr.hdcTarget = dc;
    fr.rc = {0, 0, 1440, 1440};
    fr.rcPage = fr.rc;
    fr.chrg.cpMax = -1;
    works = SendMessageA(engine, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&fr)) > 0 ? 1 : 0;
    SendMessageA(engine, EM_FORMATRANGE, FALSE, 0);
  }
  return works == 1;
}

int RenderWithGdi(HDC dc, const std::string& rtf, const RECT& box) {
  const RtfDocument doc = ParseRtf(rtf);
  GdiMeasure measure(dc, doc.textFont.empty() ? TheApp().settings.font : doc.textFont);
  const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  const RtfLayout layout = LayoutRtf(doc, box.right - box.left, GetDeviceCaps(dc, LOGPIXELSX), measure);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = GetTextColor(dc);
  HRGN clip = CreateRectRgn(box.left, box.top, box.right, box.bottom);
  SaveDC(dc);
  ExtSelectClipRgn(dc, clip, RGN_AND);
  for (const RtfPiece& p : layout.pieces) {
    if (box.top + p.y >= box.bottom) break;
    measure.Width(p.style, "");  // selects the piece's font
    SetTextColor(dc, static_cast<COLORREF>(p.style.colour));
    TextOutA(dc, box.left + p.x, box.top + p.y, p.style.text.data(), static_cast<int>(p.style.text.size()));
  }
  RestoreDC(dc, -1);
  DeleteObject(clip);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
  return PixelsToTwips(layout.height, dpiY);
}

}  // namespace

int RenderRtfCell(HWND engine, HDC dc, const std::string& rtf, const RECT& box) {
  if (rtf.empty()) return 0;
  if (!FormatRangeWorks(engine, dc)) return RenderWithGdi(dc, rtf, box);
  RtfStreamIn(engine, rtf.c_str());
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  FORMATRANGE fr = {};
  fr.hdc = fr.hdcTarget = dc;
  fr.rc = {PixelsToTwips(box.left, dpiX), PixelsToTwips(box.top, dpiY), PixelsToTwips(box.right, dpiX),
           PixelsToTwips(box.bottom, dpiY)};
  fr.rcPage = fr.rc;
  fr.chrg.cpMin = 0;
  fr.chrg.cpMax = -1;
  SendMessageA(engine, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&fr));
  SendMessageA(engine, EM_FORMATRANGE, FALSE, 0);
  return std::max<LONG>(0, fr.rc.bottom - fr.rc.top);
}

namespace {

struct PaintSetup {
  HWND child = nullptr;
  HDC dc = nullptr;
  RECT rect = {};      // where the rows go, in dc coordinates
  int minRowHeight = 0;
  int clientWidth = 0;
};

void DrawElementBar(HDC dc, const RECT& cell, const MoonDayRecord& r, bool constellation) {
  const ElementBar bar = MoonElementBar(r, constellation);
  const int split = bar.SplitAt(cell.bottom - cell.top);
  const COLORREF now = TableColour(kElementColourFirst + bar.element);
  if (split > 0) {
    RECT top = cell;
    top.bottom = cell.top + split;
    FillColour(dc, top, TableColour(kElementColourFirst + bar.previousElement));
    RECT rest = cell;
    rest.top = top.bottom;
    FillColour(dc, rest, now);
  } else {
    FillColour(dc, cell, now);
  }
}

void DrawPlanting(HDC dc, const RECT& cell, const MoonDayRecord& r, bool sternbild) {
  const bool planting = IsPlantingTime(r);
  FillColour(dc, cell, TableColour(planting ? kPlantingColour : kNoPlantingColour));
  static HBITMAP elements = LoadBitmapA(TheApp().instance, MAKEINTRESOURCEA(138));
  if (!elements) return;
  BITMAP bm{};
  GetObjectA(elements, sizeof bm, &bm);
  const int side = bm.bmHeight;
  const int e = ElementOf(MoonPosition(r, sternbild).sign);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, elements);
  const int x = cell.left + (cell.right - cell.left - side) / 2;
  const int y = cell.top + (cell.bottom - cell.top - side) / 2;
  BitBlt(dc, x, y, side, side, mem, e * side, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
}

// Paints the rows into `s.rect`; false when it stopped because the user is busy.
bool PaintRows(const PaintSetup& s, PersonDocument& doc, CalendarRows& rows) {
  App& app = TheApp();
  HDC dc = s.dc;
  FillRect(dc, &s.rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  HGDIOBJ oldFont = SelectObject(dc, app.displayFont);
  SIZE ag{};
  GetTextExtentPoint32A(dc, "Ag", 2, &ag);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, oldFont);
  const int avgChar = std::max<int>(1, tm.tmAveCharWidth);
  const int fontHeight = ag.cy;
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);

  const auto shown = ListColumnsShown(doc.viewFlags);
  const auto widths = ColumnWidths(s.child, doc, shown, avgChar, s.clientWidth);
  const CalendarColumnSpans cols = LayoutCalendarColumns(shown, widths, s.rect.left);
  const int glyphsPerLine = MoonGlyphsPerLine(cols[kColMoon].width() - 3, avgChar, false);
  std::vector<int> tabs;
  for (int p : MoonTabPositions(avgChar, false)) tabs.push_back(PixelsToTwips(p, dpiX));

  CellContext ctx = ScreenCellContext();
  if (GetDeviceCaps(dc, NUMCOLORS) == 2) ctx.twoColours = true;
  RecoEvaluator eval(app.reco, app.moon, app.sink);
  SetupEvaluator(eval);
  const bool filtered = (doc.viewFlags & kViewFilteredList) && doc.selection != 1;
  const int separators = static_cast<int>((doc.viewFlags & kViewPanelRecoMask) >> kViewPanelRecoShift);
  const bool constellation = ctx.sternbild;
  HWND engine = LayoutEngine();

  rows = CalendarRows();
  rows.top = s.rect.top;
  const int margin = 1;
  int y = s.rect.top;
  bool finished = true;
  int looked = 0;
  for (DayNumber d = doc.firstDay; y < s.rect.bottom && d <= kLastCalendarDay; ++d) {
    // Before each row, and now and then while the filtered list skips days.
    if (looked++ % 64 == 0 && UserIsBusy(s.child)) {
      finished = false;
      break;
    }
    const MoonDayRecord* rp = app.moon.Fetch(d);
    if (!rp) {
      // Before the moon data begins nothing can be listed: jump to its first day.
      if (d < kFirstMoonDay) d = kFirstMoonDay - 1;
      continue;
    }
    const MoonDayRecord r = *rp;
    if (filtered && !eval.AnyHolds(d, doc.selection)) continue;
    looked = 0;
    const int holiday = app.settings.showHoliday ? HolidayTest(d, app.specialDays, app.yearTable) : 0;

    const bool firstRow = rows.days.empty();
    int tallest = 0;
    int glyphBottom = 0;
    for (int c = kColDate; c < kCalendarColumns; ++c) {
      if (!cols[c].shown || c == kColPlanting) continue;
      std::string rtf;
      switch (c) {
        case kColDate: rtf = DateCellRtf(d, holiday, ctx); break;
        case kColMoon: rtf = MoonCellRtf(r, glyphsPerLine, ctx, glyphsPerLine > 0 ? tabs : std::vector<int>{}); break;
        case kColSun: rtf = SunCellRtf(r, ctx); break;
        case kColNotes: rtf = NotesCellRtf(doc, d, ctx); break;
        default: rtf = RecoCellRtf(eval, d, c, doc.selection, separators, ctx); break;
      }
      if (rtf.empty()) continue;
      const bool glyphCell = c == kColMoon || c == kColSun;
      const CellBox box = CellTextBox(cols[c], y, margin, firstRow, glyphCell, fontHeight);
      const RECT rc = {box.left, box.top, box.right, s.rect.bottom};
      const int h = RenderRtfCell(engine, dc, rtf, rc);
      if (glyphCell) glyphBottom = std::max(glyphBottom, box.top - y + TwipsToPixels(h, dpiY));
      tallest = std::max(tallest, CountedCellHeight(h, tallest, glyphCell));
    }
    int rowHeight = RowHeightPixels(tallest, dpiY, margin, s.minRowHeight);
    rowHeight = std::max(rowHeight, glyphBottom + margin);

    if (cols[kColPlanting].shown) {
      const RECT cell = {cols[kColPlanting].left, y, cols[kColPlanting].right - 1, y + rowHeight - 1};
      DrawPlanting(dc, cell, r, constellation);
    }
    if (cols[kColElement].shown) {
      const RECT cell = {cols[kColElement].left, y, cols[kColElement].right - 1, y + rowHeight - 1};
      DrawElementBar(dc, cell, r, constellation);
      if (app.settings.oskelin) {
        RECT second = cell;
        second.left = cell.left + SecondBarOffset(cols[kColElement].width(), false);
        DrawElementBar(dc, second, r, !constellation);
      }
    }
    const RECT line = {s.rect.left, y + rowHeight - 1, s.rect.right, y + rowHeight};
    FillColour(dc, line, kLineColour);
    rows.days.push_back(d);
    rows.heights.push_back(rowHeight);
    y += rowHeight;
  }

  for (int c = 0; c < kCalendarColumns; ++c) {
    if (!cols[c].shown) continue;
    const RECT sep = {cols[c].right - 1, s.rect.top, cols[c].right, s.rect.bottom};
    FillColour(dc, sep, kLineColour);
  }
  return finished;
}

RECT RowRect(const CalendarRows& rows, int row, const RECT& area) {
  const int top = rows.RowTop(row);
  return {area.left, top, area.right, top + rows.heights[row] - 1};
}

void MoveHighlight(HWND child, ViewState& st, const PersonDocument& doc, const RECT& area) {
  HDC dc = GetDC(child);
  if (!dc) return;
  if (st.highlight.bottom > st.highlight.top) InvertRect(dc, &st.highlight);
  st.highlight = {0, 0, 0, 0};
  const int row = st.rows.RowOf(doc.selectedDay);
  if (row >= 0) {
    st.highlight = RowRect(st.rows, row, area);
    InvertRect(dc, &st.highlight);
  }
  ReleaseDC(child, dc);
}

}  // namespace

void PaintCalendarView(HWND child, HDC dc, PersonDocument& doc, const RECT& area) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  ViewState& st = g_views[&doc];
  if (UserIsBusy(child)) {
    // Paint again once the input is handled; the screen keeps the last list meanwhile.
    InvalidateRect(child, &area, FALSE);
    return;
  }
  if (doc.viewFlags & kViewRecompute) {
    // Restart at the current day unless it is already among the rows shown.
    if (st.rows.RowOf(doc.selectedDay) < 0) doc.firstDay = doc.selectedDay;
    doc.viewFlags &= ~kViewRecompute;
  }
  if (doc.viewFlags & kViewFilteredList) {
    // The list starts at a matching day: the selected one when it matches.
    doc.firstDay = std::min(doc.firstDay, doc.selectedDay);
  }

  const int w = area.right - area.left, h = area.bottom - area.top;
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bmp = CreateCompatibleBitmap(dc, w, h);
  if (!mem || !bmp) {
    if (mem) DeleteDC(mem);
    if (bmp) DeleteObject(bmp);
    return;
  }
  HGDIOBJ oldBmp = SelectObject(mem, bmp);
  PaintSetup s;
  s.child = child;
  s.dc = mem;
  s.rect = {0, 0, w, h};
  s.minRowHeight = std::max<int>(0, area.top - 2);
  s.clientWidth = w;
  CalendarRows rows;
  const bool finished = PaintRows(s, doc, rows);
  if (finished) {
    rows.top += area.top;
    st.rows = rows;
    st.width = w;
    st.highlight = {0, 0, 0, 0};
    const int row = rows.RowOf(doc.selectedDay);
    if (row >= 0) {
      RECT hl = RowRect(rows, row, area);
      RECT inMem = hl;
      OffsetRect(&inMem, -area.left, -area.top);
      InvertRect(mem, &inMem);
      st.highlight = hl;
    }
    BitBlt(dc, area.left, area.top, w, h, mem, 0, 0, SRCCOPY);
    doc.visibleDays = rows.count();
    doc.rowsTop = rows.top;
    doc.rowsBottom = rows.bottom();
    doc.filteredDays = (doc.viewFlags & kViewFilteredList) ? rows.days : std::vector<DayNumber>{};
    if ((doc.viewFlags & kViewFilteredList) && row < 0 && !rows.days.empty()) {
      // The selection follows the list to its first matching day.
      doc.selectedDay = rows.days.front();
    }
  } else {
    InvalidateRect(child, &area, FALSE);
  }
  SelectObject(mem, oldBmp);
  DeleteObject(bmp);
  DeleteDC(mem);
  if (finished) RefreshSidePanel();
}

const CalendarRows* CalendarRowsOf(const PersonDocument& doc) {
  auto it = g_views.find(&doc);
  return it == g_views.end() ? nullptr : &it->second.rows;
}

void ForgetCalendarView(const PersonDocument& doc) { g_views.erase(&doc); }

// A move is computed on the rows on the screen: a scroll still waiting for its paint is
// painted first.
void BringRowsUpToDate(HWND child) {
  g_paintNow = true;
  UpdateWindow(child);
  g_paintNow = false;
}

bool CalendarNavigate(HWND child, PersonDocument& doc, const RECT& area, int code, DayNumber given) {
  BringRowsUpToDate(child);
  ViewState& st = g_views[&doc];
  App& app = TheApp();
  RecoEvaluator eval(app.reco, app.moon, app.sink);
  SetupEvaluator(eval);
  CalendarNavigation nav;
  nav.selected = doc.selectedDay;
  nav.first = doc.firstDay;
  nav.birthday = doc.header.Birthday();
  nav.today = Today(SystemClock());
  nav.filtered = (doc.viewFlags & kViewFilteredList) && doc.selection != 1;
  nav.rows = &st.rows;
  nav.findMatching = [&](DayNumber start, int step) -> std::optional<DayNumber> {
    HCURSOR old = SetCursor(app.waitCursor);
    const DayNumber found = eval.FindDay(start, step, false, doc.selection, doc.header.Birthday());
    SetCursor(old);
    if (found == start || !eval.AnyHolds(found, doc.selection)) return std::nullopt;
    return found;
  };
  const ListMove m = MoveSelection(nav, code, given);
  doc.selectedDay = m.selected;
  if (m.scrolled) {
    doc.firstDay = m.first;
    st.highlight = {0, 0, 0, 0};
    InvalidateRect(child, &area, FALSE);
  } else {
    MoveHighlight(child, st, doc, area);
  }
  return true;
}

bool CalendarKeyDown(HWND child, PersonDocument& doc, const RECT& area, UINT vk) {
  int code = -1;
  switch (vk) {
    case VK_HOME: code = 0; break;
    case VK_PRIOR: code = 3; break;
    case VK_NEXT: code = 4; break;
    case VK_LEFT:
    case VK_UP: code = 6; break;
    case VK_RIGHT:
    case VK_DOWN: code = 5; break;
    default: return false;
  }
  return CalendarNavigate(child, doc, area, code, 0);
}

bool CalendarClick(HWND child, PersonDocument& doc, const RECT& area, POINT pt) {
  BringRowsUpToDate(child);
  ViewState& st = g_views[&doc];
  if (st.rows.days.empty()) return false;
  const DayNumber day = (doc.viewFlags & kViewFilteredList)
                            ? RowToFilteredDay(st.rows, pt.y, doc.selectedDay)
                            : doc.firstDay + RowToDay(st.rows, doc.firstDay, pt.y);
  if (day == doc.selectedDay) return true;
  doc.selectedDay = std::max(day, doc.header.Birthday());
  MoveHighlight(child, st, doc, area);
  return true;
}

}  // namespace tw
