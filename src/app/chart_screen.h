// The biorhythm chart on the screen: the thin wrapper around the painter (busy check,
// off-screen buffer, selection marker, view state).
#pragma once
#include <windows.h>

#include "app/child_window.h"

namespace tw {

// Paints the chart into `area` of the window's `dc`; false when the user was busy and the
// paint is left for later (the caller repaints once, after a pause).
bool PaintChartScreen(ChildWindow& cw, HDC dc, const RECT& area);
// The shown days follow the selected day: inside them only the inverted column moves,
// otherwise the chart scrolls and paints again.
void ChartFollowSelection(ChildWindow& cw);

}  // namespace tw
