// The DateBar "OrvStatus" at the bottom of a person window: the date edit with its spin
// buttons and scroll bar, the ValueLine and the rhythm combo.
#include <optional>

#include "app/app.h"
#include "app/child.h"
#include "app/child_window.h"
#include "calendar/date_step.h"
#include "views/child_layout.h"

namespace tw {

namespace {

void OnPaint(HWND wnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  RECT r;
  GetClientRect(wnd, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ old = SelectObject(dc, shadow);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, r.right, 0);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  MoveToEx(dc, 0, 1, nullptr);
  LineTo(dc, r.right, 1);
  SelectObject(dc, old);
  DeleteObject(shadow);
  EndPaint(wnd, &ps);
}

void OnSpin(ChildWindow& cw, HWND spin, WPARAM wp) {
  const int button = GetDlgCtrlID(spin) - kFirstSpinId;
  if (button < 0 || button > 2) return;
  const int amount = SpinStepAmount(LOWORD(wp), static_cast<short>(HIWORD(wp)));
  if (amount == 0) return;
  const int unit = SpinStepUnit(TheApp().locale.dateOrder, button);
  MoveSelection(cw.window, kMoveGiven, StepDay(cw.doc->selectedDay, unit, amount));
}

void OnScrollBar(ChildWindow& cw, WPARAM wp) {
  const std::optional<MoveCode> code = ScrollBarMoveCode(LOWORD(wp));
  if (!code) return;
  // A date typed but not yet committed is where the step starts.
  char text[58];
  GetWindowTextA(cw.dateEdit, text, sizeof text);
  cw.doc->selectedDay = CommitTypedDate(text, TheApp().locale, cw.doc->header.Birthday());
  MoveSelection(cw.window, *code);
  SetScrollPos(cw.scrollBar, SB_CTL, 50, TRUE);
}

// The rhythm combo's choice and the date edit losing the focus; true when handled.
bool OnCommand(ChildWindow& cw, int id, int code) {
  if (id == kRhythmComboId && code == CBN_SELCHANGE) {
    LRESULT sel = SendMessageA(cw.rhythmCombo, CB_GETCURSEL, 0, 0);
    if (sel >= 0) cw.doc->highlightChoice = static_cast<int32_t>(sel);
    InvalidateRect(cw.window, nullptr, FALSE);
    return true;
  }
  if (id == kDateEditId && code == EN_KILLFOCUS) {
    CommitDateEdit(cw);
    return true;
  }
  return false;
}

}  // namespace

LRESULT CALLBACK DateBarWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  ChildWindow* cw = ChildOfDateBar(wnd);
  switch (msg) {
    case WM_PAINT:
      OnPaint(wnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_VSCROLL:
      if (cw && lp) OnSpin(*cw, reinterpret_cast<HWND>(lp), wp);
      return 0;
    case WM_HSCROLL:
      if (cw && cw->scrollBar && reinterpret_cast<HWND>(lp) == cw->scrollBar) OnScrollBar(*cw, wp);
      return 0;
    case WM_COMMAND:
      if (cw && OnCommand(*cw, LOWORD(wp), HIWORD(wp))) return 0;
      break;
    case WM_LBUTTONDOWN:
      if (cw) CommitDateEdit(*cw);
      return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace tw
