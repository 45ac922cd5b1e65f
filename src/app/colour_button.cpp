#include "app/colour_button.h"

#include <cstdlib>

#include "app/app.h"

namespace tw {

COLORREF ColourOfCaption(const char* caption, int* paletteIndex) {
  if (paletteIndex) *paletteIndex = -1;
  const int n = caption ? std::atoi(caption) : 0;
  if (n < 0) {
    const int k = -n;
    const int entry = k < 10 ? k + 12 : k - 1;
    if (entry >= 0 && entry < kColourCount) {
      if (paletteIndex) *paletteIndex = entry;
      return static_cast<COLORREF>(TheApp().settings.colours.entry[entry]);
    }
    return RGB(0, 0, 0);
  }
  switch (n) {
    case 1:
      return RGB(255, 0, 0);
    case 2:
      return RGB(0, 255, 0);
    case 3:
      return RGB(0, 0, 255);
  }
  return RGB(0, 0, 0);
}

void DrawColourButton(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  RECT inner = r;
  InflateRect(&inner, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  const int w = (inner.right - inner.left) / 3, h = (inner.bottom - inner.top) / 3;
  const int cx = (inner.left + inner.right) / 2, cy = (inner.top + inner.bottom) / 2;
  RECT swatch = {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h};
  if (pressed) OffsetRect(&swatch, 1, 1);
  char caption[8] = {};
  GetWindowTextA(item.hwndItem, caption, sizeof caption);
  int index = -1;
  COLORREF colour = ColourOfCaption(caption, &index);
  HPALETTE palette = TheApp().palette;
  HPALETTE old = nullptr;
  if (index >= 0 && palette && (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)) {
    old = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
    colour = PALETTEINDEX(index);
  }
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &swatch, brush);
  DeleteObject(brush);
  FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (old) SelectPalette(dc, old, FALSE);
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&inner, -1, -1);
    DrawFocusRect(dc, &inner);
  }
}

}  // namespace tw
