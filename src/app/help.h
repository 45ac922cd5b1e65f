// Help: the program asks for topics by help command and context number; the pages are an
// HTML help set in the data folder's "help" directory, opened with the system's browser.
#pragma once

namespace tw {

enum class HelpRequest {
  Contents,     // HELP_FINDER / HELP_CONTENTS
  HelpOnHelp,   // HELP_HELPONHELP
  Context,      // HELP_CONTEXT: a topic by number
  Popup,        // HELP_CONTEXTPOPUP: a short text by number
};

// Opens help; `context` is the topic number the caller passes.
void OpenHelp(HelpRequest request, unsigned long context);
// Forgets any help state at exit.
void CloseHelp();

}  // namespace tw
