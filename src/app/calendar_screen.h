// The moon calendar on the screen: the thin wrapper around the painter (busy check,
// off-screen buffer, highlight, view state, side panel) and the list's navigation.
#pragma once
#include <windows.h>

#include <string>

#include "app/child_window.h"
#include "views/calendar_cells.h"
#include "views/child_layout.h"

namespace tw {

class RecoEvaluator;

// Paints the list into `area` of the window's `dc`; false when the user was busy and the
// paint is left for later (the caller repaints once, after a pause).
bool PaintCalendarScreen(ChildWindow& cw, HDC dc, const RECT& area);
// Moves the selection by `code`: moves the highlight or repaints the list. The caller
// shows the new day in the date edit and the side panel.
void CalendarNavigate(ChildWindow& cw, MoveCode code, DayNumber given);
// A click at `pt` selects the day of that row; a point past the last row counts as it.
void CalendarClick(ChildWindow& cw, POINT pt);

// The user is busy when a control of the window holds the mouse, or input waits: a view
// then gives way and paints later.
bool UserIsBusy(HWND child);
// A move is computed on what the screen shows: a paint still waiting is done first, and
// that paint does not give way to input.
void PaintPendingNow(ChildWindow& cw);

// Texts, fonts and date settings of screen cells from the current settings.
CellContext ScreenCellContext();
// Message `id` of the resource library, loaded once.
std::string CachedMessage(int id);
// Special days and the settings the recommendation texts follow.
void SetupEvaluator(RecoEvaluator& eval);

}  // namespace tw
