// Password repetition (template IDD_PASSWORD_REPEAT): a changed password counts only when
// typed twice.
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

const DWORD kPopups[] = {IDC_PASSWORD_NOTE, HID_PASSWORD_REPEAT, IDC_PASSWORD_LABEL, HID_PASSWORD_REPEAT,
                         IDC_PASSWORD, HID_PASSWORD_REPEAT, IDOK, HID_CLOSE_BUTTON, 0, 0};
const DialogHelpTable kHelp = {0, kPopups};

constexpr int kPasswordChars = 8;
constexpr size_t kComparedChars = 7;  // what the person file keeps of a password

// Escape arrives as IDCANCEL and is judged like the button: the typed text decides.
void OnClose(HWND dlg, const std::string* expected) {
  char typed[kComparedChars + 1] = {};
  GetDlgItemTextA(dlg, IDC_PASSWORD, typed, sizeof typed);
  const bool same = expected && expected->substr(0, kComparedChars) == typed;
  SecureZeroMemory(typed, sizeof typed);
  if (!same) ShowMessage(MB_ICONEXCLAMATION, TWM_PASSWORD_MISMATCH);
  EndDialog(dlg, same ? 1 : 0);
}

INT_PTR CALLBACK PasswordRepeatProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* expected = reinterpret_cast<const std::string*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      LocalizeDialog(dlg, kLocalize);
      SendDlgItemMessageA(dlg, IDC_PASSWORD, EM_LIMITTEXT, kPasswordChars, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        OnClose(dlg, expected);
        return TRUE;
      }
      break;
  }
  return DialogTail(dlg, msg, wp, lp, kHelp);
}

}  // namespace

bool RunPasswordRepeatDialog(const std::string& newPassword) {
  App& app = TheApp();
  return DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_PASSWORD_REPEAT), GetActiveWindow(),
                         PasswordRepeatProc, reinterpret_cast<LPARAM>(&newPassword)) == 1;
}

}  // namespace tw
