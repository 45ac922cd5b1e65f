// Person dialog (template 47): name, birthday, description, first notes year, password.
// It edits a copy of the header and writes it back only on OK.
#include <windows.h>

#include "app/app.h"
#include "app/documents.h"
#include "app/help.h"
#include "calendar/date_parse.h"
#include "calendar/date_step.h"
#include "dialogs/document_dialog_ids.h"
#include "doc/document_ui.h"
#include "doc/person_edit.h"
#include "tw_ids.h"

namespace tw {

namespace {

struct PersonDialogState {
  PersonDocument* doc;
  PersonHeader copy;
};

const int kLocalize[] = {0, TWM_PERSON_TITLE,
                         IDC_PERSON_NAME_LABEL, TWM_PERSON_NAME,
                         IDC_PERSON_BIRTH_LABEL, TWM_PERSON_BIRTHDAY,
                         IDC_PERSON_DESC_LABEL, TWM_PERSON_DESCRIPTION,
                         IDC_PERSON_YEAR_LABEL, TWM_PERSON_NOTES_FROM,
                         IDC_PASSWORD_LABEL, TWM_PASSWORD_LABEL,
                         IDOK, TWM_OK,
                         IDCANCEL, TWM_CANCEL,
                         IDC_DIALOG_HELP, 4245,
                         0, -1};

const DWORD kHelp[] = {IDC_PERSON_NAME_LABEL, 9100, IDC_PERSON_NAME, 9100,
                     IDC_PERSON_BIRTH_LABEL, 9102, IDC_PERSON_BIRTHDAY, 9102,
                     2072, 9102, 2073, 9102, 2074, 9102,
                     IDC_PERSON_DESC_LABEL, 9101, IDC_PERSON_DESCRIPTION, 9101,
                     IDC_PERSON_YEAR_LABEL, 9103, IDC_PERSON_NOTES_YEAR, 9103, IDC_PERSON_YEAR_SPIN, 9103,
                     IDC_PASSWORD_LABEL, 9104, IDC_PASSWORD, 9104,
                     IDOK, 1900, IDCANCEL, 1901, IDC_DIALOG_HELP, 1903,
                     0, 0};

constexpr int kHelpTopic = 8001;

std::string ItemText(HWND dlg, int id, int chars) {
  std::string buf(static_cast<size_t>(chars) + 1, '\0');
  int n = GetDlgItemTextA(dlg, id, buf.data(), chars + 1);
  buf.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return buf;
}

int YearOf(DayNumber day) {
  int y = 0;
  DateFromDay(day, &y);
  return y;
}

void ShowBirthday(HWND dlg, const PersonDialogState& s) {
  SetDlgItemTextA(dlg, IDC_PERSON_BIRTHDAY, FormatDefaultDate(s.copy.Birthday()).c_str());
}

void CommitBirthday(HWND dlg, PersonDialogState& s) {
  s.copy.SetBirthday(ParseDate(ItemText(dlg, IDC_PERSON_BIRTHDAY, 57), TheApp().locale));
  ShowBirthday(dlg, s);
}

DayNumber NotesStartFor(const PersonDialogState& s, int year) {
  return ComputeNotesStart(year, s.copy.Birthday(), s.doc->HasNoteData(), s.doc->header.NotesStart());
}

void CommitNotesYear(HWND dlg, PersonDialogState& s, int year) {
  s.copy.SetNotesStart(NotesStartFor(s, year));
  SetDlgItemInt(dlg, IDC_PERSON_NOTES_YEAR, YearOf(s.copy.NotesStart()), FALSE);
}

int TypedNotesYear(HWND dlg, const PersonDialogState& s) {
  return NotesYearFromText(ItemText(dlg, IDC_PERSON_NOTES_YEAR, 4), YearOf(s.copy.NotesStart()));
}

void EnableOk(HWND dlg, const PersonDialogState& s) {
  EnableWindow(GetDlgItem(dlg, IDOK), !s.copy.Name().empty());
}

int SpinDelta(WPARAM wp) {
  switch (LOWORD(wp)) {
    case SB_LINEUP:
    case SB_PAGEUP:
      return 1;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
      return -1;
    case SB_THUMBPOSITION:
      return static_cast<short>(HIWORD(wp));
  }
  return 0;
}

void OnSpin(HWND dlg, PersonDialogState& s, int id, int delta) {
  if (delta == 0) return;
  if (id >= IDC_BIRTHDAY_SPIN_FIRST && id <= IDC_BIRTHDAY_SPIN_LAST) {
    SetFocus(GetDlgItem(dlg, IDC_PERSON_BIRTHDAY));
    DayNumber day = ParseDate(ItemText(dlg, IDC_PERSON_BIRTHDAY, 57), TheApp().locale);
    int unit = DateFieldUnit(TheApp().locale.dateOrder, id - IDC_BIRTHDAY_SPIN_FIRST);
    s.copy.SetBirthday(StepDay(day, unit, delta));
    ShowBirthday(dlg, s);
  } else if (id == IDC_PERSON_YEAR_SPIN) {
    SetFocus(GetDlgItem(dlg, IDC_PERSON_NOTES_YEAR));
    int year = TypedNotesYear(dlg, s) + delta;
    CommitNotesYear(dlg, s, year < 1600 ? 1600 : year > 2049 ? 2049 : year);
  }
}

void OnOk(HWND dlg, PersonDialogState& s) {
  // Enter reaches OK without moving the focus, so the birthday is read here as well.
  CommitBirthday(dlg, s);
  s.copy.SetName(ItemText(dlg, IDC_PERSON_NAME, 57));
  if (s.copy.Name().empty()) {
    MessageBeep(MB_OK);
    return;
  }
  const DayNumber start = NotesStartFor(s, TypedNotesYear(dlg, s));
  s.copy.SetDescription(ItemText(dlg, IDC_PERSON_DESCRIPTION, 255));

  const std::string typed = ItemText(dlg, IDC_PASSWORD, 7);
  const std::string stored = s.doc->header.Password();
  if (DecidePassword(stored, typed) == PasswordDecision::kAskRepetition)
    s.copy.SetPassword(RunPasswordRepeat(typed) ? typed : stored);
  else
    s.copy.SetPassword(typed);

  // The notes move with the start, so the document's current start is what they are
  // shifted from.
  s.copy.SetNotesStart(s.doc->header.NotesStart());
  s.doc->header = s.copy;
  MoveNotesStart(*s.doc, start);
  EndDialog(dlg, 1);
}

INT_PTR CALLBACK PersonDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<PersonDialogState*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      s = reinterpret_cast<PersonDialogState*>(lp);
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      LocalizeDialog(dlg, kLocalize);
      SendDlgItemMessageA(dlg, IDC_PERSON_NAME, EM_LIMITTEXT, 58, 0);
      SendDlgItemMessageA(dlg, IDC_PERSON_BIRTHDAY, EM_LIMITTEXT, 10, 0);
      SendDlgItemMessageA(dlg, IDC_PERSON_DESCRIPTION, EM_LIMITTEXT, 256, 0);
      SendDlgItemMessageA(dlg, IDC_PERSON_NOTES_YEAR, EM_LIMITTEXT, 4, 0);
      SendDlgItemMessageA(dlg, IDC_PASSWORD, EM_LIMITTEXT, 8, 0);
      ShowBirthday(dlg, *s);
      SetDlgItemTextA(dlg, IDC_PERSON_NAME, s->copy.Name().c_str());
      SetDlgItemTextA(dlg, IDC_PERSON_DESCRIPTION, s->copy.Description().c_str());
      SetDlgItemTextA(dlg, IDC_PASSWORD, s->copy.Password().c_str());
      SetDlgItemInt(dlg, IDC_PERSON_NOTES_YEAR, YearOf(s->copy.NotesStart()), FALSE);
      EnableOk(dlg, *s);
      return TRUE;
    }
    case WM_COMMAND:
      if (!s) break;
      switch (LOWORD(wp)) {
        case IDC_PERSON_NAME:
          s->copy.SetName(ItemText(dlg, IDC_PERSON_NAME, 57));
          EnableOk(dlg, *s);
          return TRUE;
        case IDC_PERSON_BIRTHDAY:
          if (HIWORD(wp) == EN_KILLFOCUS) CommitBirthday(dlg, *s);
          return TRUE;
        case IDC_PERSON_NOTES_YEAR:
          if (HIWORD(wp) == EN_KILLFOCUS) CommitNotesYear(dlg, *s, TypedNotesYear(dlg, *s));
          return TRUE;
        case IDOK:
          OnOk(dlg, *s);
          return TRUE;
        case IDCANCEL:
          EndDialog(dlg, 0);
          return TRUE;
        case IDC_DIALOG_HELP:
          OpenHelp(HelpRequest::Context, kHelpTopic);
          return TRUE;
      }
      break;
    case WM_VSCROLL:
      if (s && lp) OnSpin(dlg, *s, GetDlgCtrlID(reinterpret_cast<HWND>(lp)), SpinDelta(wp));
      return TRUE;
    case WM_HELP:
      DialogHelp(reinterpret_cast<const HELPINFO*>(lp), kHelp);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

bool RunPersonDialog(PersonDocument& doc) {
  App& app = TheApp();
  PersonDialogState state{&doc, doc.header};
  return DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_PERSON), app.frame, PersonDialogProc,
                         reinterpret_cast<LPARAM>(&state)) == 1;
}

}  // namespace tw
