// About box at start and on command, the frame's splitter, help requests, and the two
// start failures that end the program: a missing resource library and a missing moon file.
#include <vector>

#include "dialogs/document_dialog_ids.h"
#include "e2e.h"
// after windows.h, which e2e.h brings
#include <commctrl.h>
#include "tw_ids.h"

namespace {

using namespace e2e;

// The help layer writes its requests here instead of starting a browser. Set for every
// program this driver starts, so no case opens a browser on the first start.
std::string HelpLogPath() {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  return std::string(tmp) + "tw-e2e-help-" + std::to_string(GetCurrentProcessId()) + ".log";
}
[[maybe_unused]] const bool g_helpLogSet = SetEnvironmentVariableA("TW_HELP_LOG", HelpLogPath().c_str()) != 0;

std::string ReadHelpLog() {
  std::string text;
  if (FILE* f = std::fopen(HelpLogPath().c_str(), "rb")) {
    char buf[1024];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
  }
  return text;
}

DWORD ProcessOf(HWND w) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  return pid;
}

// Top-level dialogs of the program that carry a control with `id`.
HWND FindDialogWith(const Program& p, int id) {
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, "#32770", nullptr)) != nullptr)
    if (ProcessOf(w) == p.pi.dwProcessId && IsWindowVisible(w) && GetDlgItem(w, id)) return w;
  return nullptr;
}

HWND WaitDialogWith(const Program& p, int id, DWORD ms) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindDialogWith(p, id)) != nullptr; }, ms);
  return found;
}

// Message boxes show their text in static 0xFFFF.
constexpr int kMessageText = 0xFFFF;

HWND FrameChild(HWND frame, int id) { return GetDlgItem(frame, id); }

HWND SidePanel(HWND frame) {
  HWND c = nullptr;
  while ((c = FindWindowExA(frame, c, "#32770", nullptr)) != nullptr) return c;
  return nullptr;
}

RECT RectIn(HWND parent, HWND w) {
  RECT r = {};
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int Width(const RECT& r) { return r.right - r.left; }

bool StartFresh(Program& p, const Context& ctx, std::string* workOut = nullptr) {
  std::string work = MakeWorkFolder();
  Check(CopyFolder(ctx.data, work), "data folder copied");
  DeleteFileA(IniPath().c_str());
  // Fresh settings but for the tip of the day, whose modal box would take the start.
  WritePrivateProfileStringA("TidewellGeneral", "TipOnStart", "0", IniPath().c_str());
  DeleteFileA(HelpLogPath().c_str());
  if (workOut) *workOut = work;
  bool ok = p.Start(ctx.exe, work);
  Check(ok, "program started");
  return ok;
}

// Starts the program on a fresh data copy and waits until the frame shows and the start
// picture is gone; nullptr when that fails.
HWND StartToFrame(Program& p, const Context& ctx) {
  if (!StartFresh(p, ctx)) return nullptr;
  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(frame != nullptr, "frame exists");
  if (!frame) return nullptr;
  Check(WaitFor([&] { return IsWindowVisible(frame) && FindDialogWith(p, IDC_ABOUT_LINE1) == nullptr; }, 20000),
        "frame shown, start picture gone");
  return frame;
}

bool CloseAndExit(Program& p, HWND frame) {
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  bool ended = p.WaitExit(30000, &code);
  Check(ended, "program ends after WM_CLOSE");
  Check(code == 0, "exit code 0");
  return ended && code == 0;
}

int AboutAtStartAndOnCommand(const Context& ctx) {
  Program p;
  if (!StartFresh(p, ctx)) return 1;
  HWND about = WaitDialogWith(p, IDC_ABOUT_LINE1, 20000);
  Check(about != nullptr, "about box shows as start picture");
  if (!about) return 1;
  DWORD shownAt = GetTickCount();
  Check(WindowText(GetDlgItem(about, IDC_ABOUT_LINE1)).rfind("Tidewell", 0) == 0, "first line from the resource library");
  RECT r;
  GetWindowRect(about, &r);
  Check(r.right - r.left == 400 && r.bottom - r.top == 300, "about box takes the picture's size 400 x 300");
  RECT last, first;
  GetWindowRect(GetDlgItem(about, IDC_ABOUT_LINE4), &last);
  GetWindowRect(GetDlgItem(about, IDC_ABOUT_LINE1), &first);
  Check(last.bottom == r.bottom - 11 && first.top < last.top, "lines stacked upward from the lower edge");

  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(frame != nullptr, "frame exists");
  if (!frame) return 1;
  bool gone = WaitFor([&] { return !IsWindow(about); }, 15000);
  DWORD shown = GetTickCount() - shownAt;
  Check(gone, "start picture closes by itself");
  Check(shown >= 3000, "start picture stays about 4 seconds");
  std::printf("start picture shown for %lu ms\n", static_cast<unsigned long>(shown));
  Check(IsWindowVisible(frame), "start went on and shows the frame");

  PostMessageA(frame, WM_COMMAND, IDM_ABOUT, 0);
  HWND again = WaitDialogWith(p, IDC_ABOUT_LINE1, 10000);
  Check(again != nullptr, "command 7404 opens the about box again");
  if (!again) return 1;
  Sleep(5000);  // bounded: longer than the start picture's 4 s
  Check(IsWindow(again), "opened by the command it stays longer than 4 seconds");
  PostMessageA(again, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  Check(WaitFor([&] { return !IsWindow(again); }, 5000), "a click closes it");
  // The system menu item takes the same way.
  PostMessageA(frame, WM_SYSCOMMAND, IDM_ABOUT, 0);
  HWND third = WaitDialogWith(p, IDC_ABOUT_LINE1, 10000);
  Check(third != nullptr, "system menu item 7404 opens it");
  if (third) {
    PostMessageA(third, WM_COMMAND, IDCANCEL, 0);
    Check(WaitFor([&] { return !IsWindow(third); }, 5000), "Escape closes it");
  }
  CloseAndExit(p, frame);
  return 0;
}

int AboutWithoutPicture(const Context& ctx) {
  Program p;
  std::string w = MakeWorkFolder();
  Check(CopyFolder(ctx.data, w), "data folder copied");
  Check(DeleteFileA((w + "\\Tidewell.bmp").c_str()) != 0, "picture removed from the copy");
  DeleteFileA(IniPath().c_str());
  if (!p.Start(ctx.exe, w)) return Check(false, "program started"), 1;
  HWND about = WaitDialogWith(p, IDC_ABOUT_LINE1, 20000);
  Check(about != nullptr, "about box shows without its picture");
  if (!about) return 1;
  RECT r;
  GetWindowRect(about, &r);
  std::printf("about box %ld x %ld\n", r.right - r.left, r.bottom - r.top);
  Check(r.right - r.left == 300 && r.bottom - r.top == 400, "it is 300 x 400 pixels");
  Check(WindowText(GetDlgItem(about, IDC_ABOUT_LINE2)).size() > 0, "its lines are there");
  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(WaitFor([&] { return !IsWindow(about); }, 15000), "and closes by itself");
  if (frame) CloseAndExit(p, frame);
  return 0;
}

void Drag(HWND bar, int dx) {
  PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 40));
  PostMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(static_cast<short>(1 + dx / 2)), 40));
  PostMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(static_cast<short>(1 + dx)), 40));
  PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(static_cast<short>(1 + dx)), 40));
}

int SplitterMovesThePanel(const Context& ctx) {
  Program p;
  if (!StartFresh(p, ctx)) return 1;
  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(frame != nullptr, "frame exists");
  if (!frame) return 1;
  Check(WaitFor([&] { return IsWindowVisible(frame) && FindDialogWith(p, IDC_ABOUT_LINE1) == nullptr; }, 20000),
        "frame shown, start picture gone");
  HWND bar = FrameChild(frame, IDC_FRAME_SPLITTER);
  HWND panel = SidePanel(frame);
  Check(bar != nullptr && panel != nullptr, "splitter 2044 and side panel found");
  if (!bar || !panel) return 1;
  RECT client;
  GetClientRect(frame, &client);
  int w = client.right;
  int barWidth = Width(RectIn(frame, bar));
  int before = Width(RectIn(frame, panel));
  std::printf("client %d, bar %d, panel %d\n", w, barWidth, before);

  // Far left: the bar stops in the middle of the client area.
  Drag(bar, -2000);
  Check(WaitFor([&] { return RectIn(frame, bar).left == w / 2; }, 5000), "bar stops at the middle");
  Check(WaitFor([&] { return Width(RectIn(frame, panel)) == w - w / 2 - barWidth; }, 5000),
        "panel takes the space right of the bar");
  // Far right: the panel keeps its minimum of 148.
  Drag(bar, 4000);
  Check(WaitFor([&] { return Width(RectIn(frame, panel)) == 148; }, 5000), "panel keeps at least 148 pixels");
  // A moderate drag to the left widens the panel by as much.
  Drag(bar, -100);
  Check(WaitFor([&] { return Width(RectIn(frame, panel)) == 248; }, 5000), "100 pixels left widen the panel to 248");
  Check(RectIn(frame, bar).right == RectIn(frame, panel).left, "bar sits against the panel");

  if (!CloseAndExit(p, frame)) return 1;
  int stored = GetPrivateProfileIntA("TidewellGeneral", "InfoWidth", -1, IniPath().c_str());
  std::printf("InfoWidth stored: %d\n", stored);
  Check(stored == 248, "InfoWidth 248 written at exit");
  return 0;
}

int HelpRequests(const Context& ctx) {
  Program p;
  HWND frame = StartToFrame(p, ctx);
  if (!frame) return 1;
  Check(ReadHelpLog().find("finder file:///") != std::string::npos, "first start of a new version opens the contents");

  // Context help on a menu command: a popup with the command's short text.
  PostMessageA(frame, WM_COMMAND, IDM_HELP_MODE, 0);
  PostMessageA(frame, WM_COMMAND, IDM_SELECTIONS, 0);
  HWND box = WaitDialogWith(p, kMessageText, 10000);
  Check(box != nullptr, "popup for command 7201 shows");
  if (box) {
    std::string text = WindowText(GetDlgItem(box, kMessageText));
    std::printf("popup: %s\n", text.c_str());
    Check(text.rfind("Auswahlen (Men", 0) == 0, "popup shows the selections command's text");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    Check(WaitFor([&] { return !IsWindow(box); }, 5000), "popup closes with OK");
  }
  // A recent-file item shares one popup number.
  PostMessageA(frame, WM_COMMAND, IDM_HELP_MODE, 0);
  PostMessageA(frame, WM_COMMAND, IDM_FILE_RECENT_FIRST + 4, 0);
  box = WaitDialogWith(p, kMessageText, 10000);
  if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
  Check(ReadHelpLog().find("popup 7106 ") != std::string::npos, "recent file 5 asks for popup 7106");

  // Context help on the splitter: its topic on the program window page.
  PostMessageA(frame, WM_COMMAND, IDM_HELP_MODE, 0);
  HWND bar = FrameChild(frame, IDC_FRAME_SPLITTER);
  if (bar) PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
  Check(WaitFor([&] { return ReadHelpLog().find("programmfenster.html#h8034") != std::string::npos; }, 5000),
        "splitter in context-help mode opens topic 8034");
  // Help on help and the window topic.
  PostMessageA(frame, WM_COMMAND, IDM_HELP_ON_HELP, 0);
  PostMessageA(frame, WM_COMMAND, IDM_HELP_WINDOW, 0);
  Check(WaitFor([&] {
          std::string log = ReadHelpLog();
          return log.find("helponhelp file:///") != std::string::npos && log.find("hilfe.html") != std::string::npos &&
                 log.find("#h750") != std::string::npos;
        }, 5000),
        "help on help and the window topic are asked for");
  std::printf("%s", ReadHelpLog().c_str());
  CloseAndExit(p, frame);
  return 0;
}

int MissingLibrary(const Context& ctx) {
  std::string work = MakeWorkFolder();
  std::string exe = work + "\\tidewell.exe";
  Check(CopyFileA(ctx.exe.c_str(), exe.c_str(), FALSE) != 0, "program copied alone");
  Program p;
  if (!p.Start(exe, work)) return Check(false, "program started"), 1;
  HWND box = WaitDialogWith(p, kMessageText, 30000);
  Check(box != nullptr, "a message box shows");
  if (!box) return 1;
  Check(WindowText(GetDlgItem(box, kMessageText)) == "Tw-L.dll not found", "it says Tw-L.dll not found");
  Check(WindowText(box) == "Tidewell", "with the built-in title");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  DWORD code = 1;
  Check(p.WaitExit(15000, &code), "program ends after OK");
  Check(code == 0, "exit code 0");
  return 0;
}

int MissingMoonFile(const Context& ctx) {
  Program p;
  std::string w = MakeWorkFolder();
  Check(CopyFolder(ctx.data, w), "data folder copied");
  Check(DeleteFileA((w + "\\Moon.dat").c_str()) != 0, "Moon.dat removed from the copy");
  DeleteFileA(IniPath().c_str());
  if (!p.Start(ctx.exe, w)) return Check(false, "program started"), 1;
  HWND box = WaitDialogWith(p, kMessageText, 30000);
  Check(box != nullptr, "message 3016 shows");
  if (!box) return 1;
  std::string text = WindowText(GetDlgItem(box, kMessageText));
  std::printf("message: %s\n", text.c_str());
  Check(text.find("Moon.dat") != std::string::npos, "it names Moon.dat");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  DWORD code = 1;
  Check(p.WaitExit(20000, &code), "program ends after OK");
  Check(code == 0, "exit code 0");
  return 0;
}

// The rectangle of toolbar button `index`, asked in the program's own memory.
bool ToolbarItemRect(const Program& p, HWND toolbar, int index, RECT* out) {
  void* remote = VirtualAllocEx(p.pi.hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  if (!remote) return false;
  DWORD_PTR ok = 0;
  SendMessageTimeoutA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000, &ok);
  SIZE_T got = 0;
  const bool read = ok && ReadProcessMemory(p.pi.hProcess, remote, out, sizeof(RECT), &got) && got == sizeof(RECT);
  VirtualFreeEx(p.pi.hProcess, remote, 0, MEM_RELEASE);
  return read;
}

int ToolbarIndex(HWND toolbar, int command) {
  DWORD_PTR index = static_cast<DWORD_PTR>(-1);
  SendMessageTimeoutA(toolbar, TB_COMMANDTOINDEX, command, 0, SMTO_ABORTIFHUNG, 5000, &index);
  return static_cast<int>(index);
}

// Screen pixels of a rectangle, as 0x00RRGGBB, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& r) {
  std::vector<COLORREF> out;
  HDC screen = GetDC(nullptr);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.push_back(GetPixel(screen, x, y));
  ReleaseDC(nullptr, screen);
  return out;
}

// Between the ConditionCombo and the first button the toolbar shows only its face: no
// separator line, and no more room than the small gap.
int ToolbarBesideTheCombo(const Context& ctx) {
  Program p;
  HWND frame = StartToFrame(p, ctx);
  if (!frame) return 1;
  HWND toolbar = FrameChild(frame, IDC_TOOLBAR);
  HWND combo = toolbar ? GetDlgItem(toolbar, IDC_CONDITION_COMBO) : nullptr;
  Check(combo != nullptr, "ConditionCombo on the toolbar");
  if (!combo) return 1;
  RECT button;
  Check(ToolbarItemRect(p, toolbar, ToolbarIndex(toolbar, IDM_FILE_NEW), &button), "first button's place");
  RECT comboRect = RectIn(toolbar, combo);
  std::printf("combo %ld..%ld, first button %ld..%ld\n", comboRect.left, comboRect.right, button.left, button.right);
  Check(button.left >= comboRect.right && button.left - comboRect.right <= 8, "the first button follows the combo");
  Sleep(500);
  RECT gap = {comboRect.right, button.top + 2, button.left, button.bottom - 2};
  MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&gap), 2);
  std::vector<COLORREF> px = ScreenPixels(gap);
  RECT face = {button.left, 1, button.left + 1, 2};  // above the button: the toolbar's face
  MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&face), 2);
  const COLORREF faceColour = ScreenPixels(face).empty() ? CLR_INVALID : ScreenPixels(face)[0];
  int other = 0;
  for (COLORREF c : px) other += c != faceColour;
  std::printf("gap %ld x %ld pixels, %d not the face colour %06lx\n", gap.right - gap.left, gap.bottom - gap.top, other,
              static_cast<unsigned long>(faceColour));
  Check(!px.empty() && other == 0, "no separator line beside the combo");
  CloseAndExit(p, frame);
  return 0;
}

// In context-help mode a toolbar button shows its command's popup instead of running it.
int HelpModeOnTheToolbar(const Context& ctx) {
  Program p;
  HWND frame = StartToFrame(p, ctx);
  if (!frame) return 1;
  HWND toolbar = FrameChild(frame, IDC_TOOLBAR);
  RECT button;
  Check(toolbar && ToolbarItemRect(p, toolbar, ToolbarIndex(toolbar, IDM_FILE_NEW), &button), "button Neu found");
  if (!toolbar) return 1;
  const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  PostMessageA(frame, WM_COMMAND, IDM_HELP_MODE, 0);
  PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(toolbar, WM_LBUTTONUP, 0, at);
  HWND box = WaitDialogWith(p, kMessageText, 10000);
  Check(ReadHelpLog().find("popup 7100 ") != std::string::npos, "the button asks for the popup of its command");
  Check(FindDialogWith(p, IDC_PERSON_NAME) == nullptr, "and does not open the person dialog");
  if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitFor([&] { return FindDialogWith(p, kMessageText) == nullptr; }, 5000);
  // The mode ended with that click: the next one runs the command.
  PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(toolbar, WM_LBUTTONUP, 0, at);
  HWND dlg = WaitDialogWith(p, IDC_PERSON_NAME, 10000);
  Check(dlg != nullptr, "after the help the button runs its command again");
  if (dlg) PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
  WaitFor([&] { return FindDialogWith(p, IDC_PERSON_NAME) == nullptr; }, 5000);
  CloseAndExit(p, frame);
  return 0;
}

}  // namespace

TW_E2E_CASE("about-start-and-command", AboutAtStartAndOnCommand);
TW_E2E_CASE("about-without-picture", AboutWithoutPicture);
TW_E2E_CASE("splitter-drag", SplitterMovesThePanel);
TW_E2E_CASE("help-requests", HelpRequests);
TW_E2E_CASE("missing-library", MissingLibrary);
TW_E2E_CASE("missing-moon-file", MissingMoonFile);
TW_E2E_CASE("toolbar-beside-combo", ToolbarBesideTheCombo);
TW_E2E_CASE("help-mode-toolbar", HelpModeOnTheToolbar);
