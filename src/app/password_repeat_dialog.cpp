// Password repetition (template 85): a changed password counts only when typed twice.
#include <windows.h>

#include <string>

#include "app/app.h"
#include "app/documents.h"
#include "app/help.h"
#include "dialogs/document_dialog_ids.h"
#include "tw_ids.h"

namespace tw {

namespace {

const int kLocalize[] = {0, TWM_REPEAT_TITLE,
                         IDC_PASSWORD_NOTE, TWM_REPEAT_PROMPT,
                         IDC_PASSWORD_LABEL, TWM_PASSWORD_LABEL,
                         IDOK, TWM_CLOSE,
                         0, -1};

const DWORD kHelp[] = {IDC_PASSWORD_NOTE, 9470, IDC_PASSWORD_LABEL, 9470, IDC_PASSWORD, 9470, IDOK, 1902, 0, 0};

INT_PTR CALLBACK PasswordRepeatProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* expected = reinterpret_cast<const std::string*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      LocalizeDialog(dlg, kLocalize);
      SendDlgItemMessageA(dlg, IDC_PASSWORD, EM_LIMITTEXT, 8, 0);
      return TRUE;
    case WM_COMMAND:
      // Escape arrives as IDCANCEL and is judged like the button: the typed text decides.
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        char typed[8] = {};
        GetDlgItemTextA(dlg, IDC_PASSWORD, typed, sizeof typed);
        const bool same = expected && expected->substr(0, 7) == typed;
        SecureZeroMemory(typed, sizeof typed);
        if (!same) ShowMessage(MB_ICONEXCLAMATION, TWM_PASSWORD_MISMATCH);
        EndDialog(dlg, same ? 1 : 0);
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

bool RunPasswordRepeat(const std::string& newPassword) {
  App& app = TheApp();
  return DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_PASSWORD_REPEAT), GetActiveWindow(),
                         PasswordRepeatProc, reinterpret_cast<LPARAM>(&newPassword)) == 1;
}

}  // namespace tw
