// About box at start and on command, the frame's splitter, help requests, and the two
// start failures that end the program: a missing resource library and a missing moon file.
#include <vector>

#include "e2e.h"

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
  DeleteFileA(HelpLogPath().c_str());
  if (workOut) *workOut = work;
  bool ok = p.Start(ctx.exe, work);
  Check(ok, "program started");
  return ok;
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
  HWND about = WaitDialogWith(p, 3003, 20000);
  Check(about != nullptr, "about box shows as start picture");
  if (!about) return 1;
  DWORD shownAt = GetTickCount();
  Check(WindowText(GetDlgItem(about, 3003)).rfind("Tidewell", 0) == 0, "first line from the resource library");
  RECT r;
  GetWindowRect(about, &r);
  Check(r.right - r.left == 400 && r.bottom - r.top == 300, "about box takes the picture's size 400 x 300");
  RECT last, first;
  GetWindowRect(GetDlgItem(about, 3006), &last);
  GetWindowRect(GetDlgItem(about, 3003), &first);
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

  PostMessageA(frame, WM_COMMAND, 7404, 0);
  HWND again = WaitDialogWith(p, 3003, 10000);
  Check(again != nullptr, "command 7404 opens the about box again");
  if (!again) return 1;
  Sleep(5000);  // bounded: longer than the start picture's 4 s
  Check(IsWindow(again), "opened by the command it stays longer than 4 seconds");
  PostMessageA(again, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  Check(WaitFor([&] { return !IsWindow(again); }, 5000), "a click closes it");
  // The system menu item takes the same way.
  PostMessageA(frame, WM_SYSCOMMAND, 7404, 0);
  HWND third = WaitDialogWith(p, 3003, 10000);
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
  HWND about = WaitDialogWith(p, 3003, 20000);
  Check(about != nullptr, "about box shows without its picture");
  if (!about) return 1;
  RECT r;
  GetWindowRect(about, &r);
  std::printf("about box %ld x %ld\n", r.right - r.left, r.bottom - r.top);
  Check(r.right - r.left == 300 && r.bottom - r.top == 400, "it is 300 x 400 pixels");
  Check(WindowText(GetDlgItem(about, 3004)).size() > 0, "its lines are there");
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
  Check(WaitFor([&] { return IsWindowVisible(frame) && FindDialogWith(p, 3003) == nullptr; }, 20000),
        "frame shown, start picture gone");
  HWND bar = FrameChild(frame, 2044);
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
  if (!StartFresh(p, ctx)) return 1;
  HWND frame = p.WaitWindow("TwFrame", 30000);
  if (!frame) return Check(false, "frame exists"), 1;
  Check(WaitFor([&] { return IsWindowVisible(frame) && FindDialogWith(p, 3003) == nullptr; }, 20000),
        "frame shown, start picture gone");
  Check(ReadHelpLog().find("finder file:///") != std::string::npos, "first start of a new version opens the contents");

  // Context help on a menu command: a popup with the command's short text.
  PostMessageA(frame, WM_COMMAND, 7402, 0);
  PostMessageA(frame, WM_COMMAND, 7201, 0);
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
  PostMessageA(frame, WM_COMMAND, 7402, 0);
  PostMessageA(frame, WM_COMMAND, 7110, 0);
  box = WaitDialogWith(p, kMessageText, 10000);
  if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
  Check(ReadHelpLog().find("popup 7106 ") != std::string::npos, "recent file 5 asks for popup 7106");

  // Context help on the splitter: its topic on the program window page.
  PostMessageA(frame, WM_COMMAND, 7402, 0);
  HWND bar = FrameChild(frame, 2044);
  if (bar) PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
  Check(WaitFor([&] { return ReadHelpLog().find("programmfenster.html#h8034") != std::string::npos; }, 5000),
        "splitter in context-help mode opens topic 8034");
  // Help on help and the window topic.
  PostMessageA(frame, WM_COMMAND, 7401, 0);
  PostMessageA(frame, WM_COMMAND, 7496, 0);
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

}  // namespace

TW_E2E_CASE("about-start-and-command", AboutAtStartAndOnCommand);
TW_E2E_CASE("about-without-picture", AboutWithoutPicture);
TW_E2E_CASE("splitter-drag", SplitterMovesThePanel);
TW_E2E_CASE("help-requests", HelpRequests);
TW_E2E_CASE("missing-library", MissingLibrary);
TW_E2E_CASE("missing-moon-file", MissingMoonFile);
