// The side panel beside the person windows: a modeless child dialog (template 63).
#pragma once
#include <windows.h>

namespace tw {

void CreateSidePanel(HWND frame);
// Brings the panel up to date with the active person window's selected day.
void RefreshSidePanel();

// Condition combo of the toolbar (selections or curve conditions).
void ConditionComboChanged();

}  // namespace tw
