// The DayMark popup (template 75): flags and symbol of the selected day, opened by a right
// click in the chart's DayMark row.
#include "app/app.h"
#include "app/child_window.h"
#include "app/help.h"
#include "calendar/date_format.h"

namespace tw {

namespace {

constexpr int kRedCheck = 2134;
constexpr int kFirstSymbolRadio = 2136;  // "+", "x", "-", then "N"
constexpr int kNoSymbolRadio = 2139;
constexpr int kHelpButton = 2639;

constexpr int kLocalize[] = {-1, -1,   kRedCheck, 3129, 2135, 3130, 2136, 3131, 2137, 3132,
                             2138, 3133, 2139, 3134, IDOK, 3000, kHelpButton, 4245, 0, -1};

constexpr DWORD kHelp[] = {2134, 9040, 2135, 9041, 2136, 9042, 2137, 9042, 2138,        9042,
                           2139, 9042, IDOK, 1900, kHelpButton, 1903, 0,    0};

bool Init(HWND dlg, PersonDocument& doc) {
  App& app = TheApp();
  if (NoteDayOffset(doc, doc.selectedDay) < 0) return false;
  RECT r;
  GetWindowRect(dlg, &r);
  int x, y;
  PopupPosition(doc.popupX, doc.popupY, r.right - r.left, r.bottom - r.top, GetSystemMetrics(SM_CXSCREEN), &x, &y);
  SetWindowPos(dlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  const DayMark mark = GetDayMark(doc);
  LocalizeDialog(dlg, kLocalize);
  DateSettings ds;
  ds.locale = app.locale;
  char title[64] = "";
  FormatDay(title, title + sizeof title, ds, doc.selectedDay, false, false);
  SetWindowTextA(dlg, title);
  for (int i = 0; i < kMarkLabelCount; ++i) {
    std::string label = doc.header.MarkLabel(i);
    if (!label.empty()) SetDlgItemTextA(dlg, kRedCheck + i, label.c_str());
  }
  CheckDlgButton(dlg, kRedCheck, (mark & kMarkRed) ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, kRedCheck + 1, (mark & kMarkYellow) ? BST_CHECKED : BST_UNCHECKED);
  const int symbol = mark & kMarkSymbolMask;
  CheckRadioButton(dlg, kFirstSymbolRadio, kNoSymbolRadio,
                   symbol == 0 ? kNoSymbolRadio : kFirstSymbolRadio - 1 + symbol);
  return true;
}

void Apply(HWND dlg, PersonDocument& doc) {
  int symbol = 0;
  for (int s = 1; s <= 3; ++s)
    if (IsDlgButtonChecked(dlg, kFirstSymbolRadio - 1 + s) == BST_CHECKED) symbol = s;
  PopupMarkCommands c = PopupCommands(IsDlgButtonChecked(dlg, kRedCheck) == BST_CHECKED,
                                      IsDlgButtonChecked(dlg, kRedCheck + 1) == BST_CHECKED, symbol);
  SetDayEntry(doc, c.flags, nullptr);
  SetDayEntry(doc, c.symbol, nullptr);
}

INT_PTR CALLBACK DayMarkProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* doc = reinterpret_cast<PersonDocument*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      if (!Init(dlg, *reinterpret_cast<PersonDocument*>(lp))) EndDialog(dlg, 0);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDOK:
          if (doc) Apply(dlg, *doc);
          EndDialog(dlg, 1);
          return TRUE;
        case IDCANCEL:
          EndDialog(dlg, 0);
          return TRUE;
        case kHelpButton:
          OpenHelp(HelpRequest::Context, 8004);
          return TRUE;
      }
      break;
    case WM_HELP:
      DialogHelp(reinterpret_cast<const HELPINFO*>(lp), kHelp);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

bool ShowDayMarkPopup(HWND child, PersonDocument& doc) {
  App& app = TheApp();
  return DialogBoxParamA(app.instance, MAKEINTRESOURCEA(75), child, DayMarkProc, reinterpret_cast<LPARAM>(&doc)) == 1;
}

}  // namespace tw
