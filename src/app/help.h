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

// What a dialog tells about its help: the topic of its help button (IDC_DIALOG_HELP) and
// the popups of its controls.
struct DialogHelpTable {
  unsigned long topic;   // 0: the dialog has no help button
  const DWORD* popups;   // (control id, help context) pairs ended by (0, 0)
};
// The end every dialog procedure shares, called for what the dialog's own handlers left:
// IDCANCEL ends the dialog with 0, the help button opens the topic, WM_HELP shows the
// popup of the control under the request. Returns what the procedure returns.
INT_PTR DialogTail(HWND dlg, UINT msg, WPARAM wp, LPARAM lp, const DialogHelpTable& help);
// The library's texts for the OK, Cancel and help buttons of a dialog.
void LocalizeDialogButtons(HWND dlg);

// Context-help mode ("Direkthilfe"): the next click on a part of the frame shows that
// part's help instead of acting on it; Escape ends the mode. The mode is one filter in
// the message loop, so no window of the frame needs to know of it.
void EnterHelpMode();
void LeaveHelpMode();
bool HelpModeOn();
HCURSOR HelpModeCursor();
// Runs before a message of the loop is translated or dispatched; true when the mode took
// it.
bool HelpModeFilter(const MSG& msg);
// A command chosen while the mode is on (menu, accelerator, toolbar) shows its popup and
// ends the mode; true when it did.
bool HelpModeCommand(int id);

}  // namespace tw
