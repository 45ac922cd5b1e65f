// Person documents in the shell: new, open (dialog, command line, drops, recent files),
// save and save as, the person and password dialogs, and the recent-file menu items.
#pragma once
#include <windows.h>

#include <string>

#include "doc/person_document.h"

namespace tw {

// Opens `name` and creates its window; false when nothing was opened. A cancelled or wrong
// password counts as not opened but `cancelled` is then set.
bool OpenDocumentFile(const std::string& name, bool* cancelled = nullptr);
// Saves to the document's file, or through the save dialog when it has none.
bool SaveDocument(HWND child);
bool SaveDocumentAs(HWND child);

// A day in the default date format (the locale's order, four-digit year).
std::string FormatDefaultDate(DayNumber day);
// Window title: name, " - ", birthday, and the read-only note for a read-only document.
std::string PersonWindowTitle(const PersonDocument& doc);

// Dialogs; each returns true on OK.
bool RunPersonDialog(PersonDocument& doc);
bool RunPasswordDialog(const PersonDocument& doc);
bool RunPasswordRepeatDialog(const std::string& newPassword);

// Recent files: the shared file-name buffer goes to the top; entry `index` is dropped;
// the menu items IDM_FILE_RECENT_FIRST..LAST show the list.
void AddRecentFile();
void RemoveRecentFile(int index);
void BuildRecentMenu(HWND frame);

}  // namespace tw
