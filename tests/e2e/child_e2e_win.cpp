// Person windows: the title, the date bar following the keyboard and the scroll bar, the
// switch between chart and moon calendar, and a frame with two persons for people to see.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_file.h"
#include "e2e.h"
#include "remote_win.h"

namespace {

using namespace e2e;

constexpr int kDateEdit = 2071, kValueLine = 2070, kRhythmCombo = 2061, kDateScroll = 2075;
constexpr int kSwitch = 7210, kToolbar = 2043;
constexpr int kSawtooth = 7211, kHigherCurves = 7213, kOnlyReco = 7219;

std::string MakeDocument(const std::string& work, const char* file, const char* name, int birthYear) {
  tw::PersonDocument doc;
  tw::DocumentDefaults defaults;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2024, 1, 1}, defaults);
  doc.header.SetName(name);
  doc.header.SetBirthday(tw::DayFromDate(birthYear, 3, 14));
  doc.header.SetNotesStart(tw::DayFromDate(2024, 1, 1));
  tw::RecordingSink sink;
  const std::string path = work + "\\" + file;
  Check(tw::SavePersonFile(doc, path, sink), "test document written");
  return path;
}

// A person born on 14 March of `birthYear` in a chart window with its date bar.
struct Session : FrameSession {
  HWND child = nullptr;
  std::string doc;

  bool Start(const Context& ctx, const char* file, const char* name, int birthYear) {
    Prepare(ctx, "Liste=0\r\nTipOnStart=0\r\nStartLastFile=0\r\n");
    doc = MakeDocument(work, file, name, birthYear);
    if (!Launch(ctx, doc) || !(child = WaitPerson(kValueLine))) return false;
    return WaitFor([&] { return DateBarItem(child, kDateEdit) != nullptr; }, 5000);
  }
};

// Posts a key to the person window and waits until the date edit shows something else.
std::string KeyAndRead(HWND child, HWND edit, UINT vk, const std::string& before) {
  PostMessageA(child, WM_KEYDOWN, vk, 0);
  Responds(child);
  WaitFor([&] { return WindowText(edit) != before; }, 3000);
  return WindowText(edit);
}

bool ButtonChecked(HWND toolbar, int id) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(toolbar, TB_ISBUTTONCHECKED, id, 0, SMTO_ABORTIFHUNG, 5000, &r);
  return r != 0;
}

bool ButtonEnabled(HWND toolbar, int id) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(toolbar, TB_ISBUTTONENABLED, id, 0, SMTO_ABORTIFHUNG, 5000, &r);
  return r != 0;
}

int TitleAndKeys(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "anna.twd", "Anna Beispiel", 1970), "person window with its date bar appears");
  if (!s.child) return 1;
  Check(WindowText(s.child).find("Anna Beispiel") != std::string::npos, "window title holds the person's name");
  // A new person window sits at the top left of the client with its width, and its
  // controls are clipped out of its paints.
  RECT client{}, placed{};
  GetClientRect(s.MdiClient(), &client);
  GetWindowRect(s.child, &placed);
  MapWindowPoints(nullptr, s.MdiClient(), reinterpret_cast<POINT*>(&placed), 2);
  if (!IsZoomed(s.child)) {
    Check(placed.left == 0 && placed.top == 0, "person window at the client's top left");
    Check(placed.right - placed.left == client.right, "person window as wide as the client");
  }
  Check((GetWindowLongA(s.child, GWL_STYLE) & WS_CLIPCHILDREN) != 0, "person window clips its controls");

  HWND edit = DateBarItem(s.child, kDateEdit);
  WaitFor([&] { return !WindowText(edit).empty(); }, 5000);
  const std::string today = WindowText(edit);
  Check(!today.empty(), "date edit shows the selected day");
  Check(DateBarItem(s.child, kValueLine) && IsWindowVisible(DateBarItem(s.child, kValueLine)),
        "chart mode shows the ValueLine");
  Check(DateBarItem(s.child, kRhythmCombo) && IsWindowVisible(DateBarItem(s.child, kRhythmCombo)),
        "chart mode shows the rhythm combo");

  // The rhythm combo: none, the seven rhythms, the average, the average of the first two.
  HWND combo = DateBarItem(s.child, kRhythmCombo);
  DWORD_PTR count = 0;
  SendMessageTimeoutA(combo, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  Check(count == 10, "rhythm combo holds ten entries");
  // Item texts cannot be read across processes under Wine: their lengths can.
  auto itemLength = [combo](int i) {
    DWORD_PTR n = 0;
    SendMessageTimeoutA(combo, CB_GETLBTEXTLEN, i, 0, SMTO_ABORTIFHUNG, 5000, &n);
    return static_cast<int>(n);
  };
  Check(itemLength(1) == 6, "second entry is the first rhythm's name, Körper");
  Check(itemLength(9) == itemLength(8) + 4, "last entry is the average with \" K-S\"");

  const std::string next = KeyAndRead(s.child, edit, VK_RIGHT, today);
  Check(next != today, "Right moves to the next day");
  const std::string back = KeyAndRead(s.child, edit, VK_LEFT, next);
  Check(back == today, "Left moves back to the same day");
  const std::string down = KeyAndRead(s.child, edit, VK_DOWN, back);
  Check(down == next, "Down moves one day forward like Right");
  const std::string page = KeyAndRead(s.child, edit, VK_NEXT, down);
  Check(page != down && page != today, "Page Down moves on by a page");
  const std::string home = KeyAndRead(s.child, edit, VK_HOME, page);
  Check(home == today, "Home selects today again");

  // A date before the birthday, committed with Enter, selects the birthday.
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1.1.1960"));
  PostMessageA(edit, WM_CHAR, '\r', 0);
  Responds(s.child);
  WaitFor([&] { return WindowText(edit).find("1970") != std::string::npos; }, 3000);
  Check(WindowText(edit).find("1970") != std::string::npos, "a date before the birthday selects the birthday");
  Check(WindowText(edit).find("14") != std::string::npos, "the birthday's day shows");

  // The scroll bar's thumb selects today.
  HWND scroll = DateBarItem(s.child, kDateScroll);
  PostMessageA(GetParent(scroll), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 80), reinterpret_cast<LPARAM>(scroll));
  Responds(s.child);
  WaitFor([&] { return WindowText(edit) == today; }, 3000);
  Check(WindowText(edit) == today, "the scroll bar's thumb selects today");
  Check(s.Close(), "program ends");
  return 0;
}

int ModeSwitch(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "bert.twd", "Bert Beispiel", 1985), "person window appears");
  if (!s.child) return 1;
  HWND toolbar = GetDlgItem(s.frame, kToolbar);
  Check(toolbar != nullptr, "toolbar found");
  HWND valueLine = DateBarItem(s.child, kValueLine);
  Check(!ButtonChecked(toolbar, kSwitch), "chart mode: the switch button is not checked");
  Check(!ButtonEnabled(toolbar, kOnlyReco), "chart mode: only-days-with-recommendations is disabled");
  Check(ButtonEnabled(toolbar, kHigherCurves) && ButtonEnabled(toolbar, kSawtooth),
        "chart mode: the chart options are enabled");
  const bool higher = ButtonChecked(toolbar, kHigherCurves);
  s.Command(kHigherCurves);
  Responds(s.frame);
  WaitFor([&] { return ButtonChecked(toolbar, kHigherCurves) != higher; }, 3000);
  Check(ButtonChecked(toolbar, kHigherCurves) != higher, "higher curves toggles its button");

  s.Command(kSwitch);
  Responds(s.frame);
  WaitFor([&] { return ButtonChecked(toolbar, kSwitch); }, 3000);
  Check(ButtonChecked(toolbar, kSwitch), "moon calendar mode: the switch button is checked");
  Check(!IsWindowVisible(valueLine), "the moon calendar hides the ValueLine");
  Check(ButtonEnabled(toolbar, kOnlyReco), "moon calendar: only-days-with-recommendations is enabled");
  Check(!ButtonEnabled(toolbar, kHigherCurves), "moon calendar: the chart options are disabled");
  HWND header = FindWindowExA(s.child, nullptr, WC_HEADERA, nullptr);
  Check(header && IsWindowVisible(header), "the moon calendar shows its list header");
  // The list navigates itself; the date bar follows it.
  HWND edit = DateBarItem(s.child, kDateEdit);
  const std::string today = WindowText(edit);
  const std::string next = KeyAndRead(s.child, edit, VK_DOWN, today);
  Check(next != today, "Down in the list moves to the next day");
  const std::string home = KeyAndRead(s.child, edit, VK_HOME, next);
  Check(home == today, "Home in the list selects today");

  s.Command(kSwitch);
  Responds(s.frame);
  WaitFor([&] { return !ButtonChecked(toolbar, kSwitch); }, 3000);
  Check(!ButtonChecked(toolbar, kSwitch), "back in chart mode the button is not checked");
  Check(IsWindowVisible(valueLine), "the chart shows the ValueLine again");
  Check(!IsWindowVisible(header), "the chart hides the list header");
  Check(s.Close(), "program ends");
  return 0;
}

// Opens `path` through the open dialog, up to its window's date bar.
bool OpenThroughDialog(Session& s, const std::string& path) {
  return s.OpenFile(path) && WaitFor(
                                 [&] {
                                   auto list = s.PersonWindows();
                                   return list.size() >= 2 && DateBarItem(list[0], kDateEdit) &&
                                          DateBarItem(list[1], kDateEdit);
                                 },
                                 15000);
}

int TwoWindows(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "clara.twd", "Clara Beispiel", 1975), "first person window appears");
  if (!s.child) return 1;
  const std::string second = MakeDocument(s.work, "dora.twd", "Dora Beispiel", 1992);
  // A maximized window makes the next one start maximized.
  SendMessageA(s.MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(s.child), 0);
  Responds(s.frame);
  Check(IsZoomed(s.child) != 0, "first window maximized");
  // Minimized, it no longer makes the MDI client maximize a new window by itself; the
  // style the last sizing left must.
  PostMessageA(s.child, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Check(WaitFor([&] { return IsIconic(s.child) != 0; }, 5000), "first window minimized");
  Check(OpenThroughDialog(s, second), "second person window opens");
  auto windows = s.PersonWindows();
  Check(windows.size() == 2, "two person windows");
  HWND newest = nullptr;
  for (HWND w : windows)
    if (w != s.child) newest = w;
  Check(newest && IsZoomed(newest), "the second window starts maximized");
  SendMessageA(s.MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(s.child), 0);
  SendMessageA(s.MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(newest), 0);
  PostMessageA(s.MdiClient(), WM_MDITILE, MDITILE_VERTICAL, 0);
  Responds(s.frame);
  // The second one shows the moon calendar, so both views are on the picture.
  s.Command(kSwitch);
  for (HWND w : windows) Responds(w);
  WaitFor([] { return false; }, 1500);  // let both views finish painting
  std::string exe = ctx.exe;
  std::string dir = exe.substr(0, exe.find_last_of('\\') + 1);
  Check(SaveScreen(dir + "child_two_windows.bmp"), "screenshot saved");
  Check(s.Close(), "program ends");
  return 0;
}

constexpr int kPersonData = 7202, kPersonBirthday = 2053, kPersonDescription = 2055, kPanelSummary = 2301;

// "Alter: 21123 Tage" of the side panel's summary, or the empty string.
std::string AgeShown(const Session& s) {
  const std::string text = WindowText(s.PanelItem(kPanelSummary));
  const size_t at = text.find("Alter:");
  return at == std::string::npos ? std::string() : text.substr(at, text.find("Tage", at) - at);
}

// The save question: Cancel keeps the window, Yes saves before the program closes.
int SaveQuestion(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "emil.twd", "Emil Beispiel", 1966), "person window appears");
  if (!s.child) return 1;

  WaitFor([&] { return !AgeShown(s).empty(); }, 5000);
  const std::string age = AgeShown(s);
  Check(!age.empty(), "the side panel shows the person's age");

  // Change the person through the person dialog, so the document is modified; a birthday
  // a year later changes the age the side panel shows.
  s.Command(kPersonData);
  HWND dlg = WaitDialogWith(s.program, kPersonDescription, 10000);
  Check(dlg != nullptr, "person dialog opens");
  if (!dlg) return 1;
  SendMessageA(GetDlgItem(dlg, kPersonDescription), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Neu beschrieben"));
  SendMessageA(GetDlgItem(dlg, kPersonBirthday), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("14.03.1967"));
  PostMessageA(dlg, WM_COMMAND, IDOK, 0);
  Check(WaitFor([&] { return !IsWindow(dlg); }, 5000), "person dialog closes");
  Check(WaitFor([&] { return !AgeShown(s).empty() && AgeShown(s) != age; }, 5000),
        "the side panel shows the new age");

  PostMessageA(s.child, WM_CLOSE, 0, 0);
  HWND box = WaitDialogWith(s.program, IDCANCEL, 10000);
  Check(box != nullptr, "closing the window asks whether to save");
  if (!box) return 1;
  Check(MessageText(box).find("Emil Beispiel") != std::string::npos,
        "the question names the person");
  PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  WaitFor([&] { return !IsWindow(box); }, 5000);
  Responds(s.frame);
  Check(IsWindow(s.child) && s.PersonWindows().size() == 1, "Cancel keeps the window open");

  PostMessageA(s.frame, WM_CLOSE, 0, 0);
  box = WaitDialogWith(s.program, IDYES, 10000);
  Check(box != nullptr, "closing the program asks again");
  if (!box) return 1;
  PostMessageA(box, WM_COMMAND, IDYES, 0);
  DWORD code = 1;
  Check(s.program.WaitExit(30000, &code), "Yes saves and the program ends");

  tw::PersonDocument doc;
  tw::RecordingSink sink;
  const bool loaded = tw::LoadPersonFile(s.doc, doc, tw::DocumentDefaults{}, nullptr, sink) == tw::LoadStatus::kOk;
  Check(loaded, "saved file reads back");
  Check(doc.header.Description() == "Neu beschrieben", "the change was saved before closing");
  return 0;
}

}  // namespace

TW_E2E_CASE("child-title-keys", TitleAndKeys);
TW_E2E_CASE("child-mode-switch", ModeSwitch);
TW_E2E_CASE("child-two-windows", TwoWindows);
TW_E2E_CASE("child-save-question", SaveQuestion);
