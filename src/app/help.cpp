#include "app/help.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "app/app.h"
#include "app/child.h"
#include "core/help_map.h"
#include "dialogs/document_dialog_ids.h"
#include "tw_ids.h"

namespace tw {

namespace {

bool g_winHelpUsed = false;

bool FileExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string HelpFileName() {
  App& app = TheApp();
  return app.dataDir + app.settings.helpFile;
}

// A real WinHelp file is used as such; anything else falls to the HTML set.
bool UseWinHelp() {
  std::string name = HelpFileName();
  size_t n = name.size();
  if (n < 4 || lstrcmpiA(name.c_str() + n - 4, ".hlp") != 0) return false;
  return FileExists(name);
}

std::string HelpDir() {
  std::string rel = TheApp().dataDir + kHelpDir;
  char full[MAX_PATH];
  DWORD n = GetFullPathNameA(rel.c_str(), sizeof full, full, nullptr);
  return (n > 0 && n < sizeof full) ? std::string(full) : rel;
}

// The log named by TW_HELP_LOG, or empty: then the browser opens.
std::string LogFile() {
  char path[MAX_PATH];
  DWORD n = GetEnvironmentVariableA("TW_HELP_LOG", path, sizeof path);
  return (n > 0 && n < sizeof path) ? std::string(path) : std::string();
}

void Log(const std::string& line) {
  std::string file = LogFile();
  if (file.empty()) return;
  if (FILE* f = std::fopen(file.c_str(), "ab")) {
    std::fprintf(f, "%s\r\n", line.c_str());
    std::fclose(f);
  }
}

std::string ReadPage(const std::string& path) {
  std::string text;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0 && text.size() < (1u << 20)) text.append(buf, n);
    std::fclose(f);
  }
  return text;
}

void OpenPage(const char* page, const std::string& anchor, const char* logLine) {
  App& app = TheApp();
  std::string dir = HelpDir();
  std::string path = dir + "\\" + page;
  if (!FileExists(path)) {
    ShowMessage(kMsgWarning, TWM_FILE_OPEN_FAILED, {path});
    return;
  }
  std::string url = HelpFileUrl(dir, page, anchor);
  Log(std::string(logLine) + (logLine[0] ? " " : "") + url);
  if (!LogFile().empty()) return;
  auto rc = reinterpret_cast<INT_PTR>(ShellExecuteA(app.frame, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  // Some shells take no URL for a file; the page without its anchor is better than nothing.
  if (rc <= 32) ShellExecuteA(app.frame, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowTopic(unsigned long context) {
  const char* page = HelpPageFor(static_cast<uint32_t>(context));
  std::string line = "context " + std::to_string(context);
  if (page)
    OpenPage(page, HelpAnchor(static_cast<uint32_t>(context)), line.c_str());
  else
    OpenPage(kHelpIndexPage, "", line.c_str());
}

void ShowPopup(HWND owner, unsigned long context) {
  App& app = TheApp();
  const char* page = HelpPageFor(static_cast<uint32_t>(context));
  std::string text;
  if (page) text = HelpSummary(ReadPage(HelpDir() + "\\" + page), HelpAnchor(static_cast<uint32_t>(context)));
  Log("popup " + std::to_string(context) + " " + text);
  if (text.empty()) return;  // nothing to say beats an empty box
  MessageBoxA(owner ? owner : app.frame, text.c_str(), app.productTitle, MB_OK | MB_ICONINFORMATION);
}

void WinHelpCall(HWND owner, UINT command, ULONG_PTR data) {
  std::string name = HelpFileName();
  if (command == HELP_CONTEXT) name += ">Topic";
  g_winHelpUsed = true;
  WinHelpA(owner ? owner : TheApp().frame, name.c_str(), command, data);
}

}  // namespace

void OpenHelp(HelpRequest request, unsigned long context) {
  if (request == HelpRequest::Quit) {
    CloseHelp();
    return;
  }
  if (UseWinHelp()) {
    switch (request) {
      case HelpRequest::Contents:
        WinHelpCall(nullptr, HELP_FINDER, 0);
        break;
      case HelpRequest::HelpOnHelp:
        WinHelpCall(nullptr, HELP_HELPONHELP, 0);
        break;
      case HelpRequest::Context:
        WinHelpCall(nullptr, HELP_CONTEXT, context);
        break;
      default:
        WinHelpCall(nullptr, HELP_CONTEXTPOPUP, context);
        break;
    }
    return;
  }
  switch (request) {
    case HelpRequest::Contents:
      OpenPage(kHelpIndexPage, "", "finder");
      break;
    case HelpRequest::HelpOnHelp:
      OpenPage(kHelpOnHelpPage, "", "helponhelp");
      break;
    case HelpRequest::Context:
      ShowTopic(context);
      break;
    default:
      ShowPopup(GetActiveWindow(), context);
      break;
  }
}

void OpenHelpCommand(UINT command, ULONG_PTR data) {
  switch (command) {
    case HELP_FINDER:
    case HELP_CONTENTS:
      OpenHelp(HelpRequest::Contents, 0);
      break;
    case HELP_HELPONHELP:
      OpenHelp(HelpRequest::HelpOnHelp, 0);
      break;
    case HELP_CONTEXT:
      OpenHelp(HelpRequest::Context, static_cast<unsigned long>(data));
      break;
    case HELP_CONTEXTPOPUP:
      OpenHelp(HelpRequest::Popup, static_cast<unsigned long>(data));
      break;
    case HELP_QUIT:
      CloseHelp();
      break;
  }
}

void DialogHelp(const HELPINFO* info, const DWORD* table) {
  if (!info || !table || info->iContextType != HELPINFO_WINDOW) return;
  HWND control = static_cast<HWND>(info->hItemHandle);
  if (UseWinHelp()) {
    WinHelpCall(control, HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(table));
    return;
  }
  for (const DWORD* p = table; p[0] != 0 || p[1] != 0; p += 2) {
    if (static_cast<int>(p[0]) == info->iCtrlId) {
      ShowPopup(GetAncestor(control, GA_ROOT), p[1]);
      return;
    }
  }
}

INT_PTR DialogTail(HWND dlg, UINT msg, WPARAM wp, LPARAM lp, const DialogHelpTable& help) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, 0);
        return TRUE;
      }
      if (LOWORD(wp) == IDC_DIALOG_HELP && help.topic) {
        OpenHelp(HelpRequest::Context, help.topic);
        return TRUE;
      }
      break;
    case WM_HELP:
      DialogHelp(reinterpret_cast<const HELPINFO*>(lp), help.popups);
      return TRUE;
  }
  return FALSE;
}

void LocalizeDialogButtons(HWND dlg) {
  static const int kButtons[] = {-1, 0, IDOK, TWM_OK, IDCANCEL, TWM_CANCEL, IDC_DIALOG_HELP, TWM_HELP_BUTTON, 0, -1};
  LocalizeDialog(dlg, kButtons);
}

namespace {

// The person window that holds `w`, or nullptr.
HWND PersonWindowOf(HWND w) {
  for (HWND p = w; p && p != TheApp().mdiClient; p = GetParent(p)) {
    char cls[32];
    if (GetClassNameA(p, cls, sizeof cls) && lstrcmpA(cls, kChildClass) == 0) return p;
  }
  return nullptr;
}

bool IsWithin(HWND w, HWND part) {
  for (HWND p = w; p; p = GetParent(p))
    if (p == part) return true;
  return false;
}

// The help a click on `w` at `lp` (its client coordinates) asks for; false for a part
// that has none, which then gets the click as usual.
bool ShowHelpForClick(HWND w, LPARAM lp) {
  App& app = TheApp();
  if (app.conditionCombo && IsWithin(w, app.conditionCombo)) return false;
  if (w == app.toolbar) {
    POINT pt = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    int index = static_cast<int>(SendMessageA(app.toolbar, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)));
    TBBUTTON b = {};
    if (index < 0 || !SendMessageA(app.toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b)) ||
        (b.fsStyle & TBSTYLE_SEP))
      return false;
    LeaveHelpMode();
    OpenHelp(HelpRequest::Popup, HelpPopupContext(b.idCommand));
    return true;
  }
  if (HWND child = PersonWindowOf(w)) {
    const PersonDocument* doc = ChildDocument(child);
    LeaveHelpMode();
    OpenHelp(HelpRequest::Context, doc && (doc->viewFlags & kViewMoonList) ? HID_MOON_WINDOW : HID_BIO_WINDOW);
    return true;
  }
  if (w == app.splitter || (app.sidePanel && IsWithin(w, app.sidePanel))) {
    LeaveHelpMode();
    OpenHelp(HelpRequest::Context, HID_WINDOW_PARTS);
    return true;
  }
  if (w == app.mdiClient) {
    LeaveHelpMode();
    OpenHelp(HelpRequest::Contents, 0);
    return true;
  }
  return false;
}

}  // namespace

void EnterHelpMode() {
  TheApp().helpMode = true;
  SetCursor(HelpModeCursor());
}

void LeaveHelpMode() {
  App& app = TheApp();
  if (!app.helpMode) return;
  app.helpMode = false;
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

bool HelpModeOn() { return TheApp().helpMode; }

HCURSOR HelpModeCursor() {
  HCURSOR c = TheApp().cursors[IDC_HELP_MODE - kFirstAppCursor];
  return c ? c : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HELP));
}

bool HelpModeFilter(const MSG& msg) {
  App& app = TheApp();
  if (!app.helpMode || !msg.hwnd || GetAncestor(msg.hwnd, GA_ROOT) != app.frame) return false;
  switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      // After the window under the mouse has set its own cursor.
      SetCursor(HelpModeCursor());
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return ShowHelpForClick(msg.hwnd, msg.lParam);
    case WM_KEYDOWN:
      if (msg.wParam != VK_ESCAPE) return false;
      LeaveHelpMode();
      return true;
  }
  return false;
}

bool HelpModeCommand(int id) {
  if (!HelpModeOn()) return false;
  LeaveHelpMode();
  if (id == IDM_HELP_CONTENTS)
    OpenHelp(HelpRequest::Contents, 0);
  else
    OpenHelp(HelpRequest::Popup, HelpPopupContext(id));
  return true;
}

void CloseHelp() {
  if (!g_winHelpUsed) return;
  g_winHelpUsed = false;
  WinHelpA(TheApp().frame, HelpFileName().c_str(), HELP_QUIT, 0);
}

}  // namespace tw
