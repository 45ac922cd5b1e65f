#include "app/commands.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "app/app.h"
#include "app/frame.h"
#include "app/help.h"
#include "app/child.h"
#include "app/side_panel.h"
#include "core/settings.h"
#include "tw_ids.h"

namespace tw {

namespace {

std::vector<CommandHandler>& Registry() {
  static std::vector<CommandHandler> handlers;
  return handlers;
}

// The MDI client numbers its window list items itself.
constexpr int kWindowListItems = 16;

bool HasChild(int) { return ActiveChild() != nullptr; }

void RunExit(int) { SendMessageA(TheApp().frame, WM_CLOSE, 0, 0); }

void RunWindowArrangement(int id) {
  App& app = TheApp();
  switch (id) {
    case IDM_TILE_VERTICAL:
      SendMessageA(app.mdiClient, WM_MDITILE, MDITILE_VERTICAL, 0);
      break;
    case IDM_TILE_HORIZONTAL:
      SendMessageA(app.mdiClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
      break;
    case IDM_CASCADE:
      SendMessageA(app.mdiClient, WM_MDICASCADE, 0, 0);
      break;
    case IDM_ARRANGE_ICONS:
      SendMessageA(app.mdiClient, WM_MDIICONARRANGE, 0, 0);
      break;
  }
}

void RunCloseAll(int) { CloseAllChildren(); }

void RunHelp(int id) {
  switch (id) {
    case IDM_HELP_CONTENTS:
      OpenHelp(HelpRequest::Contents, 0);
      break;
    case IDM_HELP_ON_HELP:
      OpenHelp(HelpRequest::HelpOnHelp, 0);
      break;
    case IDM_HELP_MODE:
    case IDM_HELP_MODE_KEY:
      EnterHelpMode();
      break;
    case IDM_HELP_WINDOW:
      OpenHelp(HelpRequest::Context, ActiveChildShowsCalendar() ? HID_MOON_WINDOW : HID_BIO_WINDOW);
      break;
  }
}

void RunExternal(int) {
  char line[256];
  GetProfileTextByName(TheApp().profile, "Show", "File", line, sizeof line, "");
  if (line[0]) WinExec(line, SW_SHOWNORMAL);
}

CommandRegistrar g_frameCommands[] = {
    CommandRegistrar({IDM_FILE_EXIT, IDM_FILE_EXIT, RunExit, nullptr, nullptr}),
    CommandRegistrar({IDM_TILE_VERTICAL, IDM_ARRANGE_ICONS, RunWindowArrangement, HasChild, nullptr}),
    CommandRegistrar({IDM_CLOSE_ALL, IDM_CLOSE_ALL, RunCloseAll, HasChild, nullptr}),
    CommandRegistrar({IDM_HELP_CONTENTS, IDM_HELP_MODE, RunHelp, nullptr, nullptr}),
    CommandRegistrar({IDM_HELP_WINDOW, IDM_HELP_WINDOW, RunHelp, nullptr, nullptr}),
    CommandRegistrar({IDM_HELP_MODE_KEY, IDM_HELP_MODE_KEY, RunHelp, nullptr, nullptr}),
    CommandRegistrar({IDM_RUN_EXTERNAL, IDM_RUN_EXTERNAL, RunExternal, nullptr, nullptr}),
};

}  // namespace

CommandRegistrar::CommandRegistrar(const CommandHandler& h) { Registry().push_back(h); }

const CommandHandler* FindCommand(int id) {
  for (const auto& h : Registry())
    if (id >= h.first && id <= h.last) return &h;
  return nullptr;
}

bool CommandAvailable(int id) { return FindCommand(id) != nullptr; }

bool CommandEnabled(int id) {
  const CommandHandler* h = FindCommand(id);
  if (!h) return false;
  return !h->enabled || h->enabled(id);
}

bool CommandChecked(int id) {
  const CommandHandler* h = FindCommand(id);
  return h && h->checked && h->checked(id);
}

HWND ActiveChild() {
  App& app = TheApp();
  if (!app.mdiClient) return nullptr;
  HWND w = reinterpret_cast<HWND>(SendMessageA(app.mdiClient, WM_MDIGETACTIVE, 0, 0));
  return w;
}

void HandleCommand(HWND frame, int id, HWND control, int notify) {
  App& app = TheApp();
  if (control && control == app.conditionCombo) {
    if (notify == CBN_SELCHANGE) ConditionComboChanged();
    return;
  }
  const CommandHandler* h = FindCommand(id);
  if (h) {
    if (!h->enabled || h->enabled(id)) h->run(id);
  } else {
    DefFrameProcA(frame, app.mdiClient, WM_COMMAND, MAKEWPARAM(id, notify), reinterpret_cast<LPARAM>(control));
  }
  UpdateToolbarStates();
}

void UpdateMenuStates(HMENU menu) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      UpdateMenuStates(sub);
      continue;
    }
    int id = static_cast<int>(GetMenuItemID(menu, i));
    if (id <= 0 || (id >= IDM_WINDOW_CHILD_FIRST && id < IDM_WINDOW_CHILD_FIRST + kWindowListItems)) continue;
    EnableMenuItem(menu, i, MF_BYPOSITION | (CommandEnabled(id) ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, i, MF_BYPOSITION | (CommandChecked(id) ? MF_CHECKED : MF_UNCHECKED));
  }
}

void UpdateToolbarStates() {
  App& app = TheApp();
  if (app.closing || !app.toolbar) return;
  RefreshSidePanel();
  int count = static_cast<int>(SendMessageA(app.toolbar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON b;
    if (!SendMessageA(app.toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b))) continue;
    if (b.fsStyle & TBSTYLE_SEP) continue;
    SendMessageA(app.toolbar, TB_ENABLEBUTTON, b.idCommand, MAKELONG(CommandEnabled(b.idCommand), 0));
    SendMessageA(app.toolbar, TB_CHECKBUTTON, b.idCommand, MAKELONG(CommandChecked(b.idCommand), 0));
  }
}

}  // namespace tw
