#include "app/frame.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/app.h"
#include "app/documents.h"
#include "app/help.h"
#include "app/side_panel.h"
#include "app/startup.h"
#include "core/frame_layout.h"
#include "tw_ids.h"

namespace tw {

namespace {

WNDPROC g_mdiClientProc = nullptr;
WNDPROC g_comboProc = nullptr;

// Image index per toolbar command, after the separator that keeps room for the
// ConditionCombo.
struct ToolButton {
  int image;
  int command;
  BYTE style;
};
constexpr ToolButton kButtons[] = {
    {0, IDM_FILE_NEW, TBSTYLE_BUTTON},       {1, IDM_FILE_OPEN, TBSTYLE_BUTTON},
    {2, IDM_FILE_SAVE, TBSTYLE_BUTTON},      {3, IDM_FILE_PRINT, TBSTYLE_BUTTON},
    {-1, 0, TBSTYLE_SEP},                    {4, IDM_OPTIONS, TBSTYLE_BUTTON},
    {-1, 0, TBSTYLE_SEP},                    {5, IDM_VIEW_SWITCH, TBSTYLE_CHECK},
    {-1, 0, TBSTYLE_SEP},                    {6, IDM_VIEW_ONLY_RECO, TBSTYLE_CHECK},
    {-1, 0, TBSTYLE_SEP},                    {7, IDM_VIEW_SAWTOOTH, TBSTYLE_CHECK},
    {8, IDM_VIEW_SPECIAL_RANGES, TBSTYLE_CHECK}, {9, IDM_VIEW_HIGHER_CURVES, TBSTYLE_CHECK},
    {10, IDM_PARTNER, TBSTYLE_BUTTON},       {-1, 0, TBSTYLE_SEP},
    {11, IDM_PREV_MATCH, TBSTYLE_BUTTON},    {12, IDM_NEXT_MATCH, TBSTYLE_BUTTON},
    {-1, 0, TBSTYLE_SEP},                    {13, IDM_HELP_CONTENTS, TBSTYLE_BUTTON},
    {14, IDM_HELP_MODE, TBSTYLE_BUTTON},
};
constexpr int kToolbarImages = 15;
constexpr int kButtonSize = 20;  // pixels, images and buttons alike
constexpr int kComboX = 2, kComboY = 2;
constexpr int kComboGap = 4;               // between the combo and the first button
constexpr int kComboDefaultWidth = 180;    // without a screen device context
constexpr int kComboDropHeight = 250;
constexpr char kComboSample[] = "1234567890ABCDEFGHIJ";
constexpr int kMinTrackWidth = 520, kMinTrackHeight = 380;
constexpr int kWindowMenuPosition = 2;  // of the main menu: the MDI window list

// The ConditionCombo's width: the sample text in the small font.
int ConditionComboWidth() {
  int width = kComboDefaultWidth;
  if (HDC dc = GetDC(nullptr)) {
    HGDIOBJ old = SelectObject(dc, TheApp().smallFont);
    SIZE sz;
    if (GetTextExtentPoint32A(dc, kComboSample, lstrlenA(kComboSample), &sz)) width = sz.cx;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
  }
  return width;
}

// One separator as wide as the combo keeps its room: several narrow ones would show
// their lines beside it wherever their sum and the combo's width differ.
HWND CreateToolbar(HWND frame, int comboRoom) {
  App& app = TheApp();
  TBBUTTON buttons[1 + sizeof kButtons / sizeof kButtons[0]] = {};
  int n = 0;
  buttons[n++] = {comboRoom, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {}, 0, 0};
  for (const ToolButton& b : kButtons)
    buttons[n++] = {b.image < 0 ? 0 : b.image, b.command, TBSTATE_ENABLED, b.style, {}, 0, 0};
  return CreateToolbarEx(frame, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, IDC_TOOLBAR, kToolbarImages,
                         app.instance, IDB_TOOLBAR, buttons, n, kButtonSize, kButtonSize, kButtonSize,
                         kButtonSize, sizeof(TBBUTTON));
}

LRESULT CALLBACK MdiClientProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) UpdateToolbarStates();
  return CallWindowProcA(g_mdiClientProc, wnd, msg, wp, lp);
}

LRESULT CALLBACK ComboProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  App& app = TheApp();
  if (msg >= WM_MOUSEMOVE && msg <= WM_LBUTTONUP) {
    HWND tips = reinterpret_cast<HWND>(SendMessageA(app.toolbar, TB_GETTOOLTIPS, 0, 0));
    if (tips) {
      MSG m = {wnd, msg, wp, lp, 0, {}};
      SendMessageA(tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
    }
  } else if (msg == WM_CHAR && wp == '\t') {
    if (app.activeChild) SetFocus(app.activeChild);
    return 0;
  }
  return CallWindowProcA(g_comboProc, wnd, msg, wp, lp);
}

void CreateConditionCombo(int width) {
  App& app = TheApp();
  app.conditionCombo = CreateWindowExA(
      0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | CBS_DROPDOWNLIST | CBS_SORT | CBS_HASSTRINGS,
      kComboX, kComboY, width, kComboDropHeight, app.toolbar,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CONDITION_COMBO)), app.instance, nullptr);
  if (!app.conditionCombo) return;
  SendMessageA(app.conditionCombo, WM_SETFONT, reinterpret_cast<WPARAM>(app.smallFont), FALSE);
  g_comboProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(app.conditionCombo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboProc)));
  if (HWND tips = reinterpret_cast<HWND>(SendMessageA(app.toolbar, TB_GETTOOLTIPS, 0, 0))) {
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = app.frame;
    ti.uId = reinterpret_cast<UINT_PTR>(app.conditionCombo);
    ti.hinst = app.instance;
    ti.lpszText = MAKEINTRESOURCEA(IDC_CONDITION_COMBO);
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

void CreateBrushes() {
  App& app = TheApp();
  for (int i = 0; i < kBrushColours; ++i) {
    app.brushes[i] = CreateSolidBrush(PALETTEINDEX(i));
    uint32_t c = app.settings.colours.entry[i];
    app.brushes[kBrushColours + i] = CreateSolidBrush(RGB(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
  }
}

bool OnCreate(HWND frame) {
  App& app = TheApp();
  app.frame = frame;
  SetMenu(frame, app.mainMenu);
  if (HMENU sys = GetSystemMenu(frame, FALSE)) {
    AppendMenuA(sys, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(sys, MF_STRING, IDM_ABOUT, LoadLibString(TWM_SYSMENU_ABOUT).c_str());
  }
  CLIENTCREATESTRUCT ccs = {GetSubMenu(app.mainMenu, kWindowMenuPosition), IDM_WINDOW_CHILD_FIRST};
  app.mdiClient = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                  0, 0, 0, 0, frame, nullptr, app.instance, &ccs);
  if (!app.mdiClient) return false;
  g_mdiClientProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(app.mdiClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MdiClientProc)));
  ShowWindow(app.mdiClient, SW_SHOW);

  CreateBrushes();
  const int comboWidth = ConditionComboWidth();
  app.toolbar = CreateToolbar(frame, kComboX + comboWidth + kComboGap);
  if (app.toolbar) CreateConditionCombo(comboWidth);

  app.splitter = CreateWindowExA(0, kSplitterClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FRAME_SPLITTER)),
                                 app.instance, nullptr);
  if (app.splitter) SetWindowLongPtrA(app.splitter, 0, 0);  // vertical bar
  CreateSidePanel(frame);
  BuildRecentMenu(frame);
  return true;
}

void OnDropFiles(HDROP drop) {
  App& app = TheApp();
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count && CountChildren() < kMaxChildren; ++i) {
    DragQueryFileA(drop, i, app.fileName, sizeof app.fileName);
    SendMessageA(app.frame, WM_COMMAND, IDM_FILE_OPEN_NAMED, 0);
  }
  DragFinish(drop);
  if (CountChildren() >= kMaxChildren) DragAcceptFiles(app.frame, FALSE);
}

void OnSplitterMoved(HWND frame) {
  App& app = TheApp();
  RECT client, bar;
  GetClientRect(frame, &client);
  GetWindowRect(app.splitter, &bar);
  MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&bar), 2);
  app.settings.infoWidth = InfoWidthAfterSplit(client.right, bar.right);
  LayoutFrame();
}

// Tooltip texts are the library strings of the command numbers, the combo's its own.
LRESULT OnNotify(NMHDR* hdr) {
  if (hdr->code != TTN_NEEDTEXTA) return 0;
  auto* tt = reinterpret_cast<TOOLTIPTEXTA*>(hdr);
  static char text[128];
  int id = static_cast<int>(hdr->idFrom);
  if (tt->uFlags & TTF_IDISHWND) id = IDC_CONDITION_COMBO;
  LoadLibString(id, text, sizeof text);
  tt->lpszText = text;
  return 0;
}

void OnInitMenu(HMENU menu) {
  if (HelpModeOn())
    SetCursor(HelpModeCursor());
  else
    UpdateMenuStates(menu);
}

bool OnSysCommand(HWND frame, WPARAM wp) {
  if ((wp & 0xFFF0) == SC_CLOSE || (wp & 0xFFF0) == SC_DEFAULT) {
    HandleCommand(frame, IDM_FILE_EXIT, nullptr, 0);
    return true;
  }
  if (wp == IDM_ABOUT) {
    HandleCommand(frame, IDM_ABOUT, nullptr, 0);
    return true;
  }
  return false;
}

void OnCommand(HWND frame, WPARAM wp, LPARAM lp) {
  const int id = LOWORD(wp);
  HWND control = reinterpret_cast<HWND>(lp);
  // Menus and accelerators come without a control, toolbar buttons from the toolbar.
  if ((!control || control == TheApp().toolbar) && HelpModeCommand(id)) return;
  HandleCommand(frame, id, control, HIWORD(wp));
}

void OnClose(HWND frame) {
  App& app = TheApp();
  app.closing = true;
  if (!CloseAllChildren()) {
    app.closing = false;
    return;
  }
  DragAcceptFiles(frame, FALSE);
  Shutdown(app);
}

}  // namespace

bool CloseAllChildren() {
  App& app = TheApp();
  // Ask for every modified person first; one cancel keeps all windows open.
  for (HWND c = FirstChild(); c; c = NextChild(c))
    if (!SendMessageA(c, WM_QUERYENDSESSION, 0, 0)) return false;
  ShowWindow(app.mdiClient, SW_HIDE);
  while (HWND c = FirstChild()) SendMessageA(app.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(c), 0);
  ShowWindow(app.mdiClient, SW_SHOW);
  return true;
}

void LayoutFrame() {
  App& app = TheApp();
  if (!app.toolbar) return;
  SendMessageA(app.toolbar, TB_AUTOSIZE, 0, 0);
  RECT client, tb;
  GetClientRect(app.frame, &client);
  GetWindowRect(app.toolbar, &tb);
  MapWindowPoints(nullptr, app.frame, reinterpret_cast<POINT*>(&tb), 2);
  FrameLayout l = ComputeFrameLayout(client.right, client.bottom, tb.bottom, app.settings.infoWidth,
                                     GetSystemMetrics(SM_CXFRAME), app.sidePanel != nullptr);
  MoveWindow(app.mdiClient, l.clientX, l.top, l.clientWidth, l.height, TRUE);
  if (app.splitter) {
    MoveWindow(app.splitter, l.splitterX, l.top, l.splitterWidth, l.height, TRUE);
    SetWindowLongPtrA(app.splitter, sizeof(LONG_PTR), l.dragMin);              // lowest position
    SetWindowLongPtrA(app.splitter, 2 * sizeof(LONG_PTR), l.dragMax - l.dragMin);  // range
  }
  if (app.sidePanel) MoveWindow(app.sidePanel, l.panelX, l.top, l.panelWidth, l.height, TRUE);
  app.settings.infoWidth = l.panelWidth;
}

int CountChildren() {
  int n = 0;
  for (HWND c = FirstChild(); c && n < kMaxChildren; c = NextChild(c)) ++n;
  return n;
}

static bool IsPersonWindow(HWND w) {
  App& app = TheApp();
  if (GetParent(w) != app.mdiClient) return false;
  if (GetWindow(w, GW_OWNER)) return false;  // icon title windows
  char cls[32];
  GetClassNameA(w, cls, sizeof cls);
  return lstrcmpA(cls, kChildClass) == 0;
}

HWND FirstChild() {
  App& app = TheApp();
  if (!app.mdiClient) return nullptr;
  HWND w = GetWindow(app.mdiClient, GW_CHILD);
  while (w && !IsPersonWindow(w)) w = GetWindow(w, GW_HWNDNEXT);
  return w;
}

HWND NextChild(HWND child) {
  HWND w = GetWindow(child, GW_HWNDNEXT);
  while (w && !IsPersonWindow(w)) w = GetWindow(w, GW_HWNDNEXT);
  return w;
}

LRESULT CALLBACK FrameWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  App& app = TheApp();
  switch (msg) {
    case WM_CREATE:
      return OnCreate(wnd) ? 0 : -1;
    case WM_SIZE:
      if (wp != SIZE_MINIMIZED && app.toolbar) LayoutFrame();
      return 0;
    case kMsgFrameSplitterMoved:
    case kMsgOtherSplitterMoved:
      OnSplitterMoved(wnd);
      return 0;
    case WM_GETMINMAXINFO: {
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMinTrackSize.x = kMinTrackWidth;
      mm->ptMinTrackSize.y = kMinTrackHeight;
      return 0;
    }
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lp)->code == TTN_NEEDTEXTA) return OnNotify(reinterpret_cast<NMHDR*>(lp));
      break;
    case WM_INITMENU:
      OnInitMenu(reinterpret_cast<HMENU>(wp));
      return 0;
    case WM_SETCURSOR:
      // Children that leave their cursor to the default ask here first.
      if (HelpModeOn()) {
        SetCursor(HelpModeCursor());
        return TRUE;
      }
      break;
    case WM_ACTIVATE:
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wp));
      return 0;
    case WM_SYSCOMMAND:
      if (OnSysCommand(wnd, wp)) return 0;
      break;
    case WM_COMMAND:
      OnCommand(wnd, wp, lp);
      return 0;
    case WM_CLOSE:
      OnClose(wnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefFrameProcA(wnd, app.mdiClient, msg, wp, lp);
}

}  // namespace tw
