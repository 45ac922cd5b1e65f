// The recent-file list in the settings and its eight items in the file menu.
#include <string>

#include "app/app.h"
#include "app/commands.h"
#include "app/documents.h"
#include "doc/recent_files.h"
#include "tw_ids.h"

namespace tw {

namespace {

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

CommandRegistrar g_recentCommands({IDM_FILE_RECENT_FIRST, IDM_FILE_RECENT_LAST, RunRecent, nullptr, nullptr});

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
  const RecentList list = ReadRecentFiles(app.profile);
  for (int i = 0; i < kRecentCount; ++i) {
    const std::string text = RecentMenuText(i, list[i], app.dataDir);
    ModifyMenuA(menu, IDM_FILE_RECENT_FIRST + i, MF_BYCOMMAND | MF_STRING, IDM_FILE_RECENT_FIRST + i, text.c_str());
  }
}

}  // namespace tw
