// The controls of a person window: the DateBar with the date edit, the spin buttons, the
// scroll bar, the ValueLine and the rhythm combo, and the list header of the moon calendar.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/child.h"
#include "app/child_window.h"
#include "app/commands.h"
#include "app/frame.h"
#include "calendar/date_format.h"
#include "calendar/date_step.h"
#include "tw_ids.h"
#include "views/child_layout.h"

namespace tw {

namespace {

RhythmLabels& LabelCache() {
  static RhythmLabels labels = LoadRhythmLabels(TheApp().profile);
  return labels;
}

// Enter and Tab commit the typed date instead of being typed.
LRESULT CALLBACK DateEditProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  HWND bar = GetParent(wnd);
  ChildWindow* cw = ChildOfDateBar(bar);
  if (msg == WM_CHAR && (wp == '\r' || wp == '\t')) {
    SendMessageA(bar, WM_LBUTTONDOWN, 0, 0);
    return 0;
  }
  WNDPROC proc = cw && cw->editProc ? cw->editProc : DefWindowProcA;
  return CallWindowProcA(proc, wnd, msg, wp, lp);
}

HWND MakeControl(const char* cls, DWORD style, const ControlRect& r, HWND parent, int id) {
  return CreateWindowExA(0, cls, "", WS_CHILD | style, r.x, r.y, r.cx, r.cy, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), TheApp().instance, nullptr);
}

void DestroyControls(ChildWindow& cw) {
  // Clear the handles first: a destroyed edit's kill-focus must not commit into them.
  HWND bar = cw.dateBar, header = cw.listHeader, edit = cw.dateEdit;
  WNDPROC proc = cw.editProc;
  cw.dateBar = cw.dateEdit = cw.scrollBar = cw.valueLine = cw.rhythmCombo = cw.listHeader = nullptr;
  cw.spin = {};
  cw.editProc = nullptr;
  if (edit && proc) SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
  if (bar) DestroyWindow(bar);
  if (header) DestroyWindow(header);
  cw.headerItems = 0;
}

// Widens a drop-down list so that its longest entry shows whole in the display font.
void SizeToEntries(HWND combo, const std::vector<std::string>& entries, int droppedHeight) {
  HDC dc = GetDC(combo);
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const std::string& e : entries) {
    SIZE size{};
    GetTextExtentPoint32A(dc, e.c_str(), static_cast<int>(e.size()), &size);
    widest = std::max<int>(widest, size.cx);
  }
  SelectObject(dc, old);
  ReleaseDC(combo, dc);
  RECT r;
  GetWindowRect(combo, &r);
  const int chrome = GetSystemMetrics(SM_CXVSCROLL) + 4 * GetSystemMetrics(SM_CXEDGE) + 4;
  const int width = WidthForText(r.right - r.left, widest, chrome);
  if (width != r.right - r.left)
    SetWindowPos(combo, nullptr, 0, 0, width, std::max<int>(droppedHeight, r.bottom - r.top),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

const RhythmLabels& CurrentRhythmLabels() { return LabelCache(); }

ChildWindow* ChildOfDateBar(HWND dateBar) {
  return dateBar ? reinterpret_cast<ChildWindow*>(GetWindowLongPtrA(dateBar, 0)) : nullptr;
}

void FillRhythmCombo(ChildWindow& cw) {
  if (!cw.rhythmCombo) return;
  const RhythmLabels& labels = CurrentRhythmLabels();
  HWND combo = cw.rhythmCombo;
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  std::vector<std::string> entries;
  entries.push_back(LoadLibString(TWM_HIGHLIGHT_NONE));
  for (const RhythmLabel& l : labels) entries.push_back(l.Name());
  const std::string average = LoadLibString(TWM_HIGHLIGHT_AVERAGE);
  entries.push_back(average);
  char pair[128];
  wsprintfA(pair, " %c-%c", labels[0].Letter(), labels[1].Letter());
  entries.push_back(average + pair);
  for (const std::string& e : entries) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
  SendMessageA(combo, CB_SETCURSEL, cw.doc->highlightChoice, 0);
  SizeToEntries(combo, entries, cw.rhythmComboDropped);
}

RECT ViewArea(const ChildWindow& cw) {
  RECT r;
  GetClientRect(cw.window, &r);
  if (cw.dateBar && IsWindowVisible(cw.dateBar)) {
    RECT bar;
    GetWindowRect(cw.dateBar, &bar);
    MapWindowPoints(nullptr, cw.window, reinterpret_cast<POINT*>(&bar), 2);
    r.bottom = std::max(r.top, bar.top);
  }
  if ((cw.doc->viewFlags & kViewMoonList) && cw.listHeader && IsWindowVisible(cw.listHeader)) {
    RECT h;
    GetWindowRect(cw.listHeader, &h);
    MapWindowPoints(nullptr, cw.window, reinterpret_cast<POINT*>(&h), 2);
    r.top = std::min(r.bottom, h.bottom);
  }
  return r;
}

void PlaceDateBar(HWND child) {
  ChildWindow* cw = ChildOf(child);
  if (!cw || !cw->dateBar) return;
  RECT client;
  GetClientRect(child, &client);
  Band b = PlaceDateBarBand(client.bottom, cw->dateBarHeight, (cw->doc->viewFlags & kViewMoonList) != 0);
  MoveWindow(cw->dateBar, 0, b.top, client.right, b.height, TRUE);
}

void LayoutListHeader(ChildWindow& cw) {
  if (!cw.listHeader) return;
  RECT rc;
  GetClientRect(cw.window, &rc);
  WINDOWPOS pos = {};
  HDLAYOUT layout = {&rc, &pos};
  if (!SendMessageA(cw.listHeader, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout))) return;
  SetWindowPos(cw.listHeader, pos.hwndInsertAfter, pos.x, pos.y, pos.cx, pos.cy, pos.flags | SWP_NOACTIVATE);
}

bool MakeListHeader(ChildWindow& cw, bool keep) {
  App& app = TheApp();
  PersonDocument& doc = *cw.doc;
  int32_t kept[4];
  for (int i = 0; i < 4; ++i) kept[i] = doc.columnWidths[i];
  bool visible = cw.listHeader && IsWindowVisible(cw.listHeader);
  if (cw.listHeader) DestroyWindow(cw.listHeader);
  cw.listHeader = nullptr;
  cw.headerItems = 0;

  HWND h = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | HDS_HORZ, 0, 0, 0, 0, cw.window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListHeaderId)), app.instance, nullptr);
  if (!h) return false;
  SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(app.displayFont), FALSE);
  RECT client;
  GetClientRect(cw.window, &client);
  ListColumns cols = ComputeListColumns(doc.viewFlags, app.settings.saveWidths, cw.avgCharWidth, client.right,
                                        keep ? kept : nullptr);
  int item = 0;
  for (int c = 0; c < kCalendarColumns; ++c) {
    doc.columnShown[c] = cols.shown[c] ? 1 : 0;
    doc.columnWidths[c] = cols.width[c];
    if (!cols.shown[c]) continue;
    std::string title = kListColumnTitles[c] ? LoadLibString(kListColumnTitles[c]) : std::string();
    HDITEMA hi = {};
    hi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    hi.fmt = HDF_STRING | (c == 3 ? HDF_CENTER : HDF_LEFT);
    hi.cxy = cols.width[c];
    hi.pszText = title.data();
    hi.cchTextMax = static_cast<int>(title.size());
    if (SendMessageA(h, HDM_INSERTITEMA, item, reinterpret_cast<LPARAM>(&hi)) < 0) {
      DestroyWindow(h);
      return false;
    }
    cw.columnOfItem[item++] = c;
  }
  cw.headerItems = item;
  cw.listHeader = h;
  LayoutListHeader(cw);
  if (visible) ShowWindow(h, SW_SHOW);
  return true;
}

bool HandleHeaderNotify(ChildWindow& cw, NMHDR* hdr, LRESULT* result) {
  if (!cw.listHeader || hdr->hwndFrom != cw.listHeader) return false;
  auto* nm = reinterpret_cast<NMHEADERA*>(hdr);
  if (nm->iItem < 0 || nm->iItem >= cw.headerItems) return false;
  const int column = cw.columnOfItem[nm->iItem];
  switch (hdr->code) {
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
    case HDN_DIVIDERDBLCLICKA:
    case HDN_DIVIDERDBLCLICKW:
      *result = ColumnMayBeResized(column) ? FALSE : TRUE;
      return true;
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW: {
      int width = 0;
      if (nm->pitem && (nm->pitem->mask & HDI_WIDTH)) {
        width = nm->pitem->cxy;
      } else {
        HDITEMA hi = {};
        hi.mask = HDI_WIDTH;
        SendMessageA(cw.listHeader, HDM_GETITEMA, nm->iItem, reinterpret_cast<LPARAM>(&hi));
        width = hi.cxy;
      }
      cw.doc->columnWidths[column] = width;
      TheApp().settings.saveWidths[column] = SaveWidthFromPixels(width, cw.avgCharWidth);
      cw.doc->viewFlags |= kViewRecompute;
      InvalidateRect(cw.window, nullptr, FALSE);
      *result = 0;
      return true;
    }
  }
  return false;
}

void ShowModeControls(ChildWindow& cw) {
  const bool list = (cw.doc->viewFlags & kViewMoonList) != 0;
  if (list) {
    LayoutListHeader(cw);
    ShowWindow(cw.listHeader, SW_SHOW);
  } else if (cw.listHeader) {
    ShowWindow(cw.listHeader, SW_HIDE);
  }
  ShowWindow(cw.valueLine, list ? SW_HIDE : SW_SHOW);
  ShowWindow(cw.rhythmCombo, list ? SW_HIDE : SW_SHOW);
}

void ShowSelectedDate(ChildWindow& cw) {
  if (!cw.dateEdit) return;
  App& app = TheApp();
  DateSettings ds;
  ds.locale = app.locale;
  char text[64];
  text[0] = 0;
  FormatDay(text, text + sizeof text, ds, cw.doc->selectedDay, false, false);
  SetWindowTextA(cw.dateEdit, text);
}

void CommitDateEdit(ChildWindow& cw) {
  if (!cw.dateEdit) return;
  char text[58];
  GetWindowTextA(cw.dateEdit, text, sizeof text);
  PersonDocument& doc = *cw.doc;
  const DayNumber day = CommitTypedDate(text, TheApp().locale, doc.header.Birthday());
  if (day == doc.selectedDay) {
    ShowSelectedDate(cw);
    return;
  }
  MoveSelection(cw.window, kMoveGiven, day);
}

bool CreateChildControls(HWND child, bool showNow) {
  App& app = TheApp();
  ChildWindow* cwp = ChildOf(child);
  if (!cwp) return false;
  ChildWindow& cw = *cwp;
  PersonDocument& doc = *cw.doc;
  DestroyControls(cw);

  int charW = 8, charH = 16;
  if (HDC dc = GetDC(child)) {
    HPALETTE oldPal = app.palette ? SelectPalette(dc, app.palette, FALSE) : nullptr;
    HGDIOBJ oldFont = SelectObject(dc, app.displayFont);
    SIZE sz;
    if (GetTextExtentPoint32A(dc, "9", 1, &sz)) charW = sz.cx;
    if (GetTextExtentPoint32A(dc, "9g", 2, &sz)) charH = sz.cy;
    TEXTMETRICA tm;
    if (GetTextMetricsA(dc, &tm) && tm.tmAveCharWidth > 0) cw.avgCharWidth = tm.tmAveCharWidth;
    SelectObject(dc, oldFont);
    if (oldPal) SelectPalette(dc, oldPal, FALSE);
    ReleaseDC(child, dc);
  }
  const DateBarLayout l = ComputeDateBarLayout(charW, charH);
  cw.dateBarHeight = l.height;
  cw.rhythmComboDropped = l.rhythmCombo.cy;

  RECT client;
  GetClientRect(child, &client);
  cw.dateBar = CreateWindowExA(0, kDateBarClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                               client.bottom - l.height, client.right, l.height, child, nullptr, app.instance, nullptr);
  if (!cw.dateBar) return false;
  SetWindowLongPtrA(cw.dateBar, 0, reinterpret_cast<LONG_PTR>(&cw));
  BringWindowToTop(cw.dateBar);

  cw.dateEdit = MakeControl("EDIT", WS_VISIBLE | WS_BORDER | ES_WANTRETURN | ES_AUTOHSCROLL, l.dateEdit, cw.dateBar,
                            kDateEditId);
  for (int i = 0; i < 3; ++i) cw.spin[i] = MakeControl(kSpinClass, WS_VISIBLE, l.spin[i], cw.dateBar, kFirstSpinId + i);
  cw.scrollBar = MakeControl("SCROLLBAR", WS_VISIBLE | SBS_HORZ, l.scrollBar, cw.dateBar, kDateScrollId);
  cw.valueLine = MakeControl(kValueLineClass, 0, l.valueLine, cw.dateBar, kValueLineId);
  cw.rhythmCombo = MakeControl("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, l.rhythmCombo, cw.dateBar, kRhythmComboId);
  if (!cw.dateEdit || !cw.spin[0] || !cw.spin[1] || !cw.spin[2] || !cw.scrollBar || !cw.valueLine ||
      !cw.rhythmCombo) {
    DestroyControls(cw);
    return false;
  }
  SetWindowLongPtrA(cw.valueLine, 0, reinterpret_cast<LONG_PTR>(&cw));
  SetScrollRange(cw.scrollBar, SB_CTL, 0, 100, FALSE);
  SetScrollPos(cw.scrollBar, SB_CTL, 50, FALSE);

  cw.editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(cw.dateEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DateEditProc)));
  SendMessageA(cw.dateEdit, WM_SETFONT, reinterpret_cast<WPARAM>(app.displayFont), FALSE);
  SendMessageA(cw.rhythmCombo, WM_SETFONT, reinterpret_cast<WPARAM>(app.displayFont), FALSE);

  doc.selectedDay = Today(SystemClock());
  cw.view.firstDay = std::max(doc.selectedDay - 12, 0);
  SendMessageA(cw.dateEdit, EM_LIMITTEXT, 10, 0);
  ShowSelectedDate(cw);

  doc.highlightChoice = 0;
  FillRhythmCombo(cw);

  if (!MakeListHeader(cw, false)) doc.viewFlags &= ~kViewMoonList;  // chart only
  doc.viewFlags |= kViewRecompute;
  InvalidateRect(child, nullptr, TRUE);
  ShowModeControls(cw);
  PlaceDateBar(child);
  if (showNow) UpdateWindow(child);
  return true;
}

HWND ChildListHeader(HWND child) {
  ChildWindow* cw = ChildOf(child);
  return cw ? cw->listHeader : nullptr;
}

void ReloadRhythmCombos() {
  LabelCache() = LoadRhythmLabels(TheApp().profile);
  for (HWND c = FirstChild(); c; c = NextChild(c))
    if (ChildWindow* cw = ChildOf(c)) {
      FillRhythmCombo(*cw);
      if (cw->valueLine) InvalidateRect(cw->valueLine, nullptr, TRUE);
    }
}

void RebuildChildControls(bool create) {
  HWND c = FirstChild();
  while (c) {
    HWND next = NextChild(c);
    if (ChildWindow* cw = ChildOf(c)) {
      if (!create) {
        DestroyControls(*cw);
      } else if (!CreateChildControls(c, true)) {
        ShowMessage(MB_ICONHAND, TWM_NO_MEMORY);
        SendMessageA(TheApp().mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(c), 0);
      }
    }
    c = next;
  }
}

void ApplyViewOptions(ViewFlags flags, int32_t daySize, const std::array<std::string, 5>& markLabels) {
  App& app = TheApp();
  HWND active = ActiveChild();
  for (HWND c = FirstChild(); c; c = NextChild(c)) {
    if (!app.settings.applyToAllWindows && c != active) continue;
    ChildWindow* cw = ChildOf(c);
    if (!cw) continue;
    PersonDocument& doc = *cw->doc;
    bool changed = false;
    if (ViewOptionsDiffer(doc.viewFlags, doc.daySize, flags, daySize)) {
      const bool rebuild = ListColumnsChanged(doc.viewFlags, flags);
      doc.viewFlags = MergeViewOptions(doc.viewFlags, flags);
      doc.daySize = doc.secondDaySize = daySize;
      // A hidden header is rebuilt too, so that switching to the list later shows the
      // columns the options chose.
      if (rebuild && !MakeListHeader(*cw, true)) {
        doc.viewFlags &= ~kViewMoonList;
        ShowModeControls(*cw);
        PlaceDateBar(c);
      }
      if (cw->valueLine) InvalidateRect(cw->valueLine, nullptr, TRUE);
      if (cw->listHeader) InvalidateRect(cw->listHeader, nullptr, TRUE);
      changed = true;
    }
    if (c == active && ApplyMarkLabels(doc.header, doc.viewFlags, markLabels)) {
      doc.viewFlags |= kViewModified;
      changed = true;
    }
    if (changed) InvalidateRect(c, nullptr, TRUE);
  }
  UpdateToolbarStates();
  app.settings.preference = static_cast<int32_t>(flags & kViewOptionMask);
  app.settings.daySize = daySize;
}

}  // namespace tw
