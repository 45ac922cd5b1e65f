#include "app/property_sheet.h"

#include <string>
#include <vector>

#include "app/app.h"
#include "app/help.h"

namespace tw {

namespace {

constexpr char kPageProp[] = "TwSheetPage";

struct PageLink {
  const PropertyPageSpec* spec;
  int index;
  int* startPage;
};

PageLink* LinkOf(HWND page) { return static_cast<PageLink*>(GetPropA(page, kPageProp)); }

// Every page runs behind this procedure, which forwards to the page's own.
INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  PageLink* link = LinkOf(page);
  if (msg == WM_INITDIALOG) {
    link = reinterpret_cast<PageLink*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam);
    SetPropA(page, kPageProp, link);
    return link->spec->proc(page, msg, wp, link->spec->param);
  }
  if (!link) return FALSE;
  const PropertyPageSpec& spec = *link->spec;
  switch (msg) {
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(lp);
      if (nm->code == PSN_HELP) {
        OpenHelp(HelpRequest::Context, spec.helpTopic);
        return TRUE;
      }
      if (nm->code == PSN_SETACTIVE) SetPageResult(page, 0);
      const INT_PTR handled = spec.proc(page, msg, wp, lp);
      // A page that became active is the one to open on next time, unless it refused.
      if (nm->code == PSN_SETACTIVE && link->startPage && GetWindowLongPtrA(page, DWLP_MSGRESULT) == 0)
        *link->startPage = link->index;
      return handled;
    }
    case WM_HELP:
      if (spec.proc(page, msg, wp, lp)) return TRUE;
      if (spec.popups)
        DialogHelp(reinterpret_cast<const HELPINFO*>(lp), spec.popups);
      else
        OpenHelp(HelpRequest::Context, spec.helpTopic);
      return TRUE;
    case WM_NCDESTROY: {
      const INT_PTR r = spec.proc(page, msg, wp, lp);
      RemovePropA(page, kPageProp);
      return r;
    }
  }
  return spec.proc(page, msg, wp, lp);
}

// The sheet's own buttons in the library's words.
int CALLBACK SheetCallback(HWND sheet, UINT msg, LPARAM) {
  if (msg == PSCB_INITIALIZED) {
    static const int kButtons[] = {-1, 0, IDOK, TWM_OK, IDCANCEL, TWM_CANCEL, IDHELP, TWM_HELP_BUTTON, 0, -1};
    LocalizeDialog(sheet, kButtons);
  }
  return 0;
}

}  // namespace

INT_PTR RunPropertySheet(HWND owner, const PropertySheetSpec& spec) {
  App& app = TheApp();
  std::vector<std::string> titles(spec.pageCount);
  std::vector<PageLink> links(spec.pageCount);
  std::vector<PROPSHEETPAGEA> pages(spec.pageCount);
  for (int i = 0; i < spec.pageCount; ++i) {
    const PropertyPageSpec& p = spec.pages[i];
    links[i] = PageLink{&p, i, spec.startPage};
    PROPSHEETPAGEA& page = pages[i];
    page = PROPSHEETPAGEA();
    page.dwSize = sizeof page;
    page.dwFlags = PSP_HASHELP;
    page.hInstance = app.instance;
    page.pszTemplate = MAKEINTRESOURCEA(p.templateId);
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(&links[i]);
    if (p.titleMessage) {
      titles[i] = LoadLibString(p.titleMessage);
      page.dwFlags |= PSP_USETITLE;
      page.pszTitle = titles[i].c_str();
    }
  }
  const std::string caption = LoadLibString(spec.captionMessage);
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_USECALLBACK | (spec.applyButton ? 0 : PSH_NOAPPLYNOW);
  header.pfnCallback = SheetCallback;
  header.hwndParent = owner;
  header.hInstance = app.instance;
  header.pszCaption = caption.c_str();
  header.nPages = static_cast<UINT>(spec.pageCount);
  const int start = spec.startPage ? *spec.startPage : 0;
  header.nStartPage = start >= 0 && start < spec.pageCount ? static_cast<UINT>(start) : 0;
  header.ppsp = pages.data();
  return PropertySheetA(&header);
}

bool PumpSheetMessages(HWND sheet) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (sheet && SendMessageA(sheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg))) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

}  // namespace tw
