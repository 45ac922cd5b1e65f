// What a person window asks of its two views. The moon calendar view and the biorhythm
// chart implement these; the window calls them for painting and input in its view area.
#pragma once
#include <windows.h>

#include "doc/person_document.h"

namespace tw {

// Paints the view of `doc` into `area` of `dc` (screen; the print job calls the same
// painters with its own device context).
void PaintCalendarView(HWND child, HDC dc, PersonDocument& doc, const RECT& area);
void PaintChartView(HWND child, HDC dc, PersonDocument& doc, const RECT& area);

// Keyboard navigation in the moon calendar (arrows, Page Up/Down, Home, End): true when
// the key was handled. The view moves doc.selectedDay and repaints what it must.
bool CalendarKeyDown(HWND child, PersonDocument& doc, const RECT& area, UINT vk);
// A click in the calendar list at `pt`: selects the day of that row; true when handled.
bool CalendarClick(HWND child, PersonDocument& doc, const RECT& area, POINT pt);

}  // namespace tw
