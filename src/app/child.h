// Person windows ("TwChild"): one per open person document, owning it.
#pragma once
#include <windows.h>

#include <memory>

#include "doc/person_document.h"

namespace tw {

// The document of a person window, or nullptr.
PersonDocument* ChildDocument(HWND child);
PersonDocument* ActiveDocument();
bool ActiveChildShowsCalendar();
// Creates the MDI child for `doc` (which it then owns); nullptr on failure.
HWND CreatePersonWindow(std::unique_ptr<PersonDocument> doc);
// Repaints every person window (after options or special days changed).
void RepaintChildWindows();

}  // namespace tw
