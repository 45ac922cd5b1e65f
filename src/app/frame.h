// The frame window: MDI client, toolbar with the ConditionCombo, splitter and side panel,
// and the command routing of every menu, toolbar and accelerator command.
#pragma once
#include <windows.h>

namespace tw {

constexpr int kToolbarId = 2043;
constexpr int kToolbarBitmap = 2042;
constexpr int kConditionComboId = 2061;
constexpr int kFrameSplitterId = 2044;
constexpr int kSidePanelTemplate = 63;
constexpr int kFirstChildId = 7310;
constexpr UINT kMsgFrameSplitterMoved = WM_USER + 98;  // 1122
constexpr UINT kMsgOtherSplitterMoved = WM_USER + 99;  // 1123

void LayoutFrame();
void UpdateToolbarStates();
void UpdateMenuStates(HMENU menu);
void LoadConditionCombo(bool pushSelection);
int CountChildren();
// First person window of the MDI client, then the next ones in z-order; nullptr at the end.
HWND FirstChild();
HWND NextChild(HWND child);
// Carries out one command, then refreshes the toolbar and the side panel.
void HandleCommand(HWND frame, int id, HWND control, int notify);
// Whether the command has a handler in this build (a later dialog may not exist yet).
bool CommandAvailable(int id);

}  // namespace tw
