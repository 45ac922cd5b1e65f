// Password prompt (template 64), shown before a protected person file opens.
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
                         IDOK, TWM_OK,
                         IDCANCEL, TWM_CANCEL,
                         IDC_DIALOG_HELP, 4245,
                         0, -1};

const DWORD kHelp[] = {IDC_PASSWORD_FILE, 9120, IDC_PASSWORD_NOTE, 9121, IDC_PASSWORD_LABEL, 9121,
                     IDC_PASSWORD, 9121, IDOK, 1900, IDCANCEL, 1901, IDC_DIALOG_HELP, 1903,
                     0, 0};

constexpr int kHelpTopic = 8002;

INT_PTR CALLBACK PasswordPromptProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* doc = reinterpret_cast<const PersonDocument*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      doc = reinterpret_cast<const PersonDocument*>(lp);
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      LocalizeDialog(dlg, kLocalize);
      SendDlgItemMessageA(dlg, IDC_PASSWORD, EM_LIMITTEXT, 8, 0);
      SetDlgItemTextA(dlg, IDC_PASSWORD_FILE, doc->path.c_str());
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDOK: {
          char typed[9] = {};
          GetDlgItemTextA(dlg, IDC_PASSWORD, typed, sizeof typed);
          if (!doc || !doc->header.PasswordMatches(typed)) {
            ShowMessage(MB_ICONHAND, TWM_WRONG_PASSWORD);
            EndDialog(dlg, 0);
          } else {
            EndDialog(dlg, 1);
          }
          SecureZeroMemory(typed, sizeof typed);
          return TRUE;
        }
        case IDCANCEL:
          EndDialog(dlg, 0);
          return TRUE;
        case IDC_DIALOG_HELP:
          OpenHelp(HelpRequest::Context, kHelpTopic);
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

bool RunPasswordPrompt(const PersonDocument& doc) {
  App& app = TheApp();
  return DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_PASSWORD_PROMPT), app.frame, PasswordPromptProc,
                         reinterpret_cast<LPARAM>(&doc)) == 1;
}

}  // namespace tw
