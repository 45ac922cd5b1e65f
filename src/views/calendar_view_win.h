// The moon calendar list's services beyond the view interface: navigation by code, the
// rows of the last paint, and the pieces the side panel shares with the painter.
#pragma once
#include <windows.h>

#include <string>

#include "doc/person_document.h"
#include "views/calendar_cells.h"
#include "views/calendar_layout.h"

namespace tw {

class RecoEvaluator;

// Moves the selection of a moon calendar window by a navigation code (0 today, 1 birthday,
// 2 `given`, 3 page back, 4 page forward, 5 day forward, 6 day back): moves the highlight
// or repaints the list. The caller shows the new day in the date edit and the side panel.
bool CalendarNavigate(HWND child, PersonDocument& doc, const RECT& area, int code, DayNumber given);

// The rows of the window's last finished paint, or nullptr before the first.
const CalendarRows* CalendarRowsOf(const PersonDocument& doc);
// Drops the list state of a document whose window closes.
void ForgetCalendarView(const PersonDocument& doc);

// Texts, fonts and date settings of screen cells from the current settings.
CellContext ScreenCellContext();
// Message `id` of the resource library, loaded once.
std::string CachedMessage(int id);
// Special days and the settings the recommendation texts follow.
void SetupEvaluator(RecoEvaluator& eval);

// Lays out and draws a rich-text document into `box` (pixels) of `dc` through the rich
// edit `engine`; returns the height used in twips.
int RenderRtfCell(HWND engine, HDC dc, const std::string& rtf, const RECT& box);

}  // namespace tw
