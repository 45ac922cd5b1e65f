// Special days dialog and tip of the day, driven like a user on fresh data copies: rows
// added, switched and deleted land in the files and in the info panel at once; Abbrechen
// and a locked file lose nothing; the tip comes from the file and its box writes the key.
#include <fstream>
#include <iterator>

#include "calendar/special_days.h"
#include "core/daynumber.h"
#include "doc/person_file.h"
#include "remote_win.h"

namespace {

using namespace e2e;

constexpr int kSpecialDays = 7205, kTipOfTheDay = 7403;
constexpr int kListChoice = 2700, kHolidays = 2701, kBirthdays = 2703, kType = 2704, kOffset = 2709,
              kDate = 2712, kNew = 2730, kDelete = 2731;
constexpr int kTipOnStart = 2800, kTipNext = 2801, kTipText = 2803;
constexpr int kSummary = 2301, kDateEdit = 2071;

std::string ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::string IniValue(const char* key) {
  char buf[64];
  GetPrivateProfileStringA("TidewellGeneral", key, "<absent>", buf, sizeof buf, IniPath().c_str());
  return buf;
}

std::string MakeDocument(const std::string& work) { return WriteErikaDocument(work); }

struct Session : FrameSession {
  bool Start(const Context& ctx, const std::string& ini, bool person = false) {
    Prepare(ctx, "Liste=1\r\nNewVersion=0\r\nStartLastFile=0\r\nData=1023\r\nShowBirthday=1\r\n" + ini);
    return Launch(ctx, person ? MakeDocument(work) : std::string());
  }
};

// Picks a combo box entry the way a user does: the selection and its change note.
void ChooseCombo(HWND dlg, int id, int index) {
  HWND combo = GetDlgItem(dlg, id);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void SetText(HWND dlg, int id, const char* text) {
  SendMessageA(GetDlgItem(dlg, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// "&Neu" opens the new row's label for typing; types `name` and confirms it with Enter.
bool NewRow(HWND dlg, HWND list, const char* name) {
  Press(dlg, kNew);
  HWND edit = nullptr;
  WaitFor([&] { return (edit = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0))) != nullptr; },
          5000);
  if (!edit) return false;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  return WaitFor([&] { return SendMessageA(list, LVM_GETEDITCONTROL, 0, 0) == 0; }, 5000);
}

int FindRow(Remote& r, HWND list, const std::string& text) {
  const int n = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i)
    if (r.ListText(list, i) == text) return i;
  return -1;
}

const tw::SpecialDay* FindEntry(const tw::SpecialDayTable& t, const char* name) {
  for (const tw::SpecialDay& e : t.entries)
    if (std::string(e.name) == name) return &e;
  return nullptr;
}

int SpecialDaysEdit(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "TipOnStart=0\r\n", true), "program starts with a person");
  HWND date = DateBarItem(s.WaitPerson(kDateEdit), kDateEdit);
  const std::string holidaysBefore = ReadAll(s.Path("TwHd.dat"));

  HWND dlg = s.Open(kSpecialDays, kListChoice);
  Check(dlg != nullptr, "Spezielle Tage opens");
  if (!dlg) return 1;
  Remote r(s.program.pi.hProcess);
  HWND holidays = GetDlgItem(dlg, kHolidays), birthdays = GetDlgItem(dlg, kBirthdays);
  Check(r.ListText(holidays, 0) == "Neujahr" && r.ListText(holidays, 1) == "Karfreitag", "holidays in file order");
  Check(r.ListImage(holidays, 0) == 4 + 1, "active red row shows image 5");

  // A birthday "Oma" on 12 March.
  ChooseCombo(dlg, kListChoice, 2);
  Check(IsWindowVisible(birthdays) && !IsWindowVisible(holidays), "only the birthday list shows");
  Check(!IsWindowVisible(GetDlgItem(dlg, kType)), "no rule type for birthdays");
  SetText(dlg, kDate, "12.03");
  Check(NewRow(dlg, birthdays, "Oma"), "label of the new birthday typed");
  const int oma = FindRow(r, birthdays, "Oma");
  Check(oma >= 0, "birthday row Oma");

  // A regional holiday on Easter Sunday + 60, switched active by a click on its image.
  ChooseCombo(dlg, kListChoice, 0);
  Check(IsWindowVisible(holidays), "holiday list back");
  ChooseCombo(dlg, kType, 1);
  Check(IsWindowVisible(GetDlgItem(dlg, kOffset)) && !IsWindowVisible(GetDlgItem(dlg, kDate)),
        "Easter rule shows the offset, not the date");
  SetText(dlg, kOffset, "60");
  Check(NewRow(dlg, holidays, "Regionalfest"), "label of the new holiday typed");
  const int fest = FindRow(r, holidays, "Regionalfest");
  Check(fest == 1, "new row right after the selected first row");
  const bool wasActive = (r.ListParam(holidays, fest) & tw::kSpecialActive) != 0;
  r.SelectListItem(holidays, fest);
  PostMessageA(holidays, WM_KEYDOWN, VK_SPACE, 0);
  Check(WaitFor([&] { return ((r.ListParam(holidays, fest) & tw::kSpecialActive) != 0) != wasActive; }, 5000),
        "Space switches the active state");
  if (wasActive) PostMessageA(holidays, WM_KEYDOWN, VK_SPACE, 0);
  WaitFor([&] { return (r.ListParam(holidays, fest) & tw::kSpecialActive) != 0; }, 5000);
  Check(r.ListText(holidays, fest).size() > 0, "rule text column filled");

  // Delete "Neujahr".
  r.SelectListItem(holidays, 0);
  Press(dlg, kDelete);
  Check(WaitFor([&] { return FindRow(r, holidays, "Neujahr") < 0; }, 5000), "Neujahr deleted");
  Responds(dlg);
  Sleep(300);
  SaveScreen("Z:\\tmp\\tw-special-days.bmp");
  Press(dlg, IDOK);
  Check(WaitFor([&] { return !IsWindow(dlg); }, 10000), "Ok closes the dialog");

  tw::SpecialDayTable t;
  t.Load(s.work + "\\");
  const tw::SpecialDay* e = FindEntry(t, "Oma");
  Check(e && e->category() == tw::kSpecialBirthday && e->value == 1203, "TwBd.dat holds Oma on 12.03");
  e = FindEntry(t, "Regionalfest");
  Check(e && e->kind() == tw::kSpecialKindEaster && e->value == 60 && e->active(), "TwHd.dat: active Easter + 60");
  Check(!FindEntry(t, "Neujahr"), "Neujahr gone from TwHd.dat");
  Check(ReadAll(s.Path("TwHd.bak")) == holidaysBefore, "previous TwHd.dat kept as TwHd.bak");
  Check(ReadAll(s.Path("TwBd.dat")).find(" 1203 ") != std::string::npos, "birthday line written");

  // The info panel of 12 March shows the birthday at once.
  HWND summary = s.PanelItem(kSummary);
  if (date) {
    SendMessageA(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12.03.2024"));
    PostMessageA(date, WM_CHAR, 13, 0);
  }
  Check(WaitFor([&] { return WindowText(summary).find("Oma") != std::string::npos; }, 10000),
        "summary of 12 March shows Oma");
  std::printf("summary 2024-03-12:\n%s\n", WindowText(summary).c_str());
  Check(s.Close(), "program closes");
  return 0;
}

int SpecialDaysCancelAndLocked(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "TipOnStart=0\r\n"), "program starts");
  const char* files[] = {"TwHd.dat", "TwNd.dat", "TwBd.dat"};
  std::string before[3];
  for (int i = 0; i < 3; ++i) before[i] = ReadAll(s.Path(files[i]));

  HWND dlg = s.Open(kSpecialDays, kListChoice);
  Check(dlg != nullptr, "Spezielle Tage opens");
  if (!dlg) return 1;
  Remote r(s.program.pi.hProcess);
  HWND holidays = GetDlgItem(dlg, kHolidays);
  r.SelectListItem(holidays, 0);
  Press(dlg, kDelete);
  NewRow(dlg, holidays, "Verworfen");
  // Menu 35 on the list: "&Aktiv" by its mnemonic switches the selected row.
  r.SelectListItem(holidays, 0);
  const LPARAM rowBefore = r.ListParam(holidays, 0);
  RECT rc;
  GetWindowRect(holidays, &rc);
  PostMessageA(holidays, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(holidays), MAKELPARAM(rc.left + 10, rc.top + 10));
  HWND menu = nullptr;
  Check(WaitFor([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menu); }, 5000),
        "menu 35 pops up on the list");
  PostMessageA(dlg, WM_KEYDOWN, 'A', 0);
  PostMessageA(dlg, WM_CHAR, 'a', 0);
  Check(WaitFor([&] { return ((r.ListParam(holidays, 0) ^ rowBefore) & tw::kSpecialActive) != 0; }, 5000),
        "Aktiv switches the row");
  Press(dlg, IDCANCEL);
  Check(WaitFor([&] { return !IsWindow(dlg); }, 10000), "Abbrechen closes");
  for (int i = 0; i < 3; ++i) Check(ReadAll(s.Path(files[i])) == before[i], "Abbrechen leaves the file byte-identical");
  Check(GetFileAttributesA(s.Path("TwHd.bak").c_str()) == INVALID_FILE_ATTRIBUTES, "no backup written");

  // A holiday file another program holds open cannot be replaced: message 3019, data kept.
  HANDLE lock = CreateFileA(s.Path("TwHd.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  Check(lock != INVALID_HANDLE_VALUE, "TwHd.dat locked");
  dlg = s.Open(kSpecialDays, kListChoice);
  holidays = GetDlgItem(dlg, kHolidays);
  r.SelectListItem(holidays, 0);
  Press(dlg, kDelete);
  Press(dlg, IDOK);
  HWND box = WaitDialogWith(s.program, kMessageText);
  Check(box && MessageText(box).find("TwHd.dat") != std::string::npos, "message names TwHd.dat");
  if (box) Press(box, IDOK);
  CloseHandle(lock);
  Check(ReadAll(s.Path("TwHd.dat")) == before[0], "locked TwHd.dat loses nothing");
  Check(s.Close(), "program closes");
  return 0;
}

int TipOfTheDay(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "TipOnStart=1\r\n"), "program starts");
  HWND dlg = WaitDialogWith(s.program, kTipNext);
  Check(dlg != nullptr, "tip of the day opens at start");
  if (!dlg) return 1;
  HWND text = GetDlgItem(dlg, kTipText);
  const std::string tips = ReadAll(s.Path("TwTips.dat"));
  WaitFor([&] { return WindowText(text).size() > 25; }, 5000);
  const std::string first = WindowText(text);
  // The shown text is the heading and one tip: its plain words stand in the file (the file's
  // rich text may put a control word inside a word with an umlaut or a style change, so
  // count the ASCII words of four letters or more, not one fixed tail).
  Check(first.find("Wussten Sie schon?") != std::string::npos, "heading shown");
  int words = 0, found = 0;
  std::string word;
  for (char c : first.substr(first.find("schon?") + 6) + " ") {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      word += c;
      continue;
    }
    if (word.size() >= 4) {
      ++words;
      if (tips.find(word) != std::string::npos) ++found;
    }
    word.clear();
  }
  std::printf("tip words found in the file: %d of %d\n", found, words);
  Check(words >= 3 && found * 10 >= words * 8, "tip text comes from TwTips.dat");
  Check(IsDlgButtonChecked(dlg, kTipOnStart) == BST_CHECKED, "start box checked by TipOnStart");
  Responds(dlg);
  Sleep(300);  // let the buttons paint before the picture
  SaveScreen("Z:\\tmp\\tw-tip.bmp");
  Press(dlg, kTipNext);
  Check(WaitFor([&] { return WindowText(text) != first && WindowText(text).size() > 25; }, 5000),
        "Nächster Tip shows another tip");
  PostMessageA(GetDlgItem(dlg, kTipOnStart), BM_CLICK, 0, 0);
  Check(WaitFor([&] { return IsDlgButtonChecked(dlg, kTipOnStart) == BST_UNCHECKED; }, 5000), "box unchecked");
  Press(dlg, IDCANCEL);
  Check(WaitFor([&] { return !IsWindow(dlg); }, 10000), "Schließen closes");
  Check(IniValue("TipOnStart") == "0", "unchecking writes TipOnStart=0 at once");
  Check(s.Close(), "program closes");

  // Without the file the dialog still opens, empty, and the program goes on.
  DeleteFileA(s.Path("TwTips.dat").c_str());
  Check(s.Launch(ctx), "program starts again");
  dlg = s.Open(kTipOfTheDay, kTipNext);
  Check(dlg != nullptr, "tip dialog opens without TwTips.dat");
  if (dlg) {
    Check(!IsWindowEnabled(GetDlgItem(dlg, kTipNext)), "Nächster Tip disabled without tips");
    Check(WindowText(GetDlgItem(dlg, kTipText)).empty(), "no tip shown");
    Press(dlg, IDCANCEL);
    WaitFor([&] { return !IsWindow(dlg); }, 10000);
  }
  Check(Responds(s.frame), "frame still answers");
  Check(s.Close(), "program closes");
  return 0;
}

int PanelMenu(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "TipOnStart=0\r\n", true), "program starts with a person");
  HWND date = DateBarItem(s.WaitPerson(kDateEdit), kDateEdit);
  if (!date) return 1;
  SendMessageA(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12.03.2024"));
  PostMessageA(date, WM_CHAR, 13, 0);
  Responds(s.frame);
  HWND summary = s.PanelItem(kSummary);
  HWND panel = summary ? GetParent(summary) : nullptr;
  Check(panel != nullptr, "side panel found");
  if (!panel) return 1;
  RECT rc;
  GetWindowRect(panel, &rc);
  PostMessageA(panel, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel), MAKELPARAM(rc.left + 10, rc.top + 10));
  HWND menu = nullptr;
  Check(WaitFor([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menu); }, 5000),
        "menu 34 pops up");
  SaveScreen("Z:\\tmp\\tw-panel-menu.bmp");
  // "&Heute" by its mnemonic: the person window goes to today.
  SYSTEMTIME now;
  GetLocalTime(&now);
  char today[16];
  wsprintfA(today, "%02d.%02d.%04d", now.wDay, now.wMonth, now.wYear);
  PostMessageA(s.frame, WM_KEYDOWN, 'H', 0);
  PostMessageA(s.frame, WM_CHAR, 'h', 0);
  Check(WaitFor([&] { return !IsWindowVisible(menu); }, 5000), "menu closes on its mnemonic");
  Check(WaitFor([&] { return WindowText(date) == today; }, 5000), "Heute selects today");
  Check(s.Close(), "program closes");
  return 0;
}

}  // namespace

TW_E2E_CASE("special-days-edit", SpecialDaysEdit);
TW_E2E_CASE("special-days-cancel-locked", SpecialDaysCancelAndLocked);
TW_E2E_CASE("tip-of-the-day", TipOfTheDay);
TW_E2E_CASE("panel-menu", PanelMenu);
