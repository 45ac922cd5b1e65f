#include "app/child.h"

#include "app/app.h"
#include "app/commands.h"
#include "calendar/date_format.h"

namespace tw {

namespace {
PersonDocument* DocOf(HWND w) { return reinterpret_cast<PersonDocument*>(GetWindowLongPtrA(w, 0)); }
}  // namespace

PersonDocument* ChildDocument(HWND child) { return child ? DocOf(child) : nullptr; }
PersonDocument* ActiveDocument() { return ChildDocument(ActiveChild()); }

bool ActiveChildShowsCalendar() {
  PersonDocument* d = ActiveDocument();
  return d && (d->viewFlags & kViewMoonList);
}

HWND CreatePersonWindow(std::unique_ptr<PersonDocument> doc) {
  App& app = TheApp();
  std::string title = doc->header.Name();
  MDICREATESTRUCTA mcs = {};
  mcs.szClass = kChildClass;
  mcs.szTitle = title.c_str();
  mcs.hOwner = app.instance;
  mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
  mcs.style = app.newWindowStyle;
  mcs.lParam = reinterpret_cast<LPARAM>(doc.get());
  HWND w = reinterpret_cast<HWND>(SendMessageA(app.mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  if (w) doc.release();
  return w;
}

void RepaintChildWindows() {
  for (HWND c = GetWindow(TheApp().mdiClient, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    InvalidateRect(c, nullptr, TRUE);
}

LRESULT CALLBACK ChildWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
      auto* mcs = reinterpret_cast<MDICREATESTRUCTA*>(cs->lpCreateParams);
      SetWindowLongPtrA(wnd, 0, mcs->lParam);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(wnd, &ps);
      if (PersonDocument* d = DocOf(wnd)) {
        int y, m, day;
        DateFromDay(d->selectedDay, &y, &m, &day);
        char text[64];
        wsprintfA(text, "%02d.%02d.%04d", day, m, y);
        TextOutA(dc, 8, 8, text, lstrlenA(text));
      }
      EndPaint(wnd, &ps);
      return 0;
    }
    case WM_NCDESTROY:
      delete DocOf(wnd);
      SetWindowLongPtrA(wnd, 0, 0);
      break;
  }
  return DefMDIChildProcA(wnd, msg, wp, lp);
}

}  // namespace tw
