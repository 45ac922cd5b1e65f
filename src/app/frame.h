// The frame window: MDI client, toolbar with the ConditionCombo, splitter and side panel,
// and the command routing of every menu, toolbar and accelerator command.
#pragma once
#include <windows.h>

namespace tw {

// Posted by a splitter bar to its parent after a drag.
constexpr UINT kMsgFrameSplitterMoved = WM_USER + 98;  // the frame's own bar
constexpr UINT kMsgOtherSplitterMoved = WM_USER + 99;  // any other bar

void LayoutFrame();
void UpdateToolbarStates();
void UpdateMenuStates(HMENU menu);
void LoadConditionCombo(bool pushSelection);
int CountChildren();
// First person window of the MDI client, then the next ones in z-order; nullptr at the end.
HWND FirstChild();
HWND NextChild(HWND child);
// Asks for every modified person whether to save it, then closes all person windows; a
// cancelled question keeps every window open and returns false.
bool CloseAllChildren();
// Carries out one command, then refreshes the toolbar and the side panel.
void HandleCommand(HWND frame, int id, HWND control, int notify);
// Whether the command has a handler in this build (a later dialog may not exist yet).
bool CommandAvailable(int id);

}  // namespace tw
