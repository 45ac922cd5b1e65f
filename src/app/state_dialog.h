// One dialog procedure for the dialogs that keep their state in a struct behind DWLP_USER:
// the struct gets the dialog handle, and OnInit, OnNotify (its result is the dialog's
// answer) and OnCommand (button clicks, Enter, Escape) are found beside the struct's type.
// WM_HELP opens the dialog's help topic, State::kHelpTopic. A dialog with a context menu
// also has OnContextMenu(state, window, x, y), true when it showed its menu; without one
// the request goes on to the system.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "app/help.h"

namespace tw {

template <class State>
INT_PTR CALLBACK StateDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<State*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      s = reinterpret_cast<State*>(lp);
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      s->dlg = dlg;
      OnInit(*s);
      return TRUE;
    case WM_NOTIFY:
      if (!s) break;
      SetWindowLongPtrA(dlg, DWLP_MSGRESULT, OnNotify(*s, reinterpret_cast<NMHDR*>(lp)));
      return TRUE;
    case WM_COMMAND:
      if (s && HIWORD(wp) == BN_CLICKED) OnCommand(*s, LOWORD(wp));
      return TRUE;
    case WM_CONTEXTMENU:
      if constexpr (requires(State& st) { OnContextMenu(st, HWND{}, 0, 0); }) {
        if (s && OnContextMenu(*s, reinterpret_cast<HWND>(wp), GET_X_LPARAM(lp), GET_Y_LPARAM(lp))) return TRUE;
      }
      break;
    case WM_HELP:
      OpenHelp(HelpRequest::Context, State::kHelpTopic);
      return TRUE;
  }
  return FALSE;
}

}  // namespace tw
