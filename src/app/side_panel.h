// The side panel beside the person windows: a modeless child dialog (template 63) with the
// moon picture, the day summary, the glyph legend and the note of the selected day.
#pragma once
#include <windows.h>

namespace tw {

void CreateSidePanel(HWND frame);
// Brings the panel up to date with the active person window's selected day; nothing is
// rebuilt while window and day are the ones shown.
void RefreshSidePanel();
// Builds the summary and the note again even for the window and day shown (after the
// person's data changed).
void RebuildSidePanelSummary();
// Builds summary, legend and layout again (after options or settings changed).
void RebuildSidePanel();
// Gives the panel's text fields the display font (after the options changed it) and builds
// their texts again in it.
void SetSidePanelFont(HFONT font);

// Condition combo of the toolbar (selections or curve conditions).
void ConditionComboChanged();

}  // namespace tw
