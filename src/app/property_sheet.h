// The program's property sheets (test over years, options, print setup) share this: pages
// made from the program's templates, titles and caption from the resource library, the
// sheet opening on a remembered page, and help per page (the help notification and WM_HELP).
//
// A page's own procedure is an ordinary dialog procedure: WM_INITDIALOG brings its
// `param` in lParam, so a page keeps its state behind DWLP_USER like any dialog. The sheet's
// notifications (PSN_SETACTIVE, PSN_KILLACTIVE, PSN_QUERYCANCEL, PSN_APPLY, ...) reach it
// as WM_NOTIFY; it answers them through DWLP_MSGRESULT. The helper sees every message first
// and keeps only what it needs: the page number for the remembered start page and help.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace tw {

struct PropertyPageSpec {
  int templateId;
  int titleMessage;      // library message of the tab's title; 0 keeps the template's caption
  DLGPROC proc;
  LPARAM param;          // handed to the page in WM_INITDIALOG
  unsigned long helpTopic;
  const DWORD* popups = nullptr;  // (control id, help context) pairs ended by (0, 0)
};

struct PropertySheetSpec {
  int captionMessage;             // library message of the sheet's caption
  const PropertyPageSpec* pages;
  int pageCount;
  int* startPage = nullptr;       // opens on it and keeps the page last made active
  bool applyButton = false;
};

// Modal; returns what PropertySheetA returns (1 after OK or Apply, 0 after Cancel, -1 on
// failure).
INT_PTR RunPropertySheet(HWND owner, const PropertySheetSpec& spec);

// The sheet window of a page.
inline HWND SheetOf(HWND page) { return GetParent(page); }
// A page's answer to a sheet notification.
inline void SetPageResult(HWND page, LONG_PTR result) { SetWindowLongPtrA(page, DWLP_MSGRESULT, result); }

// Dispatches the waiting messages of the thread while a page computes, with the sheet's
// keyboard handling. False when the program is being ended (WM_QUIT is posted again).
bool PumpSheetMessages(HWND sheet);

}  // namespace tw
