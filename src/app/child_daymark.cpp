// The DayMark popup (template 75): flags and symbol of the selected day, opened by a right
// click in the chart's DayMark row.
#include "app/app.h"
#include "app/child_window.h"
#include "app/help.h"
#include "calendar/date_format.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr int kRedCheck = ID_MARK_RED;
constexpr int kYellowCheck = ID_MARK_RED + 1;
constexpr int kFirstSymbolRadio = ID_MARK_SYMBOL_FIRST;  // "+", "x", "-", then "N"
constexpr int kNoSymbolRadio = ID_MARK_SYMBOL_NONE;
constexpr int kHelpButton = ID_MARK_HELP;

constexpr int kLocalize[] = {-1,
                             -1,
                             kRedCheck,
                             TWM_MARK_RED_CHECK,
                             kYellowCheck,
                             TWM_MARK_YELLOW_CHECK,
                             kFirstSymbolRadio,
                             TWM_MARK_PLUS_RADIO,
                             kFirstSymbolRadio + 1,
                             TWM_MARK_CROSS_RADIO,
                             kFirstSymbolRadio + 2,
                             TWM_MARK_MINUS_RADIO,
                             kNoSymbolRadio,
                             TWM_MARK_NONE_RADIO,
                             IDOK,
                             TWM_OK,
                             kHelpButton,
                             TWM_HELP_BUTTON,
                             0,
                             -1};

constexpr DWORD kHelp[] = {kRedCheck,         HID_MARK_FLAG_RED, kYellowCheck,          HID_MARK_FLAG_YELLOW,
                           kFirstSymbolRadio, HID_MARK_SYMBOL,   kFirstSymbolRadio + 1, HID_MARK_SYMBOL,
                           kFirstSymbolRadio + 2, HID_MARK_SYMBOL, kNoSymbolRadio,      HID_MARK_SYMBOL,
                           IDOK,              HID_OK_BUTTON,     kHelpButton,           HID_HELP_BUTTON,
                           0,                 0};

struct PopupRequest {
  PersonDocument* doc;
  POINT at;
};

bool Init(HWND dlg, PersonDocument& doc, POINT at) {
  App& app = TheApp();
  if (NoteDayOffset(doc, doc.selectedDay) < 0) return false;
  RECT r;
  GetWindowRect(dlg, &r);
  int x, y;
  PopupPosition(at.x, at.y, r.right - r.left, r.bottom - r.top, GetSystemMetrics(SM_CXSCREEN), &x, &y);
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
    {
      auto* request = reinterpret_cast<PopupRequest*>(lp);
      SetWindowLongPtrA(dlg, DWLP_USER, reinterpret_cast<LONG_PTR>(request->doc));
      if (!Init(dlg, *request->doc, request->at)) EndDialog(dlg, 0);
      return TRUE;
    }
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
          OpenHelp(HelpRequest::Context, HID_DAY_MARK);
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

bool ShowDayMarkPopup(HWND child, PersonDocument& doc, POINT at) {
  App& app = TheApp();
  PopupRequest request{&doc, at};
  return DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_DAY_MARK), child, DayMarkProc,
                         reinterpret_cast<LPARAM>(&request)) == 1;
}

}  // namespace tw
