#include "app/side_panel.h"

#include "app/app.h"

namespace tw {

namespace {

INT_PTR CALLBACK SidePanelProc(HWND dlg, UINT msg, WPARAM, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      return FALSE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(TheApp().dialogBrush);
  }
  (void)dlg;
  return FALSE;
}

}  // namespace

void CreateSidePanel(HWND frame) {
  App& app = TheApp();
  app.sidePanel = CreateDialogParamA(app.instance, MAKEINTRESOURCEA(63), frame, SidePanelProc, 0);
  if (!app.sidePanel) return;
  for (int id : {2301, 2303, 2302, 2305})
    SendDlgItemMessageA(app.sidePanel, id, WM_SETFONT, reinterpret_cast<WPARAM>(app.displayFont), FALSE);
  SendDlgItemMessageA(app.sidePanel, 2306, WM_SETFONT, reinterpret_cast<WPARAM>(app.symbolFont), FALSE);
  ShowWindow(app.sidePanel, SW_SHOW);
}

void RefreshSidePanel() {}

}  // namespace tw
