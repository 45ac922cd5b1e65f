// Help: the program asks for topics by help command and context number, as it would ask
// WinHelp. When the file named by the HelpFile setting exists in the data folder, WinHelp
// is asked exactly so; otherwise the HTML help set in the data folder's "help" directory
// answers: topics open in the system's browser at the page and anchor of their number,
// popups show the short text of that anchor in a message box.
//
// With the environment variable TW_HELP_LOG naming a file, every request is appended to
// that file as one line ("finder", "helponhelp", "context N URL", "popup N TEXT") and no
// browser is started; the end-to-end tests read it.
#pragma once
#include <windows.h>

namespace tw {

enum class HelpRequest {
  Contents,     // HELP_FINDER / HELP_CONTENTS
  HelpOnHelp,   // HELP_HELPONHELP
  Context,      // HELP_CONTEXT: a topic by number
  Popup,        // HELP_CONTEXTPOPUP: a short text by number
  Quit,         // HELP_QUIT
};

// Opens help; `context` is the topic number the caller passes.
void OpenHelp(HelpRequest request, unsigned long context);
// The same with a WinHelp command (HELP_FINDER, HELP_CONTENTS, HELP_HELPONHELP,
// HELP_CONTEXT, HELP_CONTEXTPOPUP, HELP_QUIT); other commands are ignored.
void OpenHelpCommand(UINT command, ULONG_PTR data);
// A dialog's answer to WM_HELP: `table` holds (control id, help context) pairs ended by
// (0, 0); the control under the help request gets the popup of its context.
void DialogHelp(const HELPINFO* info, const DWORD* table);
// Closes WinHelp at exit.
void CloseHelp();

}  // namespace tw
