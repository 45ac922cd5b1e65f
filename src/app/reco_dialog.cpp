// "Empfehlungen" (template 65): the tree of all recommendations by category and group, new
// records and groups, delete, rename in place, drag and drop that moves or copies, the
// description of the selected recommendation, and the save with backups on closing.

#include "app/app.h"
#include "app/child.h"
#include "app/commands.h"
#include "app/frame.h"
#include "app/help.h"
#include "app/reco_dialogs.h"
#include "app/reco_tree_view.h"
#include "app/side_panel.h"
#include "app/state_dialog.h"
#include "core/settings.h"
#include "dialogs/reco_dialog_ids.h"
#include "reco/reco_export.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr int kDragMargin = 10;  // the cursor may leave the tree this far above and below

struct DragState {
  TreeDrag tree;
  HTREEITEM item = nullptr;
  int slot = -1;
  HIMAGELIST image = nullptr;  // made for this drag
};

struct RecoDialog {
  static constexpr int kHelpTopic = HID_RECOMMENDATIONS;
  HWND dlg = nullptr;
  RecoTreeView view;
  bool editing = false;
  bool changed = false;
  DragState drag;
};

RecoTables& Tables() { return TheApp().reco; }

void Enable(HWND dlg, int id, bool on) { EnableWindow(GetDlgItem(dlg, id), on); }

void ShowDescription(RecoDialog& d, int item) {
  const RecoTables& t = Tables();
  const bool reco = RecoButtonsFor(t, item).conditions;
  ShowRecoDescription(GetDlgItem(d.dlg, IDC_RECO_DESCRIPTION), reco ? &t.records[item] : nullptr);
}

void OnSelectionChanged(RecoDialog& d) {
  const int item = SelectedRecoItem(d.view);
  const RecoButtons b = RecoButtonsFor(Tables(), item);
  Enable(d.dlg, IDC_RECO_NEW, b.create);
  Enable(d.dlg, IDC_RECO_NEW_GROUP, b.create);
  Enable(d.dlg, IDC_RECO_DELETE, b.remove);
  Enable(d.dlg, IDC_RECO_CONDITIONS, b.conditions && RecoHooks().conditions);
  Enable(d.dlg, IDC_RECO_SELECTIONS, b.conditions);
  if (b.conditions) Tables().lastReco = item;
  ShowDescription(d, item);
}

void Edited(RecoDialog& d) {
  d.changed = true;
  UpdateRecoCounts(d.view, Tables());
  OnSelectionChanged(d);
}

HTREEITEM ParentOf(HWND tree, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

void Expand(HWND tree, HTREEITEM item) {
  if (item) SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

// Places a new record: first under a category or a header that was selected, else after
// the selected item when both share a parent.
HTREEITEM InsertNew(RecoDialog& d, int slot, int selected) {
  RecoTables& t = Tables();
  HTREEITEM parent = RecoParentItem(d.view, t, slot);
  HTREEITEM sel = RecoItemHandle(d.view, selected);
  HTREEITEM after = sel && ParentOf(d.view.tree, sel) == parent ? sel : TVI_FIRST;
  HTREEITEM item = InsertRecoRecord(d.view, t, slot, after);
  Expand(d.view.tree, parent);
  return item;
}

void OpenConditions(RecoDialog& d, int slot) {
  auto run = RecoHooks().conditions;
  RecoTables& t = Tables();
  if (!run || !RecoButtonsFor(t, slot).conditions) return;
  const int result = run(d.dlg, slot);
  if (result == 0) return;
  t.recoDirty = true;
  d.changed = true;
  if (result == 2) {
    HTREEITEM item = d.view.items[slot];
    SetRecoItemLabel(d.view.tree, item, t.records[slot].name);
    SortRecoChildren(d.view, t, ParentOf(d.view.tree, item));
    SelectRecoItem(d.view, item);
  }
  ShowDescription(d, slot);
}

void EditLabel(RecoDialog& d, HTREEITEM item) {
  SetFocus(d.view.tree);
  SendMessageA(d.view.tree, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item));
}

// Without a conditions editor a new record is named in place at once.
void NameNewRecord(RecoDialog& d, int slot) {
  if (RecoHooks().conditions)
    OpenConditions(d, slot);
  else
    EditLabel(d, d.view.items[slot]);
}

void OnNewRecommendation(RecoDialog& d) {
  const int selected = SelectedRecoItem(d.view);
  const int slot = NewRecommendation(Tables(), selected);
  if (slot < 0) return;
  SelectRecoItem(d.view, InsertNew(d, slot, selected));
  Edited(d);
  NameNewRecord(d, slot);
}

void OnNewGroup(RecoDialog& d) {
  RecoTables& t = Tables();
  const int selected = SelectedRecoItem(d.view);
  int member = -1;
  const int header = NewGroup(t, selected, &member);
  if (header < 0) return;
  HTREEITEM head = InsertRecoRecord(d.view, t, header, TVI_FIRST);
  HTREEITEM item = InsertRecoRecord(d.view, t, member, TVI_FIRST);
  Expand(d.view.tree, ParentOf(d.view.tree, head));
  Expand(d.view.tree, head);
  SelectRecoItem(d.view, head);
  SendMessageA(d.view.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  Edited(d);
  EditLabel(d, head);
}

void OnDelete(RecoDialog& d) {
  if (!DeleteRecoAfterQuestion(d.view, Tables(), SelectedRecoItem(d.view))) return;
  Edited(d);
}

void OnCheckSelections(RecoDialog& d) {
  RecoTables& t = Tables();
  RunUnselectedRecosDialog(d.dlg, UnionOfUserSelections(t));
  BuildRecoTree(d.view, t);
  if (t.ValidSlot(t.lastReco)) SelectRecoItem(d.view, d.view.items[t.lastReco]);
  OnSelectionChanged(d);
}

void OnSelections(RecoDialog& d) {
  const int slot = SelectedRecoItem(d.view);
  if (!RecoButtonsFor(Tables(), slot).conditions) return;
  if (RunRecoSelectionsDialog(d.dlg, slot)) {
    Tables().selDirty = true;
    d.changed = true;
  }
}

// A data file marked read-only is not replaced: the replace through a temporary file
// would pass over the attribute. The edits stay in memory for the next try.
bool ReadOnlyFileRefused(const std::string& path) {
  const DWORD attrs = GetFileAttributesA(path.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES || !(attrs & FILE_ATTRIBUTE_READONLY)) return false;
  ShowMessage(MB_ICONHAND, TWM_FILE_WRITE_FAILED, {path});
  return true;
}

void OnClose(RecoDialog& d) {
  App& app = TheApp();
  RecoTables& t = Tables();
  const bool dirty = t.recoDirty || t.selDirty;
  // A dirty record table is saved together with the selections.
  if ((t.recoDirty && ReadOnlyFileRefused(RecoFilePath(app.userDataDir))) ||
      (dirty && ReadOnlyFileRefused(RecoSelFilePath(app.userDataDir)))) {
    EndDialog(d.dlg, 1);
    return;
  }
  if (SaveOnRecoDialogClose(app.userDataDir, t, app.recoRotation, app.sink)) {
    app.settings.nextSave = app.recoRotation.nextSave;
    SetSettingNumber(app.profile, kSetNextSave, app.settings.nextSave);
  }
  EndDialog(d.dlg, dirty || d.changed ? 1 : 0);
}

// ---- drag and drop ----

HTREEITEM ItemAt(HWND tree, POINT pt) {
  TVHITTESTINFO hit = {};
  hit.pt = pt;
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

bool CopyKeys() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0; }

void SetDropTarget(RecoDialog& d, HTREEITEM item) {
  ImageList_DragShowNolock(FALSE);
  SendMessageA(d.view.tree, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item));
  ImageList_DragShowNolock(TRUE);
}

HTREEITEM DropTarget(HWND tree) {
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_DROPHILITE, 0));
}

void OnBeginDrag(RecoDialog& d, const NMTREEVIEWA& nm) {
  const int slot = static_cast<int>(nm.itemNew.lParam);
  if (d.editing || !RecoDraggable(Tables(), slot)) return;
  d.drag = DragState();
  d.drag.item = nm.itemNew.hItem;
  d.drag.slot = slot;
  d.drag.image = reinterpret_cast<HIMAGELIST>(
      SendMessageA(d.view.tree, TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(nm.itemNew.hItem)));
  RECT r;
  GetWindowRect(d.view.tree, &r);
  r.top -= kDragMargin;
  r.bottom += kDragMargin;
  ClipCursor(&r);
  BeginTreeDrag(d.drag.tree, d.dlg, d.view.tree, d.drag.image, 0, 0, 0, nm.ptDrag);
}

void SetDragCursor(RecoDialog& d, HTREEITEM target) {
  App& app = TheApp();
  const int item = RecoItemParam(d.view.tree, target);
  switch (RecoDragCursor(Tables(), item, CopyKeys())) {
    case DragCursor::No:
      SetCursor(app.cursors[IDC_DRAG_NO - kFirstAppCursor]);
      break;
    case DragCursor::Copy:
      SetCursor(app.cursors[IDC_DRAG_COPY - kFirstAppCursor]);
      break;
    case DragCursor::Arrow:
      SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
      break;
  }
}

void OnDragMove(RecoDialog& d, LPARAM lp) {
  POINT pt;
  if (!MoveTreeDrag(d.drag.tree, lp, pt)) return;
  HTREEITEM target = ItemAt(d.view.tree, pt);
  if (RecoItemParam(d.view.tree, target) == kRecoRootItem) target = nullptr;
  SetDropTarget(d, target);
  SetDragCursor(d, target);
}

// One visible item up or down per tick while the mouse is above or below the tree.
void OnScrollTick(RecoDialog& d) {
  HWND tree = d.view.tree;
  HTREEITEM from = DropTarget(tree);
  if (!from) from = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
  if (!from) return;
  const WPARAM step = d.drag.tree.scroll < 0 ? TVGN_PREVIOUSVISIBLE : TVGN_NEXTVISIBLE;
  HTREEITEM next = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, step, reinterpret_cast<LPARAM>(from)));
  if (!next) return;
  ImageList_DragShowNolock(FALSE);
  SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(next));
  SendMessageA(tree, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(next));
  ImageList_DragShowNolock(TRUE);
  SetDragCursor(d, next);
}

void EndDrag(RecoDialog& d) {
  EndTreeDrag(d.drag.tree);
  if (d.drag.image) ImageList_Destroy(d.drag.image);
  d.drag.image = nullptr;
  ClipCursor(nullptr);
}

void OnDrop(RecoDialog& d) {
  HWND tree = d.view.tree;
  HTREEITEM targetItem = DropTarget(tree);
  const bool copyKeys = CopyKeys();
  EndDrag(d);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_DROPHILITE, 0);
  if (!targetItem || (targetItem == d.drag.item && !copyKeys)) return;
  RecoTables& t = Tables();
  const int slot = d.drag.slot;
  const int target = RecoItemParam(tree, targetItem);
  int copySlot = -1;
  if (!DropRecommendation(t, slot, target, copyKeys, &copySlot)) return;
  if (copySlot >= 0) {
    // The item left in place now stands for the copy.
    TVITEMA it = {};
    it.mask = TVIF_PARAM;
    it.hItem = d.drag.item;
    it.lParam = copySlot;
    SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it));
    d.view.items[copySlot] = d.drag.item;
    d.view.items[slot] = nullptr;
  } else {
    DeleteRecoRecordItem(d.view, slot);
  }
  const bool intoParent = target < 0 || t.records[target].isHeader();
  HTREEITEM item = InsertRecoRecord(d.view, t, slot, intoParent ? TVI_FIRST : targetItem);
  HTREEITEM parent = ParentOf(tree, item);
  SortRecoChildren(d.view, t, parent);
  Expand(tree, parent);
  SelectRecoItem(d.view, item);
  Edited(d);
}

// ---- dialog ----

void OnInit(RecoDialog& d) {
  App& app = TheApp();
  d.view.tree = GetDlgItem(d.dlg, IDC_RECO_TREE);
  d.view.mode = RecoTreeMode::All;
  for (int id : {IDC_RECO_NEW, IDC_RECO_NEW_GROUP, IDC_RECO_DELETE, IDC_RECO_CONDITIONS, IDC_RECO_SELECTIONS})
    Enable(d.dlg, id, false);
  Enable(d.dlg, IDC_RECO_TEST, RecoHooks().test != nullptr);
  ShowWindow(GetDlgItem(d.dlg, IDC_RECO_EXPORT), app.settings.oskelin ? SW_SHOW : SW_HIDE);
  RecoTables& t = Tables();
  BuildRecoTree(d.view, t);
  // Selecting an item expands its parent and grandparent.
  if (t.ValidSlot(t.lastReco) && t.records[t.lastReco].occupied()) SelectRecoItem(d.view, d.view.items[t.lastReco]);
  OnSelectionChanged(d);
}

LRESULT OnNotify(RecoDialog& d, NMHDR* nm) {
  const RecoTreeNotice n = OnRecoTreeNotify(d.view, Tables(), nm, d.editing);
  switch (n.event) {
    case RecoTreeEvent::SelectionChanged:
      OnSelectionChanged(d);
      break;
    case RecoTreeEvent::Renamed:
      Edited(d);
      break;
    case RecoTreeEvent::BeginDrag:
      OnBeginDrag(d, *reinterpret_cast<NMTREEVIEWA*>(nm));
      break;
    case RecoTreeEvent::Delete:
      OnDelete(d);
      break;
    case RecoTreeEvent::DoubleClick:
      OpenConditions(d, SelectedRecoItem(d.view));
      break;
    case RecoTreeEvent::None:
      break;
  }
  return n.result;
}

void OnCommand(RecoDialog& d, int id) {
  // While a label is edited, Enter and Escape end the edit and nothing else happens.
  if (d.editing) {
    if (id == IDC_RECO_CONDITIONS || id == IDOK || id == IDCANCEL)
      SendMessageA(d.view.tree, TVM_ENDEDITLABELNOW, id == IDCANCEL, 0);
    return;
  }
  switch (id) {
    case IDC_RECO_NEW:
      OnNewRecommendation(d);
      break;
    case IDC_RECO_NEW_GROUP:
      OnNewGroup(d);
      break;
    case IDC_RECO_CONDITIONS:
    case IDOK:
      OpenConditions(d, SelectedRecoItem(d.view));
      break;
    case IDC_RECO_SELECTIONS:
      OnSelections(d);
      break;
    case IDC_RECO_CHECK_SELECTIONS:
      OnCheckSelections(d);
      break;
    case IDC_RECO_TEST:
      if (RecoHooks().test) RecoHooks().test(d.dlg, SelectedRecoItem(d.view));
      break;
    case IDC_RECO_DELETE:
      OnDelete(d);
      break;
    case IDC_RECO_EXPORT:
      ExportRecoTxt(kRecoExportFile, Tables(), RecoCategoryTexts());
      break;
    case IDC_RECO_DIALOG_HELP:
      OpenHelp(HelpRequest::Context, RecoDialog::kHelpTopic);
      break;
    case IDC_RECO_CLOSE:
    case IDCANCEL:
      OnClose(d);
      break;
  }
}

// The drag messages come to the dialog, which holds the capture; the rest is the
// common dispatch.
INT_PTR CALLBACK RecoDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* d = reinterpret_cast<RecoDialog*>(GetWindowLongPtrA(dlg, DWLP_USER));
  if (!d || !d->drag.tree.active) return StateDialogProc<RecoDialog>(dlg, msg, wp, lp);
  switch (msg) {
    case WM_MOUSEMOVE:
      OnDragMove(*d, lp);
      return TRUE;
    case WM_LBUTTONUP:
      OnDrop(*d);
      return TRUE;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != dlg) {
        EndDrag(*d);
        SendMessageA(d->view.tree, TVM_SELECTITEM, TVGN_DROPHILITE, 0);
      }
      return TRUE;
    case WM_TIMER:
      if (wp == kTreeDragTimer) OnScrollTick(*d);
      return TRUE;
  }
  return StateDialogProc<RecoDialog>(dlg, msg, wp, lp);
}

void RunRecommendationsCommand(int) {
  App& app = TheApp();
  if (!RunRecommendationsDialog(app.frame)) return;
  LoadConditionCombo(true);
  RepaintChildWindows();
  RebuildSidePanel();
}

bool RecommendationsLoaded(int) { return TheApp().recoLoaded; }

CommandRegistrar g_recoCommand({IDM_RECOMMENDATIONS, IDM_RECOMMENDATIONS, RunRecommendationsCommand,
                                RecommendationsLoaded, nullptr});

}  // namespace

RecoDialogHooks& RecoHooks() {
  static RecoDialogHooks hooks;
  return hooks;
}

bool RunRecommendationsDialog(HWND owner) {
  RecoDialog d;
  return DialogBoxParamA(TheApp().instance, MAKEINTRESOURCEA(IDD_RECOMMENDATIONS), owner, RecoDialogProc,
                         reinterpret_cast<LPARAM>(&d)) == 1;
}

}  // namespace tw
