// "Empfehlungen - Bedingungen" (template 66): the conditions tree with its state images,
// clicks, shift ranges and painting by drag, fixed days through "Fixtagauswahl", the text's
// style and colour, the live description and "Ok" with its warning. The rules live in the
// core's ConditionEditor; this window shows its states and forwards the user's actions.
#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/app.h"
#include "app/colour_button.h"
#include "app/conditions_dialogs.h"
#include "app/help.h"
#include "app/reco_dialogs.h"
#include "app/reco_tree_view.h"
#include "core/rtf_builder.h"
#include "core/settings.h"
#include "dialogs/conditions_dialog_ids.h"
#include "reco/condition_clicks.h"
#include "reco/condition_description.h"
#include "reco/condition_editor.h"
#include "reco/reco_messages.h"
#include "views/rtf_builder_win.h"

namespace tw {

namespace {

constexpr int kStateImages = 1;          // the shell's 12x12 list: states any..mixed first
constexpr int kRootImageNone = 8;        // the root's pair: no condition set / some set
constexpr int kRootImageSome = 7;
constexpr int kNoImage = 100;            // beyond the list: the switch shows none
constexpr int kLegendCount = 4;

constexpr DWORD kPopups[] = {0, 0};

// The four colours a recommendation's text can take, in colorIndex order.
constexpr COLORREF kTextColours[] = {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255)};
// What the colour button shows for them (its caption rule: "0" black, "1".."3" pure colours).
constexpr COLORREF kButtonColours[] = {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};

struct PaintDrag {
  TreeDrag tree;
  int paint = 0;
  int last = -1;  // node painted last
};

struct Layout {
  int minWidth = 0, minHeight = 0;  // window size of the template
  int clientHeight = 0;
  RECT tree{}, description{};
  RECT buttons[3]{};
};

struct CondDialog {
  HWND dlg = nullptr;
  HWND tree = nullptr;
  RecoRecord* record = nullptr;
  ConditionEditor* editor = nullptr;
  HFONT nameFont = nullptr;
  bool loading = true;
  PaintDrag drag;
  Layout layout;
};

constexpr int kMovedButtons[] = {IDC_COND_OK, IDCANCEL, IDC_COND_HELP};

ConditionState& State(CondDialog& d) { return d.editor->state(); }

int NodeOf(HWND tree, HTREEITEM item) {
  if (!item) return -1;
  TVITEMA it = {};
  it.mask = TVIF_PARAM;
  it.hItem = item;
  if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return -1;
  return static_cast<int>(it.lParam);
}

HTREEITEM ItemOf(CondDialog& d, int node) {
  return node >= 0 ? reinterpret_cast<HTREEITEM>(State(d).node(node).item) : nullptr;
}

int SelectedNode(CondDialog& d) {
  return NodeOf(d.tree, reinterpret_cast<HTREEITEM>(SendMessageA(d.tree, TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

bool Expanded(HWND tree, HTREEITEM item) {
  return (SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

int ImageOf(const ConditionState& s, int node) {
  if (node == kCondRootEntry) return s.State(node) ? kRootImageSome : kRootImageNone;
  if (kConditionCatalogue[node].flags & kCondNoImage) return kNoImage;
  return s.State(node);
}

void SetItem(HWND tree, HTREEITEM item, int image, const std::string* label) {
  TVITEMA it = {};
  it.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | (label ? TVIF_TEXT : 0);
  it.hItem = item;
  it.iImage = it.iSelectedImage = image;
  if (label) it.pszText = const_cast<char*>(label->c_str());
  SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it));
}

HTREEITEM InsertNode(CondDialog& d, int node, HTREEITEM after) {
  ConditionState& s = State(d);
  const int parent = ConditionParentOf(node);
  const std::string label = s.LabelText(node, LibraryTexts());
  TVINSERTSTRUCTA ins = {};
  ins.hParent = parent < 0 ? TVI_ROOT : ItemOf(d, parent);
  ins.hInsertAfter = after;
  ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  ins.item.pszText = const_cast<char*>(label.c_str());
  ins.item.lParam = node;
  ins.item.iImage = ins.item.iSelectedImage = ImageOf(s, node);
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(d.tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
  s.SetItem(node, reinterpret_cast<uintptr_t>(item));
  return item;
}

// The fixed-day leaves shown are those with a day and one empty leaf; they are inserted
// again whenever a day is chosen or deleted. Returns the item of `keep` if it is shown.
HTREEITEM RebuildFixedDays(CondDialog& d, int keep) {
  ConditionState& s = State(d);
  SendMessageA(d.tree, WM_SETREDRAW, FALSE, 0);
  for (int i = kCondFirstFixedDay; i <= kCondOtherDays; ++i) {
    if (HTREEITEM item = ItemOf(d, i)) SendMessageA(d.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    s.SetItem(i, 0);
  }
  HTREEITEM kept = nullptr;
  for (int i = kCondFirstFixedDay; i <= kCondOtherDays; ++i) {
    if (i != kCondOtherDays && !s.IsShown(i)) continue;
    HTREEITEM item = InsertNode(d, i, TVI_LAST);
    if (i == keep) kept = item;
  }
  SendMessageA(d.tree, WM_SETREDRAW, TRUE, 0);
  return kept;
}

void BuildTree(CondDialog& d) {
  const App& app = TheApp();
  SendMessageA(d.tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(app.imageLists[kStateImages]));
  SendMessageA(d.tree, WM_SETREDRAW, FALSE, 0);
  ConditionState& s = State(d);
  for (int i = 0; i < kCondEntryCount; ++i) {
    if (IsFixedDayEntry(i) && !s.IsShown(i)) continue;
    InsertNode(d, i, TVI_LAST);
  }
  SendMessageA(d.tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(ItemOf(d, kCondRootEntry)));
  for (int i = 1; i < kCondEntryCount; ++i)
    if (d.editor->ExpandOnOpen(i)) SendMessageA(d.tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(ItemOf(d, i)));
  SendMessageA(d.tree, WM_SETREDRAW, TRUE, 0);
  SendMessageA(d.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(ItemOf(d, kCondRootEntry)));
}

void Describe(CondDialog& d) {
  App& app = TheApp();
  HWND box = GetDlgItem(d.dlg, IDC_COND_DESCRIPTION);
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(app.smallFont), FALSE);
  std::string text;
  if (!DescribeConditions(State(d), LibraryTexts(), RtfStyleFrom(app.settings, app.locale), text)) {
    ShowMessage(MB_ICONHAND, kMsgRecoNoMemory);
    text.clear();
  }
  RtfStreamIn(box, text.c_str());
}

void UpdateOk(CondDialog& d) { EnableWindow(GetDlgItem(d.dlg, IDC_COND_OK), d.editor->okEnabled()); }

// Images of every shown node and the switch's label, after the states changed.
void ShowStates(CondDialog& d) {
  const ConditionState& s = State(d);
  for (int i = 0; i < kCondEntryCount; ++i) {
    HTREEITEM item = ItemOf(d, i);
    if (!item) continue;
    if (i == kCondSignSwitch) {
      const std::string label = s.LabelText(i, LibraryTexts());
      SetItem(d.tree, item, ImageOf(s, i), &label);
    } else {
      SetItem(d.tree, item, ImageOf(s, i), nullptr);
    }
  }
}

void Changed(CondDialog& d, bool changed) {
  if (changed) {
    ShowStates(d);
    Describe(d);
  }
  UpdateOk(d);
}

void SetNameFont(CondDialog& d) {
  HWND edit = GetDlgItem(d.dlg, IDC_COND_NAME);
  LOGFONTA lf = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(d.dlg, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  const int style = d.editor->styleIndex();
  lf.lfWeight = style & 5 ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style & 6 ? TRUE : FALSE;
  HFONT font = CreateFontIndirectA(&lf);
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (d.nameFont) DeleteObject(d.nameFont);
  d.nameFont = font;
}

void ShowColour(CondDialog& d) {
  char caption[4];
  std::snprintf(caption, sizeof caption, "%d", d.editor->colorIndex());
  SetDlgItemTextA(d.dlg, IDC_COND_COLOUR, caption);
  InvalidateRect(GetDlgItem(d.dlg, IDC_COND_COLOUR), nullptr, FALSE);
  InvalidateRect(GetDlgItem(d.dlg, IDC_COND_NAME), nullptr, TRUE);
}

// The colour dialog offers any colour; the record keeps the nearest of its four.
int NearestTextColour(COLORREF c) {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < 4; ++i) {
    const long dr = GetRValue(c) - GetRValue(kButtonColours[i]);
    const long dg = GetGValue(c) - GetGValue(kButtonColours[i]);
    const long db = GetBValue(c) - GetBValue(kButtonColours[i]);
    const long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

void OnColour(CondDialog& d) {
  COLORREF colour = kButtonColours[d.editor->colorIndex() & 3];
  static COLORREF custom[16] = {kButtonColours[0], kButtonColours[1], kButtonColours[2], kButtonColours[3]};
  if (!RunColourDialog(d.dlg, colour, custom)) return;
  d.editor->ChooseColour(NearestTextColour(colour));
  ShowColour(d);
  UpdateOk(d);
}

// ---- layout: vertical resizing only ----

RECT ChildRect(HWND dlg, int id) {
  RECT r;
  GetWindowRect(GetDlgItem(dlg, id), &r);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void RecordLayout(CondDialog& d) {
  Layout& l = d.layout;
  RECT w, c;
  GetWindowRect(d.dlg, &w);
  GetClientRect(d.dlg, &c);
  l.minWidth = w.right - w.left;
  l.minHeight = w.bottom - w.top;
  l.clientHeight = c.bottom;
  l.tree = ChildRect(d.dlg, IDC_COND_TREE);
  l.description = ChildRect(d.dlg, IDC_COND_DESCRIPTION);
  for (int i = 0; i < 3; ++i) l.buttons[i] = ChildRect(d.dlg, kMovedButtons[i]);
}

void Place(HWND dlg, int id, const RECT& r, int dy, int grow) {
  SetWindowPos(GetDlgItem(dlg, id), nullptr, r.left, r.top + dy, r.right - r.left, r.bottom - r.top + grow,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// The tree and the description share what the window grew by; the buttons keep to the bottom.
void OnSize(CondDialog& d, int clientHeight) {
  const Layout& l = d.layout;
  if (!l.clientHeight) return;
  const int delta = clientHeight - l.clientHeight;
  if (delta < 0) return;
  const int treeGrow = delta / 2;
  Place(d.dlg, IDC_COND_TREE, l.tree, 0, treeGrow);
  Place(d.dlg, IDC_COND_DESCRIPTION, l.description, treeGrow, delta - treeGrow);
  for (int i = 0; i < 3; ++i) Place(d.dlg, kMovedButtons[i], l.buttons[i], delta, 0);
  InvalidateRect(d.dlg, nullptr, TRUE);
}

void OnMinMax(CondDialog& d, MINMAXINFO* mm) {
  if (!d.layout.minWidth) return;
  mm->ptMinTrackSize.x = mm->ptMaxTrackSize.x = d.layout.minWidth;
  mm->ptMinTrackSize.y = d.layout.minHeight;
}

// ---- tree actions ----

void OpenFixedDay(CondDialog& d, int node) {
  if (!IsFixedDayEntry(node)) return;
  const int code = RunFixedDayDialog(d.dlg, State(d).node(node).dayCode);
  if (!d.editor->ChooseFixedDay(node, code)) {
    UpdateOk(d);
    return;
  }
  HTREEITEM item = RebuildFixedDays(d, node);
  State(d).ComputeNodeStates();
  Changed(d, true);
  if (item) SendMessageA(d.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

void DeleteFixedDay(CondDialog& d, int node) {
  if (!d.editor->DeleteFixedDay(node)) return;
  HTREEITEM item = RebuildFixedDays(d, node);
  Changed(d, true);
  if (item) SendMessageA(d.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

bool KeyDown(int vk) { return GetKeyState(vk) < 0; }

void ClickImage(CondDialog& d, int node) {
  if (KeyDown(VK_CONTROL) && IsFixedDayEntry(node)) {
    OpenFixedDay(d, node);
    return;
  }
  Changed(d, d.editor->Click(node));
}

// NM_CLICK comes before the tree moves its selection, so the caret is still the node
// selected before the click.
LRESULT OnTreeClick(CondDialog& d) {
  TVHITTESTINFO hit = {};
  const DWORD pos = GetMessagePos();
  hit.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  ScreenToClient(d.tree, &hit.pt);
  const int node = NodeOf(d.tree, reinterpret_cast<HTREEITEM>(SendMessageA(d.tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
  if (node < 0) return 0;
  if (KeyDown(VK_SHIFT)) {
    const int selected = SelectedNode(d);
    if (selected >= 0 && selected != node) Changed(d, d.editor->ShiftClick(selected, node));
    return 0;
  }
  if (KeyDown(VK_CONTROL) && IsFixedDayEntry(node)) {
    OpenFixedDay(d, node);
    return TRUE;
  }
  if (hit.flags & TVHT_ONITEMICON) ClickImage(d, node);
  return 0;
}

// ---- painting by drag ----

void OnBeginDrag(CondDialog& d, const NMTREEVIEWA& nm) {
  const int node = static_cast<int>(nm.itemNew.lParam);
  const int paint = ConditionDragState(State(d), node);
  if (paint < 0) return;
  d.drag = PaintDrag();
  d.drag.paint = paint;
  BeginTreeDrag(d.drag.tree, d.dlg, d.tree, TheApp().imageLists[kStateImages], paint, -8, -8, nm.ptDrag);
}

void PaintAt(CondDialog& d, HTREEITEM item) {
  const int node = NodeOf(d.tree, item);
  const bool expanded = item && Expanded(d.tree, item);
  App& app = TheApp();
  if (node < 0 || ConditionPaintRefused(node, expanded))
    SetCursor(app.cursors[IDC_DRAG_NO - kFirstAppCursor]);
  else
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
  if (node < 0 || node == d.drag.last) return;
  d.drag.last = node;
  if (d.editor->Paint(node, d.drag.paint, expanded)) {
    ImageList_DragShowNolock(FALSE);
    ShowStates(d);
    UpdateWindow(d.tree);
    ImageList_DragShowNolock(TRUE);
  }
}

void OnDragMove(CondDialog& d, LPARAM lp) {
  POINT pt;
  if (!MoveTreeDrag(d.drag.tree, lp, pt)) return;
  TVHITTESTINFO hit = {};
  hit.pt = pt;
  PaintAt(d, reinterpret_cast<HTREEITEM>(SendMessageA(d.tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
}

// One line per tick while the mouse is above or below the tree; the item coming into view
// at that edge is painted.
void OnScrollTick(CondDialog& d) {
  ImageList_DragShowNolock(FALSE);
  SendMessageA(d.tree, WM_VSCROLL, d.drag.tree.scroll < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
  HTREEITEM edge = reinterpret_cast<HTREEITEM>(SendMessageA(d.tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
  if (d.drag.tree.scroll > 0) {
    const int visible = static_cast<int>(SendMessageA(d.tree, TVM_GETVISIBLECOUNT, 0, 0));
    for (int i = 1; i < visible && edge; ++i) {
      HTREEITEM next = reinterpret_cast<HTREEITEM>(SendMessageA(d.tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(edge)));
      if (!next) break;
      edge = next;
    }
  }
  UpdateWindow(d.tree);
  ImageList_DragShowNolock(TRUE);
  PaintAt(d, edge);
}

void EndDrag(CondDialog& d) {
  if (!d.drag.tree.active) return;
  EndTreeDrag(d.drag.tree);
  d.editor->EndPaint();
  if (HTREEITEM item = ItemOf(d, d.drag.last))
    SendMessageA(d.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  Changed(d, true);
}

// ---- dialog ----

void OnInit(CondDialog& d) {
  App& app = TheApp();
  d.tree = GetDlgItem(d.dlg, IDC_COND_TREE);
  LocalizeDialogButtons(d.dlg);
  RecordLayout(d);
  if (app.settings.conditionHeight > 0) {
    RECT w;
    GetWindowRect(d.dlg, &w);
    const int height = std::max<int>(app.settings.conditionHeight, d.layout.minHeight);
    SetWindowPos(d.dlg, nullptr, 0, 0, w.right - w.left, height, SWP_NOMOVE | SWP_NOZORDER);
  }
  HWND combo = GetDlgItem(d.dlg, IDC_COND_STYLE);
  for (int id = TWM_STYLE_FIRST; id <= TWM_STYLE_LAST; ++id)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadLibString(id).c_str()));
  SendMessageA(combo, CB_SETCURSEL, d.editor->styleIndex(), 0);
  SendDlgItemMessageA(d.dlg, IDC_COND_NAME, EM_LIMITTEXT, kRecoNameSize - 1, 0);
  SetDlgItemTextA(d.dlg, IDC_COND_NAME, d.record->name);
  ShowColour(d);
  BuildTree(d);
  Describe(d);
  SetNameFont(d);
  UpdateOk(d);
  if (d.editor->focusName()) {
    HWND name = GetDlgItem(d.dlg, IDC_COND_NAME);
    SetFocus(name);
    SendMessageA(name, EM_SETSEL, 0, -1);
  }
  d.loading = false;
}

void OnOk(CondDialog& d) {
  char name[kRecoNameSize] = {};
  GetDlgItemTextA(d.dlg, IDC_COND_NAME, name, sizeof name);
  const int result = d.editor->Ok(*d.record, name, TheApp().sink, LibraryTexts());
  if (result == ConditionEditor::kStayOpen) {
    ShowStates(d);
    return;
  }
  EndDialog(d.dlg, result);
}

void OnCommand(CondDialog& d, int id, int code) {
  switch (id) {
    case IDC_COND_OK:
      if (code == BN_CLICKED && d.editor->okEnabled()) OnOk(d);
      break;
    case IDC_COND_COLOUR:
      if (code == BN_CLICKED) OnColour(d);
      break;
    case IDC_COND_STYLE:
      if (code == CBN_SELCHANGE) {
        d.editor->ChooseStyle(static_cast<int>(SendDlgItemMessageA(d.dlg, IDC_COND_STYLE, CB_GETCURSEL, 0, 0)));
        SetNameFont(d);
        UpdateOk(d);
      }
      break;
    case IDC_COND_NAME:
      if (d.loading) break;
      if (code == EN_CHANGE) {
        d.editor->NameEdited();
        UpdateOk(d);
      } else if (code == EN_KILLFOCUS) {
        char name[kRecoNameSize] = {};
        GetDlgItemTextA(d.dlg, IDC_COND_NAME, name, sizeof name);
        d.editor->NameFocusLost(name);
        UpdateOk(d);
      }
      break;
  }
}

LRESULT OnNotify(CondDialog& d, NMHDR* nm) {
  if (nm->idFrom != IDC_COND_TREE) return 0;
  switch (nm->code) {
    case NM_CLICK:
      return OnTreeClick(d);
    case NM_DBLCLK: {
      const int node = SelectedNode(d);
      if (IsFixedDayEntry(node)) {
        OpenFixedDay(d, node);
        return TRUE;
      }
      // The second of two quick clicks on an image arrives as a double click.
      TVHITTESTINFO hit = {};
      const DWORD pos = GetMessagePos();
      hit.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
      ScreenToClient(d.tree, &hit.pt);
      SendMessageA(d.tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.hItem && (hit.flags & TVHT_ONITEMICON)) {
        ClickImage(d, NodeOf(d.tree, hit.hItem));
        return TRUE;
      }
      return 0;
    }
    case TVN_KEYDOWN: {
      const WORD key = reinterpret_cast<NMTVKEYDOWN*>(nm)->wVKey;
      const int node = SelectedNode(d);
      if (key == VK_SPACE && node >= 0) {
        ClickImage(d, node);
        return TRUE;
      }
      if (key == VK_DELETE && IsFixedDayEntry(node)) {
        DeleteFixedDay(d, node);
        return TRUE;
      }
      return 0;
    }
    case TVN_BEGINDRAGA:
      OnBeginDrag(d, *reinterpret_cast<NMTREEVIEWA*>(nm));
      return 0;
  }
  return 0;
}

void OnDrawItem(CondDialog& d, const DRAWITEMSTRUCT& item) {
  if (item.CtlID == IDC_COND_COLOUR) {
    DrawColourButton(item);
    return;
  }
  const int k = static_cast<int>(item.CtlID) - IDC_COND_LEGEND_IMAGE;
  if (k < 0 || k >= kLegendCount) return;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  int w = 12, h = 12;
  HIMAGELIST list = TheApp().imageLists[kStateImages];
  ImageList_GetIconSize(list, &w, &h);
  const int x = (item.rcItem.left + item.rcItem.right - w) / 2, y = (item.rcItem.top + item.rcItem.bottom - h) / 2;
  ImageList_Draw(list, k, item.hDC, x, y, ILD_NORMAL);
  (void)d;
}

void OnDestroy(CondDialog& d) {
  RECT w;
  GetWindowRect(d.dlg, &w);
  TheApp().settings.conditionHeight = w.bottom - w.top;
  if (d.nameFont) DeleteObject(d.nameFont);
  d.nameFont = nullptr;
}

INT_PTR CALLBACK ConditionsProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* d = reinterpret_cast<CondDialog*>(GetWindowLongPtrA(dlg, DWLP_USER));
  if (msg == WM_INITDIALOG) {
    d = reinterpret_cast<CondDialog*>(lp);
    SetWindowLongPtrA(dlg, DWLP_USER, lp);
    d->dlg = dlg;
    OnInit(*d);
    return !d->editor->focusName();
  }
  if (!d) return FALSE;
  if (d->drag.tree.active) {
    switch (msg) {
      case WM_MOUSEMOVE:
        OnDragMove(*d, lp);
        return TRUE;
      case WM_LBUTTONUP:
        EndDrag(*d);
        return TRUE;
      case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != dlg) EndDrag(*d);
        return TRUE;
      case WM_TIMER:
        if (wp == kTreeDragTimer) OnScrollTick(*d);
        return TRUE;
    }
  }
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {  // Enter: the default button "Ok"
        if (d->editor->okEnabled()) OnOk(*d);
        return TRUE;
      }
      OnCommand(*d, LOWORD(wp), HIWORD(wp));
      if (LOWORD(wp) != IDCANCEL && LOWORD(wp) != IDC_COND_HELP) return TRUE;
      break;
    case WM_NOTIFY:
      SetWindowLongPtrA(dlg, DWLP_MSGRESULT, OnNotify(*d, reinterpret_cast<NMHDR*>(lp)));
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*d, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lp) == GetDlgItem(dlg, IDC_COND_NAME)) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, kTextColours[d->editor->colorIndex() & 3]);
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_SIZE:
      OnSize(*d, HIWORD(lp));
      return TRUE;
    case WM_GETMINMAXINFO:
      OnMinMax(*d, reinterpret_cast<MINMAXINFO*>(lp));
      return TRUE;
    case WM_DESTROY:
      OnDestroy(*d);
      return FALSE;
  }
  return DialogTail(dlg, msg, wp, lp, DialogHelpTable{HID_CONDITIONS, kPopups});
}

// The recommendations dialog finds the editor through its hooks.
struct HookRegistrar {
  HookRegistrar() { RecoHooks().conditions = RunConditionsDialog; }
} g_hook;

}  // namespace

int RunConditionsDialog(HWND owner, int slot) {
  RecoTables& t = TheApp().reco;
  if (!t.ValidSlot(slot) || !t.records[slot].occupied() || t.records[slot].isHeader()) return 0;
  ConditionEditor editor(t.records[slot]);
  CondDialog d;
  d.record = &t.records[slot];
  d.editor = &editor;
  const INT_PTR r = DialogBoxParamA(TheApp().instance, MAKEINTRESOURCEA(IDD_CONDITIONS), owner, ConditionsProc,
                                    reinterpret_cast<LPARAM>(&d));
  return r > 0 ? static_cast<int>(r) : 0;
}

}  // namespace tw
