// Person windows ("TwChild"): one per open person document, owning it.
#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "doc/person_document.h"
#include "views/calendar_layout.h"

namespace tw {

// The document of a person window, or nullptr.
PersonDocument* ChildDocument(HWND child);
PersonDocument* ActiveDocument();
bool ActiveChildShowsCalendar();
// Creates the MDI child for `doc` (which it then owns) with its controls, in the mode
// the document's flags give (set 0x80 before for the key Liste), at the top left with the
// client's width; nullptr on failure, which the caller reports. A window whose controls
// cannot be made is destroyed again.
HWND CreatePersonWindow(std::unique_ptr<PersonDocument> doc);
// Builds the DateBar, its controls and the list header of a person window again (the
// window procedure keeps them); false when a control could not be made.
bool CreateChildControls(HWND child, bool showNow);
// Puts the DateBar at the bottom: full height for the chart, half for the moon calendar.
void PlaceDateBar(HWND child);
// The list header of a person window (moon calendar mode), or nullptr.
HWND ChildListHeader(HWND child);

// Repaints every person window (after options or special days changed).
void RepaintChildWindows();
// Fills every rhythm combo again after the rhythm names changed.
void ReloadRhythmCombos();
// The options sheet's view options, day size and DayMark labels (red, yellow, "+", "x",
// "-"); on every window when ApplyToAllWindows is on, else on the active one.
void ApplyViewOptions(ViewFlags flags, int32_t daySize, const std::array<std::string, 5>& markLabels);
// After a display font change: without `create` the controls go, with it they come back.
void RebuildChildControls(bool create);

// The selected day changed: `previous` -1 recomputes the view and the side panel. Shows
// the day in the date edit, repaints the ValueLine, refreshes the side panel and moves
// the view so the day stays in it.
void SelectionChanged(HWND child, DayNumber previous);
// Moves the selected day by `code`; `day` is the day kMoveGiven goes to.
void MoveSelection(HWND child, MoveCode code, DayNumber day = 0);
// Asks whether to save a modified person; false when the user cancelled (or the save
// failed, so that the changes are not lost).
bool AskSaveChild(HWND child);

}  // namespace tw
