// Person dialog (template IDD_PERSON): name, birthday, description, first notes year,
// password. It edits a copy of the header and writes it back only on OK.
//
// Birthdays lie in 1 January 1600 .. 31 December 2049, the days the calendar can show: a
// typed date is clamped into that range as its day and month are into theirs, and a
// birthday the dialog starts with outside it (a file written elsewhere, a clock past 2049
// for a new person) is shown clamped, so what the edit shows is what OK stores.
#include <windows.h>

#include <algorithm>

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
                         0, -1};

const DWORD kPopups[] = {IDC_PERSON_NAME_LABEL, HID_PERSON_NAME, IDC_PERSON_NAME, HID_PERSON_NAME,
                         IDC_PERSON_BIRTH_LABEL, HID_PERSON_BIRTHDAY, IDC_PERSON_BIRTHDAY, HID_PERSON_BIRTHDAY,
                         IDC_BIRTHDAY_SPIN_FIRST, HID_PERSON_BIRTHDAY, IDC_BIRTHDAY_SPIN_SECOND, HID_PERSON_BIRTHDAY,
                         IDC_BIRTHDAY_SPIN_LAST, HID_PERSON_BIRTHDAY,
                         IDC_PERSON_DESC_LABEL, HID_PERSON_DESCRIPTION, IDC_PERSON_DESCRIPTION, HID_PERSON_DESCRIPTION,
                         IDC_PERSON_YEAR_LABEL, HID_PERSON_NOTES_YEAR, IDC_PERSON_NOTES_YEAR, HID_PERSON_NOTES_YEAR,
                         IDC_PERSON_YEAR_SPIN, HID_PERSON_NOTES_YEAR,
                         IDC_PASSWORD_LABEL, HID_PERSON_PASSWORD, IDC_PASSWORD, HID_PERSON_PASSWORD,
                         IDOK, HID_OK_BUTTON, IDCANCEL, HID_CANCEL_BUTTON, IDC_DIALOG_HELP, HID_HELP_BUTTON,
                         0, 0};
const DialogHelpTable kHelp = {HID_PERSON_DIALOG, kPopups};

// Edit limits and how much of each edit is read.
constexpr int kNameChars = static_cast<int>(kNameSize) - 1;
constexpr int kBirthdayChars = 10;
constexpr int kBirthdayReadChars = 57;
constexpr int kDescriptionChars = static_cast<int>(kDescriptionSize) - 1;
constexpr int kYearChars = 4;
constexpr int kPasswordChars = static_cast<int>(kPasswordSize);
constexpr int kFirstNotesYear = 1600;

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
  s.copy.SetBirthday(ParseDate(ItemText(dlg, IDC_PERSON_BIRTHDAY, kBirthdayReadChars), TheApp().locale));
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
  return NotesYearFromText(ItemText(dlg, IDC_PERSON_NOTES_YEAR, kYearChars), YearOf(s.copy.NotesStart()));
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
    DayNumber day = ParseDate(ItemText(dlg, IDC_PERSON_BIRTHDAY, kBirthdayReadChars), TheApp().locale);
    int unit = DateFieldUnit(TheApp().locale.dateOrder, id - IDC_BIRTHDAY_SPIN_FIRST);
    s.copy.SetBirthday(StepDay(day, unit, delta));
    ShowBirthday(dlg, s);
  } else if (id == IDC_PERSON_YEAR_SPIN) {
    SetFocus(GetDlgItem(dlg, IDC_PERSON_NOTES_YEAR));
    int year = TypedNotesYear(dlg, s) + delta;
    CommitNotesYear(dlg, s, std::clamp(year, kFirstNotesYear, kLastCalendarYear));
  }
}

void OnOk(HWND dlg, PersonDialogState& s) {
  // Enter reaches OK without moving the focus, so the birthday is read here as well.
  CommitBirthday(dlg, s);
  s.copy.SetName(ItemText(dlg, IDC_PERSON_NAME, kNameChars));
  if (s.copy.Name().empty()) {
    MessageBeep(MB_OK);
    return;
  }
  const DayNumber start = NotesStartFor(s, TypedNotesYear(dlg, s));
  s.copy.SetDescription(ItemText(dlg, IDC_PERSON_DESCRIPTION, kDescriptionChars));

  const std::string typed = ItemText(dlg, IDC_PASSWORD, kPasswordChars - 1);
  const std::string stored = s.doc->header.Password();
  if (DecidePassword(stored, typed) == PasswordDecision::kAskRepetition)
    s.copy.SetPassword(RunPasswordRepeatDialog(typed) ? typed : stored);
  else
    s.copy.SetPassword(typed);

  // The notes move with the start, so the document's current start is what they are
  // shifted from.
  s.copy.SetNotesStart(s.doc->header.NotesStart());
  s.doc->header = s.copy;
  MoveNotesStart(*s.doc, start);
  EndDialog(dlg, 1);
}

void OnInitDialog(HWND dlg, PersonDialogState& s) {
  LocalizeDialog(dlg, kLocalize);
  LocalizeDialogButtons(dlg);
  SendDlgItemMessageA(dlg, IDC_PERSON_NAME, EM_LIMITTEXT, kNameChars + 1, 0);
  SendDlgItemMessageA(dlg, IDC_PERSON_BIRTHDAY, EM_LIMITTEXT, kBirthdayChars, 0);
  SendDlgItemMessageA(dlg, IDC_PERSON_DESCRIPTION, EM_LIMITTEXT, kDescriptionChars + 1, 0);
  SendDlgItemMessageA(dlg, IDC_PERSON_NOTES_YEAR, EM_LIMITTEXT, kYearChars, 0);
  SendDlgItemMessageA(dlg, IDC_PASSWORD, EM_LIMITTEXT, kPasswordChars, 0);
  s.copy.SetBirthday(std::clamp(s.copy.Birthday(), kFirstCalendarDay, kLastCalendarDay));
  ShowBirthday(dlg, s);
  SetDlgItemTextA(dlg, IDC_PERSON_NAME, s.copy.Name().c_str());
  SetDlgItemTextA(dlg, IDC_PERSON_DESCRIPTION, s.copy.Description().c_str());
  SetDlgItemTextA(dlg, IDC_PASSWORD, s.copy.Password().c_str());
  SetDlgItemInt(dlg, IDC_PERSON_NOTES_YEAR, YearOf(s.copy.NotesStart()), FALSE);
  EnableOk(dlg, s);
}

bool OnCommand(HWND dlg, PersonDialogState& s, int id, int notify) {
  switch (id) {
    case IDC_PERSON_NAME:
      s.copy.SetName(ItemText(dlg, IDC_PERSON_NAME, kNameChars));
      EnableOk(dlg, s);
      return true;
    case IDC_PERSON_BIRTHDAY:
      if (notify == EN_KILLFOCUS) CommitBirthday(dlg, s);
      return true;
    case IDC_PERSON_NOTES_YEAR:
      if (notify == EN_KILLFOCUS) CommitNotesYear(dlg, s, TypedNotesYear(dlg, s));
      return true;
    case IDOK:
      OnOk(dlg, s);
      return true;
  }
  return false;
}

INT_PTR CALLBACK PersonDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<PersonDialogState*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      OnInitDialog(dlg, *reinterpret_cast<PersonDialogState*>(lp));
      return TRUE;
    case WM_COMMAND:
      if (s && OnCommand(dlg, *s, LOWORD(wp), HIWORD(wp))) return TRUE;
      break;
    case WM_VSCROLL:
      if (s && lp) OnSpin(dlg, *s, GetDlgCtrlID(reinterpret_cast<HWND>(lp)), SpinDelta(wp));
      return TRUE;
  }
  return DialogTail(dlg, msg, wp, lp, kHelp);
}

}  // namespace

bool RunPersonDialog(PersonDocument& doc) {
  App& app = TheApp();
  PersonDialogState state{&doc, doc.header};
  return DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_PERSON), app.frame, PersonDialogProc,
                         reinterpret_cast<LPARAM>(&state)) == 1;
}

}  // namespace tw
