// Spin button "TwScroll": a narrow up/down control beside number and date fields.
//
// Creating one: a child window of class "TwScroll" with its own control id, e.g. in a
// dialog template
//     CONTROL "", IDC_PERSON_YEAR_SPIN, "TwScroll", WS_CHILD | WS_VISIBLE, x, y, 9, 14
// or CreateWindowExA(0, kSpinClass, "", WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
// (HMENU)id, instance, nullptr). It needs no other set-up and keeps no value of its own.
//
// Notifications: WM_VSCROLL to the parent, lParam = the spin button's window (take its
// control id with GetDlgCtrlID), LOWORD(wParam) =
//     SB_LINEUP        upper half pressed: once at once, after 200 ms, then every 60 ms
//     SB_LINEDOWN      lower half, the same
//     SB_THUMBPOSITION drag from the middle line; (short)HIWORD(wParam) = pixels dragged
//                      since the last message, upward positive
// A receiver turns these into a step with SpinStep (core/spin_logic.h): +1, -1 or the
// signed distance, and keeps its value in range with SpinApply.
#include "app/app.h"
#include "core/spin_logic.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr int kStateWord = 0;  // 16-bit state bits
constexpr int kLastYWord = 2;  // 16-bit last vertical mouse position of a drag
constexpr UINT_PTR kTimerId = 1;

uint16_t State(HWND w) { return static_cast<uint16_t>(GetWindowWord(w, kStateWord)); }

void Notify(HWND w, int code, int distance) {
  HWND parent = GetParent(w);
  if (!parent) return;
  WPARAM wp = MAKEWPARAM(code, static_cast<WORD>(static_cast<short>(distance)));
  SendMessageA(parent, WM_VSCROLL, wp, reinterpret_cast<LPARAM>(w));
}

void Carry(HWND w, const SpinAction& a) {
  // The state is stored before notifying: the parent may pump messages or destroy us.
  SetWindowWord(w, kStateWord, a.state);
  if (a.stopTimer) KillTimer(w, kTimerId);
  if (a.timerMs) SetTimer(w, kTimerId, a.timerMs, nullptr);
  if (a.capture) SetCapture(w);
  if (a.release && GetCapture() == w) ReleaseCapture();
  if (a.repaint) InvalidateRect(w, nullptr, FALSE);
  if (a.notify != kSpinNone) Notify(w, a.notify, a.distance);
}

void DrawHalf(HDC dc, RECT r, bool pressed, bool up) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  FillRect(dc, &r, face);
  HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
  HPEN dark = CreatePen(PS_SOLID, 1, GetSysColor(pressed ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
  HGDIOBJ old = SelectObject(dc, light);
  MoveToEx(dc, r.left, r.bottom - 1, nullptr);
  LineTo(dc, r.left, r.top);
  LineTo(dc, r.right - 1, r.top);
  SelectObject(dc, pressed ? light : dark);
  if (!pressed) {
    MoveToEx(dc, r.right - 1, r.top, nullptr);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left - 1, r.bottom - 1);
  }
  SelectObject(dc, old);
  DeleteObject(light);
  DeleteObject(dark);

  // Triangle in the middle, shifted by a pixel while pressed.
  int shift = pressed ? 1 : 0;
  int w = r.right - r.left, h = r.bottom - r.top;
  int half = (w - 4) / 2;
  if (half > (h - 3)) half = h - 3;
  if (half < 1) half = 1;
  int cx = r.left + w / 2 + shift - (w % 2 == 0 ? 1 : 0);
  int cy = r.top + h / 2 + shift;
  POINT pts[3];
  if (up) {
    int top = cy - half / 2 - 1;
    pts[0] = {cx, top};
    pts[1] = {cx - half, top + half};
    pts[2] = {cx + half, top + half};
  } else {
    int bottom = cy + half / 2;
    pts[0] = {cx, bottom};
    pts[1] = {cx - half, bottom - half};
    pts[2] = {cx + half, bottom - half};
  }
  HBRUSH text = GetSysColorBrush(COLOR_BTNTEXT);
  HPEN textPen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ ob = SelectObject(dc, text);
  HGDIOBJ op = SelectObject(dc, textPen);
  Polygon(dc, pts, 3);
  SelectObject(dc, ob);
  SelectObject(dc, op);
  DeleteObject(textPen);
}

void Paint(HWND w) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w, &ps);
  RECT c;
  GetClientRect(w, &c);
  FillRect(dc, &c, GetSysColorBrush(COLOR_BTNFACE));
  uint16_t s = State(w);
  bool dragging = (s & kSpinDragging) == kSpinDragging;
  int mid = c.bottom / 2;
  RECT upper = {c.left, c.top, c.right, mid};
  RECT lower = {c.left, mid, c.right, c.bottom};
  DrawHalf(dc, upper, !dragging && (s & kSpinUpPressed), true);
  DrawHalf(dc, lower, !dragging && (s & kSpinDownPressed), false);
  EndPaint(w, &ps);
}

int ClientHeight(HWND w) {
  RECT c;
  GetClientRect(w, &c);
  return c.bottom;
}

void OnButtonDown(HWND w, LPARAM lp) {
  int y = static_cast<short>(HIWORD(lp));
  SetWindowWord(w, kLastYWord, static_cast<WORD>(static_cast<short>(y)));
  Carry(w, SpinButtonDown(State(w), y, ClientHeight(w)));
}

void OnMouseMove(HWND w, LPARAM lp) {
  int y = static_cast<short>(HIWORD(lp));
  int last = static_cast<short>(GetWindowWord(w, kLastYWord));
  SpinAction a = SpinMouseMove(State(w), last, y);
  if (a.notify != kSpinNone) SetWindowWord(w, kLastYWord, static_cast<WORD>(static_cast<short>(y)));
  Carry(w, a);
}

void OnSetCursor(HWND w) {
  POINT pt;
  GetCursorPos(&pt);
  ScreenToClient(w, &pt);
  bool dragging = (State(w) & kSpinDragging) == kSpinDragging && (State(w) & kSpinButtonHeld);
  HCURSOR drag = TheApp().cursors[IDC_SPIN_DRAG - kFirstAppCursor];
  if ((dragging || SpinOnMiddleLine(pt.y, ClientHeight(w))) && drag)
    SetCursor(drag);
  else
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

}  // namespace

LRESULT CALLBACK SpinWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      SetWindowWord(wnd, kStateWord, 0);
      SetWindowWord(wnd, kLastYWord, 0);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(wnd, lp);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wnd, lp);
      return 0;
    case WM_LBUTTONUP:
      Carry(wnd, SpinButtonUp(State(wnd)));
      return 0;
    case WM_CAPTURECHANGED:
      // Losing the mouse (a message box, another window) ends a press like a release.
      if (reinterpret_cast<HWND>(lp) != wnd && (State(wnd) & kSpinButtonHeld)) Carry(wnd, SpinButtonUp(State(wnd)));
      return 0;
    case WM_TIMER:
      if (wp == kTimerId) Carry(wnd, SpinTimerTick(State(wnd)));
      return 0;
    case WM_SETCURSOR:
      OnSetCursor(wnd);
      return TRUE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(wnd);
      return 0;
    case WM_DESTROY:
      KillTimer(wnd, kTimerId);
      if (GetCapture() == wnd) ReleaseCapture();
      return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace tw
