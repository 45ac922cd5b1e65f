// The moon calendar on the screen. The painter draws into an off-screen buffer; this file
// decides when to paint, keeps what the paint laid out in the window's view state, and
// turns keys and clicks into moves of the selection.
#include "app/calendar_screen.h"

#include <commctrl.h>

#include <algorithm>
#include <map>

#include "app/app.h"
#include "app/side_panel.h"
#include "calendar/date_step.h"
#include "reco/reco_eval.h"
#include "tw_ids.h"
#include "views/painters.h"

namespace tw {

namespace {

// On the screen the widths are the header's items, which the user drags.
std::array<int, kCalendarColumns> HeaderWidths(const ChildWindow& cw, int avgChar, int clientWidth) {
  std::array<int, kCalendarColumns> widths{};
  const auto shown = ListColumnsShown(cw.doc->viewFlags);
  int count = 0;
  for (bool s : shown) count += s ? 1 : 0;
  if (cw.listHeader && SendMessageA(cw.listHeader, HDM_GETITEMCOUNT, 0, 0) == count) {
    int item = 0;
    for (int c = 0; c < kCalendarColumns; ++c) {
      if (!shown[c]) continue;
      RECT r{};
      SendMessageA(cw.listHeader, HDM_GETITEMRECT, item++, reinterpret_cast<LPARAM>(&r));
      widths[c] = r.right - r.left;
    }
    return widths;
  }
  const ListColumns lc = ComputeListColumns(cw.doc->viewFlags, TheApp().settings.saveWidths, avgChar, clientWidth);
  for (int c = 0; c < kCalendarColumns; ++c) widths[c] = lc.width[c];
  return widths;
}

RECT RowRect(const CalendarRows& rows, int row, const RECT& area) {
  const int top = rows.RowTop(row);
  return {area.left, top, area.right, top + rows.heights[row] - 1};
}

void MoveHighlight(ChildWindow& cw, const RECT& area) {
  ViewState& v = cw.view;
  HDC dc = GetDC(cw.window);
  if (!dc) return;
  if (v.highlight.bottom > v.highlight.top) InvertRect(dc, &v.highlight);
  v.highlight = {0, 0, 0, 0};
  const int row = v.rows.RowOf(cw.doc->selectedDay);
  if (row >= 0) {
    v.highlight = RowRect(v.rows, row, area);
    InvertRect(dc, &v.highlight);
  }
  ReleaseDC(cw.window, dc);
}

bool Filtered(const PersonDocument& doc) { return (doc.viewFlags & kViewFilteredList) && doc.selection != 1; }

}  // namespace

bool UserIsBusy(HWND child) {
  HWND capture = GetCapture();
  if (capture && child && IsChild(child, capture)) return true;
  MSG m;
  if (PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE | PM_NOYIELD)) return true;
  if (PeekMessageA(&m, nullptr, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK, PM_NOREMOVE | PM_NOYIELD)) return true;
  if (PeekMessageA(&m, nullptr, WM_HSCROLL, WM_VSCROLL, PM_NOREMOVE | PM_NOYIELD)) return true;
  return false;
}

void PaintPendingNow(ChildWindow& cw) {
  cw.view.paintNow = true;
  UpdateWindow(cw.window);
  cw.view.paintNow = false;
}

std::string CachedMessage(int id) {
  static std::map<int, std::string> cache;
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

bool PaintCalendarScreen(ChildWindow& cw, HDC dc, const RECT& area) {
  if (area.right <= area.left || area.bottom <= area.top) return true;
  App& app = TheApp();
  PersonDocument& doc = *cw.doc;
  ViewState& v = cw.view;
  if (!v.paintNow && UserIsBusy(cw.window)) return false;
  v.firstDay = ChooseListStart(v.rows, v.firstDay, doc.selectedDay,
                                          (doc.viewFlags & kViewRecompute) != 0,
                                          (doc.viewFlags & kViewFilteredList) != 0);
  doc.viewFlags &= ~kViewRecompute;

  const int w = area.right - area.left, h = area.bottom - area.top;
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bmp = CreateCompatibleBitmap(dc, w, h);
  if (!mem || !bmp) {
    if (mem) DeleteDC(mem);
    if (bmp) DeleteObject(bmp);
    return true;
  }
  HGDIOBJ oldBmp = SelectObject(mem, bmp);

  static HBITMAP elementTiles = LoadBitmapA(app.instance, MAKEINTRESOURCEA(IDB_ELEMENTS));
  RecoEvaluator eval(app.reco, app.moon, app.sink);
  SetupEvaluator(eval);
  CalendarPaintInput in;
  in.doc = &doc;
  in.moon = &app.moon;
  in.specialDays = &app.specialDays;
  in.yearTable = &app.yearTable;
  in.eval = &eval;
  in.cells = ScreenCellContext();
  in.font = app.displayFont;
  in.textFont = app.settings.font;
  in.colours = &app.settings.colours;
  in.showHoliday = app.settings.showHoliday != 0;
  in.oskelin = app.settings.oskelin != 0;
  in.rect = {0, 0, w, h};
  in.firstDay = v.firstDay;
  in.widths = HeaderWidths(cw, cw.avgCharWidth, w);
  in.minRowHeight = std::max<int>(0, area.top - 2);
  in.elementTiles = elementTiles;
  HWND window = cw.window;
  const bool now = v.paintNow;
  in.cancel = [window, now] { return !now && UserIsBusy(window); };

  CalendarPaintResult result = DrawCalendar(mem, in);
  if (result.finished) {
    result.rows.top += area.top;
    v.rows = result.rows;
    v.visibleDays = result.rows.count();
    v.filteredDays = (doc.viewFlags & kViewFilteredList) ? result.rows.days : std::vector<DayNumber>{};
    v.highlight = {0, 0, 0, 0};
    int row = v.rows.RowOf(doc.selectedDay);
    if ((doc.viewFlags & kViewFilteredList) && row < 0 && !v.rows.days.empty()) {
      // The selection follows the list to its first matching day; the date edit with it.
      doc.selectedDay = v.rows.days.front();
      row = 0;
      ShowSelectedDate(cw);
    }
    if (row >= 0) {
      RECT hl = RowRect(v.rows, row, area);
      RECT inMem = hl;
      OffsetRect(&inMem, -area.left, -area.top);
      InvertRect(mem, &inMem);
      v.highlight = hl;
    }
    BitBlt(dc, area.left, area.top, w, h, mem, 0, 0, SRCCOPY);
  }
  SelectObject(mem, oldBmp);
  DeleteObject(bmp);
  DeleteDC(mem);
  if (result.finished) RefreshSidePanel();
  return result.finished;
}

void CalendarNavigate(ChildWindow& cw, MoveCode code, DayNumber given) {
  PaintPendingNow(cw);
  App& app = TheApp();
  PersonDocument& doc = *cw.doc;
  ViewState& v = cw.view;
  RecoEvaluator eval(app.reco, app.moon, app.sink);
  SetupEvaluator(eval);
  CalendarNavigation nav;
  nav.selected = doc.selectedDay;
  nav.first = v.firstDay;
  nav.birthday = doc.header.Birthday();
  nav.today = Today(SystemClock());
  nav.filtered = Filtered(doc);
  nav.rows = &v.rows;
  nav.findMatching = [&](DayNumber start, int step) -> std::optional<DayNumber> {
    HCURSOR old = SetCursor(app.waitCursor);
    const DayNumber found = eval.FindDay(start, step, false, doc.selection, doc.header.Birthday());
    SetCursor(old);
    if (found == start || !eval.AnyHolds(found, doc.selection)) return std::nullopt;
    return found;
  };
  const ListMove m = MoveSelection(nav, code, given);
  doc.selectedDay = m.selected;
  const RECT area = ViewArea(cw);
  if (m.scrolled) {
    v.firstDay = m.first;
    v.highlight = {0, 0, 0, 0};
    InvalidateRect(cw.window, &area, FALSE);
  } else {
    MoveHighlight(cw, area);
  }
}

void CalendarClick(ChildWindow& cw, POINT pt) {
  PaintPendingNow(cw);
  PersonDocument& doc = *cw.doc;
  ViewState& v = cw.view;
  if (v.rows.days.empty()) return;
  const DayNumber day = RowToFilteredDay(v.rows, pt.y, doc.selectedDay);
  if (day == doc.selectedDay) return;
  doc.selectedDay = ClampSelectedDay(day, doc.header.Birthday());
  MoveHighlight(cw, ViewArea(cw));
}

}  // namespace tw
