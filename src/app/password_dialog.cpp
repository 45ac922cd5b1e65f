// Password prompt (template IDD_PASSWORD_PROMPT), shown before a protected person file opens.
#include <windows.h>

#include "app/app.h"
#include "app/documents.h"
#include "app/help.h"
#include "dialogs/document_dialog_ids.h"
#include "tw_ids.h"

namespace tw {

namespace {

const int kLocalize[] = {0, TWM_PASSWORD_TITLE,
                         IDC_PASSWORD_NOTE, TWM_PASSWORD_PROTECTED,
                         IDC_PASSWORD_LABEL, TWM_PASSWORD_LABEL,
                         0, -1};

const DWORD kPopups[] = {IDC_PASSWORD_FILE, HID_PASSWORD_FILE, IDC_PASSWORD_NOTE, HID_PASSWORD_TYPED,
                         IDC_PASSWORD_LABEL, HID_PASSWORD_TYPED, IDC_PASSWORD, HID_PASSWORD_TYPED,
                         IDOK, HID_OK_BUTTON, IDCANCEL, HID_CANCEL_BUTTON, IDC_DIALOG_HELP, HID_HELP_BUTTON,
                         0, 0};
const DialogHelpTable kHelp = {HID_PASSWORD_DIALOG, kPopups};

constexpr int kPasswordChars = 8;

void OnInitDialog(HWND dlg, const PersonDocument& doc) {
  LocalizeDialog(dlg, kLocalize);
  LocalizeDialogButtons(dlg);
  SendDlgItemMessageA(dlg, IDC_PASSWORD, EM_LIMITTEXT, kPasswordChars, 0);
  SetDlgItemTextA(dlg, IDC_PASSWORD_FILE, doc.path.c_str());
}

void OnOk(HWND dlg, const PersonDocument* doc) {
  char typed[kPasswordChars + 1] = {};
  GetDlgItemTextA(dlg, IDC_PASSWORD, typed, sizeof typed);
  const bool match = doc && doc->header.PasswordMatches(typed);
  SecureZeroMemory(typed, sizeof typed);
  if (!match) ShowMessage(MB_ICONHAND, TWM_WRONG_PASSWORD);
  EndDialog(dlg, match ? 1 : 0);
}

INT_PTR CALLBACK PasswordPromptProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* doc = reinterpret_cast<const PersonDocument*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      OnInitDialog(dlg, *reinterpret_cast<const PersonDocument*>(lp));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        OnOk(dlg, doc);
        return TRUE;
      }
      break;
  }
  return DialogTail(dlg, msg, wp, lp, kHelp);
}

}  // namespace

bool RunPasswordDialog(const PersonDocument& doc) {
  App& app = TheApp();
  return DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_PASSWORD_PROMPT), app.frame, PasswordPromptProc,
                         reinterpret_cast<LPARAM>(&doc)) == 1;
}

}  // namespace tw
