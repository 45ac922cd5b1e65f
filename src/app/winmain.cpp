// Program entry: start-up in a fixed order, the message loop, and the release of
// everything at the end.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <cstdlib>

#include "app/app.h"
#include "app/frame.h"
#include "app/help.h"
#include "app/startup.h"
#include "core/command_line.h"
#include "tw_ids.h"

using namespace tw;

namespace {

constexpr int kSmallIcon = 16;  // pixels of the title bar icons

bool RegisterClasses(HINSTANCE inst) {
  App& app = TheApp();
  HICON frameIcon = LoadIconA(inst, MAKEINTRESOURCEA(IDI_FRAME));
  HICON personIcon = LoadIconA(inst, MAKEINTRESOURCEA(IDI_PERSON));
  HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  auto smallIcon = [&](int id) {
    return static_cast<HICON>(LoadImageA(inst, MAKEINTRESOURCEA(id), IMAGE_ICON, kSmallIcon, kSmallIcon, 0));
  };
  WNDCLASSEXA ex = {};
  ex.cbSize = sizeof ex;
  ex.hInstance = inst;
  ex.hCursor = arrow;
  ex.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);

  ex.style = CS_HREDRAW | CS_VREDRAW;
  ex.lpfnWndProc = FrameWndProc;
  ex.hIcon = frameIcon;
  ex.hIconSm = smallIcon(IDI_FRAME);
  ex.lpszClassName = kFrameClass;
  if (!RegisterClassExA(&ex)) return false;

  ex.style = CS_DBLCLKS;
  ex.lpfnWndProc = ChildWndProc;
  ex.cbWndExtra = sizeof(LONG_PTR);
  ex.hIcon = personIcon;
  ex.hIconSm = smallIcon(IDI_PERSON);
  ex.lpszClassName = kChildClass;
  if (!RegisterClassExA(&ex)) return false;

  for (const auto& extra : ExtraWindowClasses()) {
    WNDCLASSA wc = {};
    wc.style = extra.style;
    wc.lpfnWndProc = extra.proc;
    wc.cbWndExtra = extra.extraBytes;
    wc.hInstance = inst;
    wc.hIcon = extra.withIcon ? personIcon : nullptr;
    wc.hCursor = arrow;
    wc.hbrBackground = extra.withBackground ? reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1) : nullptr;
    wc.lpszClassName = extra.name;
    if (!RegisterClassA(&wc)) return false;
  }
  (void)app;
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int show) {
  App& app = TheApp();
  app.instance = instance;
  app.startTick = GetTickCount();

  // One instance: the running one comes to the front, this one ends. One that is ending is
  // waited for, so a document double-clicked right after closing the program still opens.
  HWND other = nullptr;
  while ((other = FindWindowA(kFrameClass, nullptr)) != nullptr && WaitForEndingInstance(other)) {
  }
  if (other) {
    if (IsIconic(other)) ShowWindow(other, SW_SHOWDEFAULT);
    BringWindowToTop(other);
    SetForegroundWindow(other);
    return 0;
  }
  const std::string fileArg = CommandLineFileName(cmdLine);

  ReadLocaleValues(app);
  LoadCursors(app);
  if (!RegisterClasses(instance)) return 0;

  app.library = LoadLibraryA("Tw-L.dll");
  if (!app.library) {
    MessageBoxA(nullptr, "Tw-L.dll not found", app.productTitle, MB_ICONHAND);
    return 0;
  }
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  char title[sizeof app.productTitle];
  if (LoadLibString(TWM_PRODUCT_TITLE, title, sizeof title) > 0) lstrcpynA(app.productTitle, title, sizeof title);
  app.mainMenu = LoadMenuA(app.library, MAKEINTRESOURCEA(IDR_MAIN_MENU));
  if (!app.mainMenu) {
    FreeLibrary(app.library);
    return 0;
  }

  if (!ReadEarlySettings(app)) {
    ReleaseEarly(app);
    return 0;
  }
  app.richEdit = LoadLibraryA("RICHED32.DLL");

  app.frame = CreateWindowExA(0, kFrameClass, app.productTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!app.frame || !app.mdiClient) {
    if (app.frame) DestroyWindow(app.frame);
    ReleaseEarly(app);
    return 0;
  }
  app.aboutAsStartPicture = true;  // 4 s at start, 40 s afterwards
  SendMessageA(app.frame, WM_COMMAND, IDM_ABOUT, 0);

  FinishStart(app, show, fileArg.c_str());

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (HelpModeFilter(msg)) continue;
    if (app.propertySheet && PropSheet_IsDialogMessage(app.propertySheet, &msg)) continue;
    if (app.sidePanel && IsDialogMessageA(app.sidePanel, &msg)) continue;
    if (app.accelerators && TranslateAcceleratorA(app.frame, app.accelerators, &msg)) continue;
    if (app.mdiClient && TranslateMDISysAccel(app.mdiClient, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  ReleaseAfterLoop(app);
  return static_cast<int>(msg.wParam);
}
