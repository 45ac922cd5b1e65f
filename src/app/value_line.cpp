// The ValueLine "OrvStatusText": the average and the rhythm values of the selected day,
// each rhythm in its colour.
#include <algorithm>
#include <vector>

#include "app/app.h"
#include "app/child_window.h"
#include "bio/rhythm.h"
#include "views/child_layout.h"

namespace tw {

namespace {

COLORREF TableColour(HDC dc, int index) {
  if (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) return PALETTEINDEX(index);
  uint32_t c = TheApp().settings.colours.entry[index];
  return RGB(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void PaintValueLine(HWND wnd, ChildWindow* cw) {
  App& app = TheApp();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  RECT r;
  GetClientRect(wnd, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  HPALETTE oldPal = nullptr;
  if (app.palette) {
    oldPal = SelectPalette(dc, app.palette, FALSE);
    RealizePalette(dc);
  }
  // Sunken border: grey above and left, white below and right.
  HPEN grey = CreatePen(PS_SOLID, 1, TableColour(dc, 5));
  HGDIOBJ oldPen = SelectObject(dc, grey);
  MoveToEx(dc, 0, r.bottom - 1, nullptr);
  LineTo(dc, 0, 0);
  LineTo(dc, r.right, 0);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  MoveToEx(dc, 1, r.bottom - 1, nullptr);
  LineTo(dc, r.right - 1, r.bottom - 1);
  LineTo(dc, r.right - 1, 0);
  SelectObject(dc, oldPen);
  DeleteObject(grey);

  if (cw && cw->doc) {
    const PersonDocument& doc = *cw->doc;
    HGDIOBJ oldFont = SelectObject(dc, app.displayFont);
    SetBkMode(dc, TRANSPARENT);
    auto entries = BuildValueLine(doc.header.Birthday(), doc.selectedDay, doc.viewFlags, CurrentRhythmLabels(),
                                  LoadLibString(TWM_AVERAGE_VALUE));
    std::vector<int> widths;
    int lineHeight = 0;
    for (const auto& e : entries) {
      SIZE sz = {};
      GetTextExtentPoint32A(dc, e.text.c_str(), static_cast<int>(e.text.size()), &sz);
      widths.push_back(sz.cx);
      lineHeight = std::max<int>(lineHeight, sz.cy);
    }
    auto pos = LayoutValueLine(widths, lineHeight);
    for (size_t i = 0; i < entries.size(); ++i) {
      const auto& e = entries[i];
      SetTextColor(dc, e.rhythm < 0 ? GetSysColor(COLOR_BTNTEXT) : TableColour(dc, kRhythmColorBase + e.rhythm));
      TextOutA(dc, pos[i].x, pos[i].y, e.text.c_str(), static_cast<int>(e.text.size()));
    }
    SelectObject(dc, oldFont);
  }
  if (oldPal) SelectPalette(dc, oldPal, FALSE);
  EndPaint(wnd, &ps);
}

}  // namespace

LRESULT CALLBACK ValueLineWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      PaintValueLine(wnd, reinterpret_cast<ChildWindow*>(GetWindowLongPtrA(wnd, 0)));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      // A click commits the date like a click on the DateBar itself.
      SendMessageA(GetParent(wnd), WM_LBUTTONDOWN, wp, lp);
      return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace tw
