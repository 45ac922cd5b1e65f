// Splitter bar "OrvResize": the user drags it to move the border between two panes.
//
// Window words (pointer-sized), set by the owner whenever it places the bar:
//     0                     orientation: 0 a vertical bar moving left and right, else a
//                           horizontal bar moving up and down
//     sizeof(LONG_PTR)      lowest position of the bar's moving edge (left or top), in
//                           the parent's client coordinates
//     2 * sizeof(LONG_PTR)  range in pixels through which that edge may move
// After a drag the bar moves itself and posts kMsgFrameSplitterMoved to its parent when it
// is the frame's splitter, kMsgOtherSplitterMoved for any other; the parent reads the
// bar's new place and lays out.
#include "app/app.h"
#include "app/frame.h"
#include "core/spin_logic.h"
#include "tw_ids.h"

namespace tw {

namespace {

// Only one bar can hold the mouse at a time, so one drag record serves all of them.
struct Drag {
  HWND bar = nullptr;
  SplitterLimits limits;
  SplitterRect start;  // the bar in the parent's client coordinates
  POINT grab = {};     // mouse at button down, same coordinates
  RECT shown = {};     // feedback on the screen
  bool visible = false;
};
Drag g_drag;

SplitterLimits Limits(HWND w) {
  SplitterLimits l;
  l.horizontal = GetWindowLongPtrA(w, 0) != 0;
  l.lowest = static_cast<int>(GetWindowLongPtrA(w, sizeof(LONG_PTR)));
  l.range = static_cast<int>(GetWindowLongPtrA(w, 2 * sizeof(LONG_PTR)));
  return l;
}

SplitterRect BarInParent(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

// Inverts `r` (screen coordinates) with a checkerboard, so a second call restores it.
void Invert(const RECT& r) {
  HDC dc = GetDC(nullptr);
  if (!dc) return;
  static const WORD kPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  HBITMAP bits = CreateBitmap(8, 8, 1, 1, kPattern);
  HBRUSH brush = bits ? CreatePatternBrush(bits) : nullptr;
  if (brush) {
    HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATINVERT);
    SelectObject(dc, old);
    DeleteObject(brush);
  } else {
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, DSTINVERT);
  }
  if (bits) DeleteObject(bits);
  ReleaseDC(nullptr, dc);
}

RECT ToScreen(HWND parent, const SplitterRect& r) {
  RECT s = {r.left, r.top, r.right, r.bottom};
  MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&s), 2);
  return s;
}

void ShowFeedback(const RECT& r) {
  if (g_drag.visible) Invert(g_drag.shown);
  g_drag.shown = r;
  g_drag.visible = true;
  Invert(r);
}

void HideFeedback() {
  if (g_drag.visible) Invert(g_drag.shown);
  g_drag.visible = false;
}

POINT MouseInParent(HWND w, LPARAM lp) {
  POINT p = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  MapWindowPoints(w, GetParent(w), &p, 1);
  return p;
}

void BeginDrag(HWND w, LPARAM lp) {
  HWND parent = GetParent(w);
  g_drag = Drag();
  g_drag.bar = w;
  g_drag.limits = Limits(w);
  g_drag.start = BarInParent(w);
  g_drag.grab = MouseInParent(w, lp);
  SplitterRect band = SplitterCursorBand(g_drag.limits, g_drag.start, g_drag.grab.x, g_drag.grab.y);
  RECT clip = ToScreen(parent, band);
  ClipCursor(&clip);
  SetCapture(w);
  ShowFeedback(ToScreen(parent, g_drag.start));
}

SplitterRect DragRectAt(HWND w, LPARAM lp) {
  POINT p = MouseInParent(w, lp);
  return SplitterDragRect(g_drag.limits, g_drag.start, g_drag.grab.x, g_drag.grab.y, p.x, p.y);
}

// Ends a drag; `commit` moves the bar and tells the parent.
void EndDrag(HWND w, LPARAM lp, bool commit) {
  if (g_drag.bar != w) return;
  SplitterRect r = commit ? DragRectAt(w, lp) : g_drag.start;
  HideFeedback();
  ClipCursor(nullptr);
  g_drag.bar = nullptr;
  if (GetCapture() == w) ReleaseCapture();
  if (!commit) return;
  HWND parent = GetParent(w);
  MoveWindow(w, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  UINT note = (w == TheApp().splitter) ? kMsgFrameSplitterMoved : kMsgOtherSplitterMoved;
  PostMessageA(parent, note, 0, 0);
}

void OnSetCursor(HWND w) {
  App& app = TheApp();
  const int id = GetWindowLongPtrA(w, 0) ? IDC_SPLIT_HORIZONTAL : IDC_SPLIT_VERTICAL;
  HCURSOR c = app.cursors[id - kFirstAppCursor];
  SetCursor(c ? c : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

void OnPaint(HWND w) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w, &ps);
  RECT c;
  GetClientRect(w, &c);
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ op = SelectObject(dc, pen);
  HGDIOBJ ob = SelectObject(dc, GetSysColorBrush(COLOR_BTNFACE));
  Rectangle(dc, c.left, c.top, c.right, c.bottom);
  SelectObject(dc, ob);
  SelectObject(dc, op);
  DeleteObject(pen);
  EndPaint(w, &ps);
}

}  // namespace

LRESULT CALLBACK SplitterWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      BeginDrag(wnd, lp);
      return 0;
    case WM_MOUSEMOVE:
      if (g_drag.bar == wnd) ShowFeedback(ToScreen(GetParent(wnd), DragRectAt(wnd, lp)));
      return 0;
    case WM_LBUTTONUP:
      EndDrag(wnd, lp, true);
      return 0;
    case WM_CAPTURECHANGED:
      // Someone else took the mouse: drop the drag and leave the bar where it was.
      if (g_drag.bar == wnd && reinterpret_cast<HWND>(lp) != wnd) EndDrag(wnd, 0, false);
      return 0;
    case WM_SETCURSOR:
      OnSetCursor(wnd);
      return TRUE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint(wnd);
      return 0;
    case WM_DESTROY:
      if (g_drag.bar == wnd) EndDrag(wnd, 0, false);
      return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace tw
