// The recent-file list in the settings and its eight items in the file menu.
#include <string>

#include "app/app.h"
#include "app/commands.h"
#include "app/documents.h"
#include "doc/recent_files.h"
#include "tw_ids.h"

namespace tw {

namespace {

bool g_menuBuilt = false;

void Store(const RecentList& list) {
  App& app = TheApp();
  WriteRecentFiles(app.profile, list);
  for (int i = 0; i < kRecentCount; ++i) app.settings.recentFiles[i] = list[i];
}

void RunRecent(int id) {
  const int index = id - IDM_FILE_RECENT_FIRST;
  const RecentList list = ReadRecentFiles(TheApp().profile);
  const std::string name = list[index];
  if (name.empty()) return;
  lstrcpynA(TheApp().fileName, name.c_str(), sizeof TheApp().fileName);
  bool cancelled = false;
  // A refused password says nothing about the file, so the entry stays.
  if (!OpenDocumentFile(name, &cancelled) && !cancelled) RemoveRecentFile(index);
}

// The items are always enabled. Asked for first when the file menu opens, the predicate
// also fills their texts if the frame has not done so yet.
bool RecentEnabled(int) {
  if (!g_menuBuilt) BuildRecentMenu(TheApp().frame);
  return true;
}

CommandRegistrar g_recentCommands({IDM_FILE_RECENT_FIRST, IDM_FILE_RECENT_LAST, RunRecent, RecentEnabled, nullptr});

}  // namespace

void AddRecentFile() {
  App& app = TheApp();
  RecentList list = ReadRecentFiles(app.profile);
  if (AddRecent(list, app.fileName)) Store(list);
  BuildRecentMenu(app.frame);
}

void RemoveRecentFile(int index) {
  App& app = TheApp();
  RecentList list = ReadRecentFiles(app.profile);
  RemoveRecent(list, index);
  Store(list);
  BuildRecentMenu(app.frame);
}

void BuildRecentMenu(HWND frame) {
  App& app = TheApp();
  HMENU menu = frame ? GetMenu(frame) : nullptr;
  if (!menu) menu = app.mainMenu;
  if (!menu) return;
  g_menuBuilt = true;
  // An empty data path stands for the current directory.
  std::string dataDir = app.dataDir;
  if (dataDir.empty()) {
    char cwd[MAX_PATH] = {};
    DWORD n = GetCurrentDirectoryA(sizeof cwd, cwd);
    if (n > 0 && n < sizeof cwd) dataDir = std::string(cwd) + (cwd[n - 1] == '\\' ? "" : "\\");
  }
  const RecentList list = ReadRecentFiles(app.profile);
  for (int i = 0; i < kRecentCount; ++i) {
    const std::string text = RecentMenuText(i, list[i], dataDir);
    ModifyMenuA(menu, IDM_FILE_RECENT_FIRST + i, MF_BYCOMMAND | MF_STRING, IDM_FILE_RECENT_FIRST + i, text.c_str());
  }
}

}  // namespace tw
