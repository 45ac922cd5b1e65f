// The person window "TwChild": paints its view, moves the selected day by keyboard and
// mouse, scrolls while a drag leaves the view, and asks to save before it closes.
#include "app/child.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>

#include "app/app.h"
#include "app/child_window.h"
#include "app/commands.h"
#include "app/frame.h"
#include "app/help.h"
#include "app/calendar_screen.h"
#include "app/chart_screen.h"
#include "app/side_panel.h"
#include "calendar/date_step.h"
#include "tw_ids.h"
#include "views/child_layout.h"
#include "views/painters.h"

namespace tw {

namespace {

// The document on its way from CreatePersonWindow to WM_CREATE; whoever ends up with it
// deletes it, so a window that fails to open cannot leak or double-free it.
PersonDocument* g_pendingDoc = nullptr;

bool IsList(const PersonDocument& doc) { return (doc.viewFlags & kViewMoonList) != 0; }

DayNumber TodayUtc() { return Today(SystemClock()); }

// Edit, ValueLine and side panel follow the selected day.
void ShowSelection(ChildWindow& cw) {
  ShowSelectedDate(cw);
  if (cw.valueLine) InvalidateRect(cw.valueLine, nullptr, TRUE);
  RefreshSidePanel();
}

void InvalidateView(ChildWindow& cw) {
  RECT area = ViewArea(cw);
  InvalidateRect(cw.window, &area, FALSE);
}

std::optional<MoveCode> KeyMoveCode(WPARAM vk) {
  switch (vk) {
    case VK_HOME: return kMoveToday;
    case VK_PRIOR: return kMovePageBack;
    case VK_NEXT: return kMovePageForward;
    case VK_LEFT:
    case VK_UP: return kMoveDayBack;
    case VK_RIGHT:
    case VK_DOWN: return kMoveDayForward;
  }
  return std::nullopt;
}

// Days a page move covers: the days shown, one row less in the list so that a row stays.
int PageDays(const ChildWindow& cw) {
  return IsList(*cw.doc) ? std::max(cw.view.visibleDays - 1, 1) : cw.view.visibleDays;
}

void MoveGeneric(ChildWindow& cw, MoveCode code, DayNumber day) {
  PersonDocument& doc = *cw.doc;
  const DayNumber previous = doc.selectedDay;
  doc.selectedDay = MoveTarget(code, previous, day, doc.header.Birthday(), TodayUtc(), PageDays(cw));
  SelectionChanged(cw.window, previous);
}

// The list navigates itself (rows drawn, days with recommendations); the window shows
// the day it arrived at.
void NavigateList(ChildWindow& cw, MoveCode code, DayNumber day) {
  CalendarNavigate(cw, code, day);
  ShowSelection(cw);
}

// ---- Mouse ----

struct DragArea {
  RECT rect;      // client coordinates
  bool vertical;  // the list moves along y, the chart along x
};

DragArea CurrentDragArea(ChildWindow& cw) {
  const ViewState& v = cw.view;
  DragArea a{ViewArea(cw), IsList(*cw.doc)};
  if (a.vertical) {
    if (v.rowsBottom() > v.rowsTop()) {
      a.rect.top = std::max<LONG>(a.rect.top, v.rowsTop());
      a.rect.bottom = std::min<LONG>(a.rect.bottom, v.rowsBottom());
    }
  } else if (v.chart.chartBottom > v.chart.chartTop) {
    a.rect.top = std::max<LONG>(a.rect.top, v.chart.chartTop);
    a.rect.bottom = std::min<LONG>(a.rect.bottom, v.chart.chartBottom);
  }
  if (a.rect.bottom <= a.rect.top) a.rect.bottom = a.rect.top + 1;
  if (a.rect.right <= a.rect.left) a.rect.right = a.rect.left + 1;
  return a;
}

void ApplyDragMark(ChildWindow& cw, DayNumber day) {
  DayEntryChange ch = SetDayEntryFor(*cw.doc, day, cw.markCommand, nullptr);
  if (ch.markChanged) InvalidateView(cw);
  if (ch.modified) UpdateToolbarStates();
}

// Before the chart has laid out its days a click cannot name one: the selection stays.
DayNumber ChartDayUnder(ChildWindow& cw, int x) {
  PersonDocument& doc = *cw.doc;
  const ChartGeometry& g = cw.view.chart;
  if (g.pixelsPerDay <= 0) return doc.selectedDay;
  return ClampSelectedDay(ChartDayAt(cw.view.firstDay, x - g.chart.left, g.pixelsPerDay), doc.header.Birthday());
}

// A chart click in the DayMark row of a writable document, on a day of the notes.
bool InMarkRow(ChildWindow& cw, int y, DayNumber day) {
  const ChartGeometry& g = cw.view.chart;
  return g.pixelsPerDay > 0 &&
         StartsMarkDrag(cw.doc->viewFlags, y, g.markRowTop, g.markRowBottom, NoteDayOffset(*cw.doc, day));
}

// The list selects the row under `pt`; a point past the last row counts as the last one.
void ListSelectAt(ChildWindow& cw, POINT pt) {
  PersonDocument& doc = *cw.doc;
  DragArea da = CurrentDragArea(cw);
  pt.y = std::clamp<LONG>(pt.y, da.rect.top, da.rect.bottom - 1);
  const DayNumber before = doc.selectedDay;
  CalendarClick(cw, pt);
  if (doc.selectedDay != before) ShowSelection(cw);
}

void StopDragTimer(ChildWindow& cw) {
  if (cw.timerRunning) KillTimer(cw.window, kDragTimer);
  cw.timerRunning = false;
  cw.scrollStep = 0;
}

void EndDrag(ChildWindow& cw) {
  StopDragTimer(cw);
  cw.doc->viewFlags &= ~kViewMarkDrag;
  cw.markDrag = false;
  cw.dragging = false;
  ClipCursor(nullptr);
}

void OnButtonDown(ChildWindow& cw, POINT pt, bool doubleClick, WPARAM keys) {
  App& app = TheApp();
  PersonDocument& doc = *cw.doc;
  SetFocus(cw.window);
  UpdateWindow(cw.window);
  const DayNumber previous = doc.selectedDay;
  const bool today = doubleClick || (keys & MK_CONTROL);
  if (IsList(doc)) {
    if (today)
      MoveSelection(cw.window, kMoveToday);
    else
      ListSelectAt(cw, pt);
  } else {
    const DayNumber day = ChartDayUnder(cw, pt.x);
    if (InMarkRow(cw, pt.y, day)) {
      cw.markDrag = true;
      doc.viewFlags |= kViewMarkDrag;
      cw.markCommand = DragMarkCommand(GetDayMarkOf(doc, day), (keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0);
      doc.selectedDay = day;
      ApplyDragMark(cw, day);
    } else {
      doc.selectedDay = today ? TodayUtc() : day;
    }
    doc.selectedDay = ClampSelectedDay(doc.selectedDay, doc.header.Birthday());
    SelectionChanged(cw.window, previous);
  }

  DragArea da = CurrentDragArea(cw);
  RECT clip = da.rect;
  const int frame = GetSystemMetrics(SM_CXFRAME);
  if (da.vertical) {
    clip.top -= frame;
    clip.bottom += frame;
  } else {
    clip.left -= frame;
    clip.right += frame;
  }
  MapWindowPoints(cw.window, nullptr, reinterpret_cast<POINT*>(&clip), 2);
  ClipCursor(&clip);
  SetCapture(cw.window);
  cw.dragging = true;
  const int cursor = cw.markDrag ? IDC_DRAG_MARK : (da.vertical ? IDC_DRAG_CALENDAR : IDC_DRAG_CHART);
  SetCursor(app.cursors[cursor - kFirstAppCursor]);
}

void OnDragMove(ChildWindow& cw, POINT pt) {
  PersonDocument& doc = *cw.doc;
  DragArea da = CurrentDragArea(cw);
  const int pos = da.vertical ? pt.y : pt.x;
  const DragSide side = da.vertical ? ClassifyDragPosition(pos, da.rect.top, da.rect.bottom)
                                    : ClassifyDragPosition(pos, da.rect.left, da.rect.right);
  if (side != DragSide::kInside) {
    cw.scrollStep = DragScrollStep(cw.view.visibleDays, cw.markDrag, side);
    if (!cw.timerRunning) {
      if (cw.markDrag && side == DragSide::kBefore) doc.selectedDay = cw.view.firstDay;
      cw.timerRunning = SetTimer(cw.window, kDragTimer, DragTimerInterval(cw.markDrag), nullptr) != 0;
    }
    return;
  }
  StopDragTimer(cw);
  if (da.vertical) {
    ListSelectAt(cw, pt);
    return;
  }
  const DayNumber day = ChartDayUnder(cw, pt.x);
  if (day == doc.selectedDay) return;
  const DayNumber previous = doc.selectedDay;
  doc.selectedDay = day;
  if (cw.markDrag) ApplyDragMark(cw, day);
  SelectionChanged(cw.window, previous);
}

void OnDragTimer(ChildWindow& cw) {
  PersonDocument& doc = *cw.doc;
  if (!cw.dragging || cw.scrollStep == 0) {
    StopDragTimer(cw);
    return;
  }
  doc.selectedDay = ClampSelectedDay(doc.selectedDay + cw.scrollStep, doc.header.Birthday());
  SelectionChanged(cw.window, -1);
  if (cw.markDrag) ApplyDragMark(cw, doc.selectedDay);
  if (!IsList(doc)) UpdateWindow(cw.window);
}

void OnButtonUp(ChildWindow& cw, POINT pt) {
  PersonDocument& doc = *cw.doc;
  const bool wasMarking = cw.markDrag;
  StopDragTimer(cw);
  const DayNumber previous = doc.selectedDay;
  if (IsList(doc)) {
    ListSelectAt(cw, pt);
  } else {
    RECT area = ViewArea(cw);
    pt.x = std::clamp<LONG>(pt.x, area.left, std::max(area.left, area.right - 1));
    doc.selectedDay = ChartDayUnder(cw, pt.x);
    if (wasMarking && doc.selectedDay != previous) ApplyDragMark(cw, doc.selectedDay);
  }
  EndDrag(cw);
  SelectionChanged(cw.window, previous);
  ReleaseCapture();
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

void ShowContextMenu(POINT screen) {
  App& app = TheApp();
  HMENU menu = LoadMenuA(app.library, MAKEINTRESOURCEA(IDR_CHILD_MENU));
  if (!menu) return;
  if (HMENU popup = GetSubMenu(menu, 0)) {
    // The same predicates as the toolbar: 7219 for the list, 7211..7213 for the chart.
    UpdateMenuStates(popup);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, app.frame, nullptr);
  }
  DestroyMenu(menu);
}

void OnRightButton(ChildWindow& cw, POINT pt) {
  PersonDocument& doc = *cw.doc;
  SetFocus(cw.window);
  POINT screen = pt;
  ClientToScreen(cw.window, &screen);
  if (!IsList(doc)) {
    const DayNumber day = ChartDayUnder(cw, pt.x);
    if (InMarkRow(cw, pt.y, day)) {
      const DayNumber previous = doc.selectedDay;
      doc.selectedDay = day;
      SelectionChanged(cw.window, previous);
      UpdateWindow(cw.window);
      if (ShowDayMarkPopup(cw.window, doc, screen)) {
        InvalidateView(cw);
        UpdateToolbarStates();
      }
      return;
    }
  }
  ShowContextMenu(screen);
}

void OnSize(ChildWindow& cw, WPARAM type) {
  App& app = TheApp();
  PersonDocument& doc = *cw.doc;
  const bool iconic = type == SIZE_MINIMIZED;
  const bool wasIconic = (doc.viewFlags & kViewWasIconic) != 0;
  const bool maximized = type == SIZE_MAXIMIZED;
  if ((!iconic && !wasIconic) || maximized) {
    app.newWindowStyle = maximized ? (WS_MAXIMIZE | WS_OVERLAPPEDWINDOW) : 0;
    doc.viewFlags |= kViewRecompute;
    InvalidateRect(cw.window, nullptr, TRUE);
    if (cw.dateBar) InvalidateRect(cw.dateBar, nullptr, TRUE);
    if (cw.valueLine) InvalidateRect(cw.valueLine, nullptr, TRUE);
    // The recommendation columns share the new width; the user's widths of the first
    // columns stay.
    if (IsList(doc) && !MakeListHeader(cw, true)) LayoutListHeader(cw);
  } else if (IsList(doc) && cw.listHeader) {
    InvalidateRect(cw.listHeader, nullptr, TRUE);
  }
  // The bar follows every size change that leaves the window visible, also a restore
  // from an icon to another size.
  if (!iconic) PlaceDateBar(cw.window);
  if (iconic)
    doc.viewFlags |= kViewWasIconic;
  else
    doc.viewFlags &= ~kViewWasIconic;
}

void OnPaint(ChildWindow& cw) {
  App& app = TheApp();
  if (cw.painting) {
    ValidateRect(cw.window, nullptr);
    return;
  }
  cw.painting = true;
  PersonDocument& doc = *cw.doc;
  // Special ranges span the whole chart: a partial repaint would cut them.
  if (!IsList(doc) && (doc.viewFlags & kViewSpecialRanges)) InvalidateRect(cw.window, nullptr, FALSE);
  HCURSOR old = SetCursor(app.waitCursor);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(cw.window, &ps);
  HPALETTE oldPal = nullptr;
  if (app.palette) {
    oldPal = SelectPalette(dc, app.palette, FALSE);
    RealizePalette(dc);
  }
  RECT area = ViewArea(cw);
  bool finished = true;
  if (area.bottom > area.top) finished = IsList(doc) ? PaintCalendarScreen(cw, dc, area) : PaintChartScreen(cw, dc, area);
  if (oldPal) SelectPalette(dc, oldPal, FALSE);
  EndPaint(cw.window, &ps);
  SetCursor(old);
  cw.painting = false;
  // A paint that gave way to input tries again once after a pause; invalidating now would
  // paint again at once, over and over, for as long as a control holds the mouse.
  if (!finished && !cw.view.paintLater) {
    cw.view.paintLater = SetTimer(cw.window, kPaintTimer, kPaintLaterMs, nullptr) != 0;
    if (!cw.view.paintLater) InvalidateRect(cw.window, &area, FALSE);
  }
}

void OnPaintTimer(ChildWindow& cw) {
  KillTimer(cw.window, kPaintTimer);
  cw.view.paintLater = false;
  InvalidateView(cw);
}

bool OnKeyDown(ChildWindow& cw, WPARAM vk) {
  const std::optional<MoveCode> code = KeyMoveCode(vk);
  if (!code) return false;
  MoveSelection(cw.window, *code);
  return true;
}

}  // namespace

ChildWindow* ChildOf(HWND child) {
  return child ? reinterpret_cast<ChildWindow*>(GetWindowLongPtrA(child, 0)) : nullptr;
}

PersonDocument* ChildDocument(HWND child) {
  ChildWindow* cw = ChildOf(child);
  return cw ? cw->doc.get() : nullptr;
}

PersonDocument* ActiveDocument() { return ChildDocument(ActiveChild()); }

bool ActiveChildShowsCalendar() {
  PersonDocument* d = ActiveDocument();
  return d && IsList(*d);
}

HWND CreatePersonWindow(std::unique_ptr<PersonDocument> doc) {
  App& app = TheApp();
  std::string title = doc->header.Name();
  RECT client{};
  GetClientRect(app.mdiClient, &client);
  MDICREATESTRUCTA mcs = {};
  mcs.szClass = kChildClass;
  mcs.szTitle = title.c_str();
  mcs.hOwner = app.instance;
  // At the top left with the client's width; the height is the system's choice.
  mcs.x = 0;
  mcs.y = 0;
  mcs.cx = client.right > 0 ? client.right : CW_USEDEFAULT;
  mcs.cy = CW_USEDEFAULT;
  mcs.style = app.newWindowStyle | WS_CLIPCHILDREN;
  g_pendingDoc = doc.release();
  HWND w = reinterpret_cast<HWND>(SendMessageA(app.mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  delete g_pendingDoc;  // not taken: the window was never made
  g_pendingDoc = nullptr;
  if (w && !CreateChildControls(w, true)) {
    // The caller reports the window that could not be made: one message, not two.
    SendMessageA(app.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(w), 0);
    return nullptr;
  }
  return w;
}

void RepaintChildWindows() {
  for (HWND c = FirstChild(); c; c = NextChild(c)) {
    InvalidateRect(c, nullptr, TRUE);
    if (ChildWindow* cw = ChildOf(c); cw && cw->valueLine) InvalidateRect(cw->valueLine, nullptr, TRUE);
  }
}

void SelectionChanged(HWND child, DayNumber previous) {
  ChildWindow* cw = ChildOf(child);
  if (!cw) return;
  PersonDocument& doc = *cw->doc;
  ViewState& v = cw->view;
  doc.selectedDay = ClampSelectedDay(doc.selectedDay, doc.header.Birthday());
  if (previous == -1) {
    // Everything is computed again, the side panel too (the person's data may have changed).
    doc.viewFlags |= kViewRecompute;
    doc.listPosition = 0;
    ShowSelectedDate(*cw);
    if (cw->valueLine) InvalidateRect(cw->valueLine, nullptr, TRUE);
    RebuildSidePanelSummary();
  } else {
    ShowSelection(*cw);
    if (!IsList(doc)) {
      ChartFollowSelection(*cw);
      return;
    }
    v.firstDay = FollowListSelection(v.rows, v.firstDay, doc.selectedDay, (doc.viewFlags & kViewFilteredList) != 0);
  }
  InvalidateView(*cw);
}

void MoveSelection(HWND child, MoveCode code, DayNumber day) {
  ChildWindow* cw = ChildOf(child);
  if (!cw) return;
  if (IsList(*cw->doc))
    NavigateList(*cw, code, day);
  else
    MoveGeneric(*cw, code, day);
}

bool AskSaveChild(HWND child) {
  App& app = TheApp();
  PersonDocument* doc = ChildDocument(child);
  if (!doc || !doc->IsModified()) return true;
  std::string name = doc->header.Name();
  int answer = ShowMessage(MB_YESNOCANCEL | MB_ICONQUESTION, TWM_SAVE_CHANGES, {name});
  if (answer == IDCANCEL) return false;
  if (answer == IDNO) {
    doc->viewFlags &= ~kViewModified;
    return true;
  }
  if (ActiveChild() != child) SendMessageA(app.mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
  SendMessageA(app.frame, WM_COMMAND, IDM_FILE_SAVE, 0);
  // A save that failed or was cancelled keeps the window, so the changes are not lost.
  return !doc->IsModified();
}

namespace {

POINT PointOf(LPARAM lp) { return {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }

LRESULT OnCreate(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* created = new ChildWindow;
  created->doc.reset(g_pendingDoc);
  g_pendingDoc = nullptr;
  if (!created->doc) created->doc = std::make_unique<PersonDocument>();
  created->window = wnd;
  SetWindowLongPtrA(wnd, 0, reinterpret_cast<LONG_PTR>(created));
  return DefMDIChildProcA(wnd, msg, wp, lp);
}

LRESULT OnNcDestroy(HWND wnd, ChildWindow* cw, UINT msg, WPARAM wp, LPARAM lp) {
  SetWindowLongPtrA(wnd, 0, 0);
  delete cw;
  return DefMDIChildProcA(wnd, msg, wp, lp);
}

void OnTimer(ChildWindow& cw, WPARAM id) {
  if (id == kDragTimer)
    OnDragTimer(cw);
  else if (id == kPaintTimer)
    OnPaintTimer(cw);
}

void OnMinMaxInfo(MINMAXINFO* mm) {
  mm->ptMinTrackSize.x = 16 * GetSystemMetrics(SM_CXSIZE) + 2 * GetSystemMetrics(SM_CXFRAME);
  mm->ptMinTrackSize.y = 12 * GetSystemMetrics(SM_CYSIZE) + 2 * GetSystemMetrics(SM_CYFRAME);
}

void OnCaptureChanged(ChildWindow& cw, HWND to) {
  if (!cw.dragging || to == cw.window) return;
  EndDrag(cw);
  SelectionChanged(cw.window, cw.doc->selectedDay);
}

void OnMdiActivate(ChildWindow& cw, HWND deactivated, HWND activated) {
  App& app = TheApp();
  if (activated == cw.window) {
    app.activeChild = cw.window;
    if (!IsList(*cw.doc) && (cw.doc->viewFlags & kViewSpecialRanges)) InvalidateRect(cw.window, nullptr, FALSE);
    LoadConditionCombo(false);
    UpdateToolbarStates();
  } else if (deactivated == cw.window && app.activeChild == cw.window && !activated) {
    app.activeChild = nullptr;
  }
}

// False when the user keeps the window.
bool OnClose(ChildWindow& cw) {
  KillTimer(cw.window, kPaintTimer);
  return !IsWindowVisible(cw.window) || AskSaveChild(cw.window);
}

void OnDestroy(ChildWindow& cw) {
  App& app = TheApp();
  KillTimer(cw.window, kPaintTimer);
  if (cw.dragging) {
    EndDrag(cw);
    ReleaseCapture();
  }
  if (app.activeChild == cw.window) app.activeChild = nullptr;
  if (!app.closing && app.frame) DragAcceptFiles(app.frame, TRUE);
}

}  // namespace

LRESULT CALLBACK ChildWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  ChildWindow* cw = ChildOf(wnd);
  if (msg == WM_CREATE) return OnCreate(wnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) return OnNcDestroy(wnd, cw, msg, wp, lp);
  if (!cw) return DefMDIChildProcA(wnd, msg, wp, lp);

  switch (msg) {
    case WM_KEYDOWN:
      if (OnKeyDown(*cw, wp)) return 0;
      break;
    case WM_SIZE: {
      LRESULT r = DefMDIChildProcA(wnd, msg, wp, lp);
      OnSize(*cw, wp);
      return r;
    }
    case WM_PAINT:
      OnPaint(*cw);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER:
      OnTimer(*cw, wp);
      return 0;
    case WM_GETMINMAXINFO: {
      LRESULT r = DefMDIChildProcA(wnd, msg, wp, lp);
      OnMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lp));
      return r;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(*cw, PointOf(lp), msg == WM_LBUTTONDBLCLK, wp);
      return 0;
    case WM_MOUSEMOVE:
      if (cw->dragging && (wp & MK_LBUTTON)) OnDragMove(*cw, PointOf(lp));
      return 0;
    case WM_LBUTTONUP:
      if (cw->dragging) OnButtonUp(*cw, PointOf(lp));
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureChanged(*cw, reinterpret_cast<HWND>(lp));
      return 0;
    case WM_RBUTTONDOWN:
      OnRightButton(*cw, PointOf(lp));
      return 0;
    case WM_MDIACTIVATE:
      OnMdiActivate(*cw, reinterpret_cast<HWND>(wp), reinterpret_cast<HWND>(lp));
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (HandleHeaderNotify(*cw, reinterpret_cast<NMHDR*>(lp), &result)) return result;
      break;
    }
    case WM_SETCURSOR:
      if (!HelpModeOn()) break;
      SetCursor(HelpModeCursor());
      return TRUE;
    case WM_QUERYENDSESSION:
      return AskSaveChild(wnd) ? TRUE : FALSE;
    case WM_CLOSE:
      if (!OnClose(*cw)) return 0;
      break;
    case WM_DESTROY:
      OnDestroy(*cw);
      break;
  }
  return DefMDIChildProcA(wnd, msg, wp, lp);
}

}  // namespace tw
