// "Fixtagauswahl" (template 78): no day, a fixed date typed as day and month, or one of the
// movable days; two spins move the day and the month.
#include "app/app.h"
#include "app/conditions_dialogs.h"
#include "app/help.h"
#include "app/reco_tree_view.h"
#include "calendar/date_parse.h"
#include "core/spin_logic.h"
#include "dialogs/conditions_dialog_ids.h"
#include "reco/condition_fixed_day.h"

namespace tw {

namespace {

constexpr DWORD kPopups[] = {0, 0};

struct FixedDayDialog {
  HWND dlg = nullptr;
  int code = 0;
};

int TypedDayMonth(HWND dlg) {
  char text[32] = {};
  GetDlgItemTextA(dlg, IDC_FIXED_DAY_EDIT, text, sizeof text);
  return ParseDayMonth(text, TheApp().locale);
}

void ShowDayMonth(HWND dlg, int dayMonth) {
  SetDlgItemTextA(dlg, IDC_FIXED_DAY_EDIT, LibraryTexts().DayMonth(dayMonth / 100, dayMonth % 100).c_str());
}

int Choice(HWND dlg) {
  return static_cast<int>(SendDlgItemMessageA(dlg, IDC_FIXED_CHOICE, CB_GETCURSEL, 0, 0));
}

void EnableDate(HWND dlg) {
  const bool date = Choice(dlg) == kFixedChoiceDate;
  for (int id : {IDC_FIXED_DAY_EDIT, IDC_FIXED_DAY_LABEL, IDC_FIXED_SPIN_FIRST, IDC_FIXED_SPIN_SECOND})
    EnableWindow(GetDlgItem(dlg, id), date);
}

void OnInit(FixedDayDialog& d) {
  LocalizeDialogButtons(d.dlg);
  HWND combo = GetDlgItem(d.dlg, IDC_FIXED_CHOICE);
  for (int i = 0; i < kFixedChoiceCount; ++i)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadLibString(TWM_FIXDAY_NONE + i).c_str()));
  SendMessageA(combo, CB_SETCURSEL, FixedDayChoiceForCode(d.code), 0);
  int dayMonth = d.code;
  if (d.code <= 0 || d.code >= kFirstMovableCode) {
    const CivilDate today = SystemClock().TodayUtc();
    dayMonth = today.day * 100 + today.month;
  }
  ShowDayMonth(d.dlg, dayMonth);
  SendDlgItemMessageA(d.dlg, IDC_FIXED_DAY_EDIT, EM_LIMITTEXT, 10, 0);
  EnableDate(d.dlg);
}

void OnSpin(FixedDayDialog& d, HWND spin, WPARAM wp) {
  const bool first = GetDlgCtrlID(spin) == IDC_FIXED_SPIN_FIRST;
  const bool month = first != FirstSpinMovesDay(TheApp().locale.dateOrder);
  const int step = SpinStep(LOWORD(wp), static_cast<int16_t>(HIWORD(wp)));
  ShowDayMonth(d.dlg, StepDayMonth(TypedDayMonth(d.dlg), month, step));
}

INT_PTR CALLBACK FixedDayProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* d = reinterpret_cast<FixedDayDialog*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      d = reinterpret_cast<FixedDayDialog*>(lp);
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      d->dlg = dlg;
      OnInit(*d);
      return TRUE;
    case WM_VSCROLL:
      if (d && lp) OnSpin(*d, reinterpret_cast<HWND>(lp), wp);
      return TRUE;
    case WM_COMMAND:
      if (!d) break;
      if (LOWORD(wp) == IDC_FIXED_CHOICE && HIWORD(wp) == CBN_SELCHANGE) {
        EnableDate(dlg);
        return TRUE;
      }
      if (LOWORD(wp) == IDC_FIXED_DAY_EDIT && HIWORD(wp) == EN_KILLFOCUS) {
        ShowDayMonth(dlg, TypedDayMonth(dlg));
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, -1);
        return TRUE;
      }
      if (LOWORD(wp) == IDOK) {
        EndDialog(dlg, FixedDayCodeForChoice(Choice(dlg), TypedDayMonth(dlg)));
        return TRUE;
      }
      break;
  }
  return DialogTail(dlg, msg, wp, lp, DialogHelpTable{HID_FIXED_DAY, kPopups});
}

}  // namespace

int RunFixedDayDialog(HWND owner, int code) {
  FixedDayDialog d;
  d.code = code;
  return static_cast<int>(DialogBoxParamA(TheApp().instance, MAKEINTRESOURCEA(IDD_FIXED_DAY), owner, FixedDayProc,
                                          reinterpret_cast<LPARAM>(&d)));
}

}  // namespace tw
