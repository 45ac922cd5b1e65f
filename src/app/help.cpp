#include "app/help.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "app/app.h"

namespace tw {

void OpenHelp(HelpRequest request, unsigned long context) {
  App& app = TheApp();
  char page[MAX_PATH];
  switch (request) {
    case HelpRequest::Contents:
      std::snprintf(page, sizeof page, "%shelp\\index.html", app.dataDir.c_str());
      break;
    case HelpRequest::HelpOnHelp:
      std::snprintf(page, sizeof page, "%shelp\\hilfe.html", app.dataDir.c_str());
      break;
    default:
      std::snprintf(page, sizeof page, "%shelp\\%lu.html", app.dataDir.c_str(), context);
      break;
  }
  if (GetFileAttributesA(page) == INVALID_FILE_ATTRIBUTES) return;
  ShellExecuteA(app.frame, "open", page, nullptr, nullptr, SW_SHOWNORMAL);
}

void CloseHelp() {}

}  // namespace tw
