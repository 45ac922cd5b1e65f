#include "app/side_panel.h"

#include <richedit.h>

#include <algorithm>
#include <string>

#include "app/app.h"
#include "app/calendar_screen.h"
#include "app/child.h"
#include "app/commands.h"
#include "app/frame.h"
#include "app/help.h"
#include "calendar/moon_derived.h"
#include "reco/reco_eval.h"
#include "tw_ids.h"
#include "views/day_summary.h"
#include "views/rtf_builder_win.h"

namespace tw {

namespace {

constexpr int kPicture = ID_PANEL_PICTURE, kSummary = ID_PANEL_SUMMARY, kNote = ID_PANEL_NOTE;
constexpr int kLegend = ID_PANEL_LEGEND, kAssign = ID_PANEL_ASSIGN;
constexpr int kSplitSummary = ID_PANEL_SPLIT_SUMMARY, kSplitNote = ID_PANEL_SPLIT_NOTE;
constexpr int kSkyColour = 6;
constexpr int kNoteChars = 512;
constexpr int kBitmapSlots = IDB_SEASON_LAST + 1;  // the moon picture's bitmaps

struct PanelState {
  HWND dlg = nullptr;
  HWND split1 = nullptr, split2 = nullptr;
  HWND shownChild = nullptr;
  DayNumber shownDay = -1;
  bool fillingNote = false;  // our own text changes do not count as edits
  HBITMAP bitmaps[kBitmapSlots] = {};
};
PanelState g;

HBITMAP Bitmap(int id) {
  if (id < 0 || id >= kBitmapSlots) return nullptr;
  if (!g.bitmaps[id]) g.bitmaps[id] = LoadBitmapA(TheApp().instance, MAKEINTRESOURCEA(id));
  return g.bitmaps[id];
}

SIZE BitmapSize(int id) {
  BITMAP bm{};
  if (HBITMAP b = Bitmap(id)) GetObjectA(b, sizeof bm, &bm);
  return {bm.bmWidth, bm.bmHeight};
}

void Blit(HDC dc, HDC mem, int id, int x, int y, int srcX = 0, int w = -1, int h = -1) {
  HBITMAP b = Bitmap(id);
  if (!b) return;
  const SIZE s = BitmapSize(id);
  HGDIOBJ old = SelectObject(mem, b);
  BitBlt(dc, x, y, w < 0 ? s.cx : w, h < 0 ? s.cy : h, mem, srcX, 0, SRCCOPY);
  SelectObject(mem, old);
}

void DrawMoonPicture(HDC dc, const RECT& rc) {
  App& app = TheApp();
  HBRUSH sky = CreateSolidBrush(static_cast<COLORREF>(app.settings.colours.entry[kSkyColour]));
  FillRect(dc, &rc, sky);
  DeleteObject(sky);
  PersonDocument* doc = ChildDocument(g.shownChild);
  if (!doc) return;
  const DayNumber day = doc->selectedDay;
  // The previous day first: a fetch may move the window under the earlier record.
  const MoonDayRecord* prev = app.moon.Fetch(day - 1);
  const int previousHeight = prev ? prev->height() : -1;
  const MoonDayRecord* rp = app.moon.Fetch(day);
  if (!rp) return;
  const MoonDayRecord r = *rp;
  const SIZE strip = BitmapSize(IDB_SYMBOL_STRIP);
  const SIZE moon = BitmapSize(IDB_MOON_PHASE_FIRST);
  const SIZE marker = BitmapSize(IDB_RISING);
  const MoonPictureLayout m = LayoutMoonPicture(r, previousHeight, app.settings.sternbild != 0, rc.right - rc.left,
                                                rc.bottom - rc.top, strip.cx, strip.cy, moon.cx, marker.cy);
  HDC mem = CreateCompatibleDC(dc);
  Blit(dc, mem, IDB_SYMBOL_STRIP, m.stripX, m.stripY);
  if (HBITMAP b = Bitmap(m.moonBitmap)) {
    HGDIOBJ old = SelectObject(mem, b);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, m.moonX, m.moonY, m.moonSize, m.moonSize, mem, 0, 0, moon.cx, moon.cy, SRCCOPY);
    SelectObject(mem, old);
  }
  const SIZE tiles = BitmapSize(IDB_ELEMENTS);
  Blit(dc, mem, IDB_ELEMENTS, m.elementX, m.elementY, m.elementIndex * tiles.cy, tiles.cy, tiles.cy);
  Blit(dc, mem, m.signBitmap, m.signX, m.signY);
  if (m.nodeBitmap) Blit(dc, mem, m.nodeBitmap, m.nodeX, m.nodeY);
  if (m.seasonBitmap) Blit(dc, mem, m.seasonBitmap, m.seasonX, m.seasonY);
  Blit(dc, mem, m.heightBitmap, m.heightX, m.heightY);
  Blit(dc, mem, m.distanceBitmap, m.distanceX, m.distanceY);
  DeleteDC(mem);
}

void SetNote(const char* text, bool enabled) {
  g.fillingNote = true;
  SetDlgItemTextA(g.dlg, kNote, text);
  g.fillingNote = false;
  EnableWindow(GetDlgItem(g.dlg, kNote), enabled);
  EnableWindow(GetDlgItem(g.dlg, kAssign), FALSE);
}

void BuildSummary() {
  App& app = TheApp();
  HWND child = ActiveChild();
  PersonDocument* doc = ChildDocument(child);
  g.shownChild = child;
  if (!doc) {
    g.shownDay = -1;
    SetNote("", false);
    RtfStreamIn(GetDlgItem(g.dlg, kSummary), "");
    InvalidateRect(GetDlgItem(g.dlg, kPicture), nullptr, FALSE);
    return;
  }
  const DayNumber day = doc->selectedDay;
  g.shownDay = day;
  const bool noteOpen = NoteDayOffset(*doc, day) >= 0 && !doc->IsReadOnly();
  SetNote(noteOpen ? GetDayEntry(*doc, day).text : "", noteOpen);

  CellContext ctx = ScreenCellContext();
  RecoEvaluator eval(app.reco, app.moon, app.sink);
  SetupEvaluator(eval);
  SummaryRequest q;
  q.day = day;
  q.birthday = doc->header.Birthday();
  q.dataMask = app.settings.data;
  q.showAllRecommendations = app.settings.showHidden != 0;
  q.selection = doc->selection;
  q.separators = static_cast<int>((doc->viewFlags & kViewPanelRecoMask) >> kViewPanelRecoShift);
  const std::string text = BuildDaySummary(app.moon, &eval, q, ctx);
  HWND summary = GetDlgItem(g.dlg, kSummary);
  RtfStreamIn(summary, text.c_str());
  SendMessageA(summary, EM_SETSEL, 0, 0);
  InvalidateRect(GetDlgItem(g.dlg, kPicture), nullptr, FALSE);
}

void BuildLegend() {
  const std::string legend = BuildGlyphLegend(LoadRhythmLabels(TheApp().profile), ScreenCellContext());
  RtfStreamIn(GetDlgItem(g.dlg, kLegend), legend.c_str());
}

int FrameThickness() { return g.split1 ? GetSystemMetrics(SM_CYFRAME) : 0; }

SidePanelLayout CurrentLayout() {
  App& app = TheApp();
  RECT rc;
  GetClientRect(g.dlg, &rc);
  RECT b;
  GetWindowRect(GetDlgItem(g.dlg, kAssign), &b);
  return LayoutSidePanel(rc.right, rc.bottom, b.right - b.left, b.bottom - b.top, FrameThickness(),
                         app.settings.infoHeight, app.settings.legendHeight);
}

void PlaceSplitter(HWND bar, int y, int width, const SidePanelLayout& l) {
  if (!bar) return;
  MoveWindow(bar, 2, y, width, std::max(1, FrameThickness()), TRUE);
  SetWindowLongPtrA(bar, 0, 1);
  SetWindowLongPtrA(bar, sizeof(LONG_PTR), l.dragLow);
  SetWindowLongPtrA(bar, 2 * sizeof(LONG_PTR), std::max(0, l.dragHigh - l.dragLow));
}

void Layout() {
  App& app = TheApp();
  const SidePanelLayout l = CurrentLayout();
  auto place = [](int id, const PanelRect& r) { MoveWindow(GetDlgItem(g.dlg, id), r.x, r.y, r.cx, r.cy, TRUE); };
  place(kPicture, l.picture);
  place(kSummary, l.summary);
  place(kLegend, l.legend);
  place(kNote, l.note);
  place(kAssign, l.button);
  ShowWindow(GetDlgItem(g.dlg, kLegend), l.legendHeight > 0 ? SW_SHOW : SW_HIDE);
  PlaceSplitter(g.split1, l.splitter1, l.summary.cx, l);
  PlaceSplitter(g.split2, l.splitter2, l.summary.cx, l);
  app.settings.infoHeight = l.noteHeight;
  app.settings.legendHeight = l.legendHeight;
  BuildSummary();
  BuildLegend();
}

// A splitter was dragged: the heights follow the bars' new places.
void SplitterMoved() {
  App& app = TheApp();
  const SidePanelLayout l = CurrentLayout();
  auto top = [](HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, g.dlg, reinterpret_cast<POINT*>(&r), 2);
    return static_cast<int>(r.top);
  };
  const int t = FrameThickness();
  const int available = l.summary.cy + l.legendHeight + l.noteHeight;
  const int bottom = l.note.y + l.note.cy;
  const int summary = std::max(0, top(g.split1) - l.summary.y);
  const int note = std::max(0, bottom - top(g.split2) - t - 1);
  app.settings.infoHeight = note;
  app.settings.legendHeight = std::max(0, available - summary - note);
  Layout();
}

// "&Zuweisen" is drawn by the panel: Wine's own disabled push buttons cut the last column of
// their text ("Zuweiser"). The look is the system's: a push frame, the text embossed in the
// highlight and grey text colours while disabled.
void DrawAssignButton(const DRAWITEMSTRUCT& di) {
  RECT rc = di.rcItem;
  const bool disabled = (di.itemState & ODS_DISABLED) != 0;
  const bool pushed = (di.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(di.hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  char text[64] = "";
  GetWindowTextA(di.hwndItem, text, sizeof text);
  HGDIOBJ oldFont = SelectObject(di.hDC, reinterpret_cast<HFONT>(SendMessageA(di.hwndItem, WM_GETFONT, 0, 0)));
  const int oldMode = SetBkMode(di.hDC, TRANSPARENT);
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (pushed) OffsetRect(&rc, 1, 1);
  if (disabled) {
    RECT shadow = rc;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(di.hDC, GetSysColor(COLOR_3DHILIGHT));
    DrawTextA(di.hDC, text, -1, &shadow, flags);
    SetTextColor(di.hDC, GetSysColor(COLOR_GRAYTEXT));
  } else {
    SetTextColor(di.hDC, GetSysColor(COLOR_BTNTEXT));
  }
  DrawTextA(di.hDC, text, -1, &rc, flags);
  if (di.itemState & ODS_FOCUS) {
    RECT focus = di.rcItem;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(di.hDC, &focus);
  }
  SetBkMode(di.hDC, oldMode);
  SelectObject(di.hDC, oldFont);
}

void AssignNote() {
  PersonDocument* doc = ChildDocument(g.shownChild);
  if (!doc || g.shownDay < 0) return;
  char text[kNoteChars + 1] = {};
  GetDlgItemTextA(g.dlg, kNote, text, sizeof text);
  const DayEntryChange ch = SetDayEntryFor(*doc, g.shownDay, -1, text);
  if (ch.modified) UpdateToolbarStates();
  if (doc->viewFlags & kViewMoonList) InvalidateRect(g.shownChild, nullptr, FALSE);
  EnableWindow(GetDlgItem(g.dlg, kAssign), FALSE);
  SetFocus(g.shownChild);
}

// Menu 34 at the mouse (or the panel's corner from the keyboard); the frame carries out
// its commands and the registry decides which show enabled.
void ShowPanelMenu(HWND dlg, int x, int y) {
  App& app = TheApp();
  HMENU menu = LoadMenuA(app.library, MAKEINTRESOURCEA(IDR_PANEL_MENU));
  if (!menu) return;
  if (x == -1 && y == -1) {
    POINT p{0, 0};
    ClientToScreen(dlg, &p);
    x = p.x;
    y = p.y;
  }
  if (HMENU popup = GetSubMenu(menu, 0)) {
    UpdateMenuStates(popup);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, app.frame, nullptr);
  }
  DestroyMenu(menu);
}

INT_PTR CALLBACK SidePanelProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      return FALSE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(TheApp().dialogBrush);
    case WM_SIZE:
      if (g.dlg) Layout();
      return TRUE;
    case kMsgOtherSplitterMoved:
      SplitterMoved();
      return TRUE;
    case WM_DRAWITEM: {
      auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (di->CtlID == kAssign) {
        DrawAssignButton(*di);
        return TRUE;
      }
      if (di->CtlID != kPicture) return FALSE;
      const int w = di->rcItem.right - di->rcItem.left, h = di->rcItem.bottom - di->rcItem.top;
      HDC mem = CreateCompatibleDC(di->hDC);
      HBITMAP bmp = CreateCompatibleBitmap(di->hDC, std::max(1, w), std::max(1, h));
      HGDIOBJ old = SelectObject(mem, bmp);
      DrawMoonPicture(mem, {0, 0, w, h});
      BitBlt(di->hDC, di->rcItem.left, di->rcItem.top, w, h, mem, 0, 0, SRCCOPY);
      SelectObject(mem, old);
      DeleteObject(bmp);
      DeleteDC(mem);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == kNote && HIWORD(wp) == EN_CHANGE && !g.fillingNote) {
        EnableWindow(GetDlgItem(dlg, kAssign), TRUE);
        return TRUE;
      }
      if (LOWORD(wp) == kAssign && HIWORD(wp) == BN_CLICKED) {
        AssignNote();
        return TRUE;
      }
      return FALSE;
    case WM_CONTEXTMENU:
      ShowPanelMenu(dlg, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      return TRUE;
    case WM_HELP:
      OpenHelp(HelpRequest::Context, HID_WINDOW_PARTS);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

void CreateSidePanel(HWND frame) {
  App& app = TheApp();
  app.sidePanel = CreateDialogParamA(app.instance, MAKEINTRESOURCEA(IDD_SIDE_PANEL), frame, SidePanelProc, 0);
  if (!app.sidePanel) return;
  g.dlg = app.sidePanel;
  // RICHED32 starts in the bold System font unless it gets a font before the first text.
  for (int id : {kSummary, kLegend, kNote})
    SendDlgItemMessageA(g.dlg, id, WM_SETFONT, reinterpret_cast<WPARAM>(app.displayFont), FALSE);
  // The template's two layout controls stay hidden and empty: cells are laid out by the
  // program's own layout on every device.
  for (int id : {ID_PANEL_LAYOUT_SCREEN, ID_PANEL_LAYOUT_PRINT})
    SetWindowPos(GetDlgItem(g.dlg, id), nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  HWND assign = GetDlgItem(g.dlg, kAssign);
  SetWindowLongPtrA(assign, GWL_STYLE, (GetWindowLongPtrA(assign, GWL_STYLE) & ~BS_TYPEMASK) | BS_OWNERDRAW);
  SendDlgItemMessageA(g.dlg, kNote, EM_LIMITTEXT, kNoteChars, 0);
  SendDlgItemMessageA(g.dlg, kNote, EM_SETEVENTMASK, 0, ENM_CHANGE);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  SendDlgItemMessageA(g.dlg, kSummary, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(face));
  SendDlgItemMessageA(g.dlg, kLegend, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(face));
  for (int id : {kSplitSummary, kSplitNote}) {
    HWND bar = CreateWindowExA(0, kSplitterClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 4, g.dlg,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app.instance, nullptr);
    (id == kSplitSummary ? g.split1 : g.split2) = bar;
  }
  Layout();
  ShowWindow(g.dlg, SW_SHOW);
}

void RefreshSidePanel() {
  if (!g.dlg) return;
  HWND child = ActiveChild();
  PersonDocument* doc = ChildDocument(child);
  if (child == g.shownChild && (!doc || doc->selectedDay == g.shownDay)) return;
  BuildSummary();
}

void RebuildSidePanelSummary() {
  if (g.dlg) BuildSummary();
}

void RebuildSidePanel() {
  if (g.dlg) Layout();
}

void SetSidePanelFont(HFONT font) {
  if (!g.dlg) return;
  for (int id : {kSummary, kLegend, kNote})
    SendDlgItemMessageA(g.dlg, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  Layout();
}

}  // namespace tw
