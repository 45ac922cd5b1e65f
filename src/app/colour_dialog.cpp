// The system colour dialog on the program's template 84: the hook centres it, limits the six
// number fields to three characters and moves them with the spin beside each.
#include "app/app.h"

#include <colordlg.h>
#include <commdlg.h>
#include <dlgs.h>

#include "app/colour_button.h"
#include "app/help.h"
#include "core/spin_logic.h"
#include "dialogs/conditions_dialog_ids.h"

namespace tw {

namespace {

struct NumberField {
  int edit;
  int max;
};
// In the order of the spins IDC_COLOUR_SPIN_FIRST + i.
constexpr NumberField kFields[] = {
    {COLOR_HUE, 239}, {COLOR_SAT, 240}, {COLOR_LUM, 240}, {COLOR_RED, 255}, {COLOR_GREEN, 255}, {COLOR_BLUE, 255},
};
constexpr int kFieldCount = sizeof kFields / sizeof kFields[0];

void Centre(HWND dlg) {
  RECT r, area;
  GetWindowRect(dlg, &r);
  HWND owner = GetWindow(dlg, GW_OWNER);
  if (owner)
    GetWindowRect(owner, &area);
  else
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int w = r.right - r.left, h = r.bottom - r.top;
  int x = (area.left + area.right - w) / 2, y = (area.top + area.bottom - h) / 2;
  RECT screen;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
  if (x + w > screen.right) x = screen.right - w;
  if (y + h > screen.bottom) y = screen.bottom - h;
  if (x < screen.left) x = screen.left;
  if (y < screen.top) y = screen.top;
  SetWindowPos(dlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A spin right of the number field, as high as the field.
void AddSpin(HWND dlg, int i) {
  HWND edit = GetDlgItem(dlg, kFields[i].edit);
  if (!edit) return;
  RECT r;
  GetWindowRect(edit, &r);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
  RECT unit = {0, 0, 8, 1};
  MapDialogRect(dlg, &unit);
  CreateWindowExA(0, kSpinClass, "", WS_CHILD | WS_VISIBLE, r.right + 1, r.top, unit.right, r.bottom - r.top, dlg,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_COLOUR_SPIN_FIRST + i)), TheApp().instance, nullptr);
}

void OnSpin(HWND dlg, HWND spin, WPARAM wp) {
  const int i = GetDlgCtrlID(spin) - IDC_COLOUR_SPIN_FIRST;
  if (i < 0 || i >= kFieldCount) return;
  const int step = SpinStep(LOWORD(wp), static_cast<int16_t>(HIWORD(wp)));
  const int value = static_cast<int>(GetDlgItemInt(dlg, kFields[i].edit, nullptr, FALSE));
  // Setting the text makes the dialog follow as if it had been typed.
  SetDlgItemInt(dlg, kFields[i].edit, static_cast<UINT>(SpinApply(value, step, 0, kFields[i].max)), FALSE);
}

UINT_PTR CALLBACK ColourHook(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      Centre(dlg);
      for (int i = 0; i < kFieldCount; ++i) {
        SendDlgItemMessageA(dlg, kFields[i].edit, EM_LIMITTEXT, 3, 0);
        AddSpin(dlg, i);
      }
      return TRUE;
    case WM_VSCROLL:
      if (lp) {
        OnSpin(dlg, reinterpret_cast<HWND>(lp), wp);
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wp) == pshHelp) {
        OpenHelp(HelpRequest::Context, HID_COLOUR_DIALOG);
        return TRUE;
      }
      break;
    case WM_HELP:
      OpenHelp(HelpRequest::Context, HID_COLOUR_DIALOG);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

bool RunColourDialog(HWND owner, COLORREF& colour, COLORREF* custom) {
  App& app = TheApp();
  static COLORREF kept[16] = {};
  CHOOSECOLORA cc = {};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.hInstance = reinterpret_cast<HWND>(app.instance);
  cc.rgbResult = colour;
  cc.lpCustColors = custom ? custom : kept;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN | CC_SHOWHELP | CC_ENABLEHOOK | CC_ENABLETEMPLATE;
  cc.lpfnHook = ColourHook;
  cc.lpTemplateName = MAKEINTRESOURCEA(IDD_COLOUR);
  BOOL ok = ChooseColorA(&cc);
  DWORD error = ok ? 0 : CommDlgExtendedError();
  if (!ok && error) {
    // Without the template and hook the dialog still lets the user choose.
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    cc.lpfnHook = nullptr;
    cc.lpTemplateName = nullptr;
    ok = ChooseColorA(&cc);
    error = ok ? 0 : CommDlgExtendedError();
  }
  if (error) ShowMessage(MB_ICONEXCLAMATION, TWM_DIALOG_ERROR, {MessageArg(static_cast<int>(error))});
  if (ok) colour = cc.rgbResult;
  return ok != FALSE;
}

}  // namespace tw
