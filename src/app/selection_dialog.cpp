// "Empfehlungen - Auswahl" (template 74): the selections on the left, the recommendations
// tree on the right with the membership of the chosen selection; clicks edit a working
// copy that "&Ändern" or "&Neu" writes. Closing saves the selection table.
#include "app/app.h"
#include "app/child.h"
#include "app/commands.h"
#include "app/frame.h"
#include "app/help.h"
#include "app/reco_dialogs.h"
#include "app/reco_tree_view.h"
#include "app/selection_list.h"
#include "app/state_dialog.h"
#include "app/side_panel.h"
#include "dialogs/reco_dialog_ids.h"
#include "tw_ids.h"

namespace tw {

namespace {

struct SelectionDialog {
  static constexpr int kHelpTopic = HID_SELECTIONS;
  HWND dlg = nullptr;
  HWND list = nullptr;
  RecoTreeView view;
  SlotMap working;
  int current = -1;
  bool filling = false;
};

RecoTables& Tables() { return TheApp().reco; }

int NoImage(const RecoTables&, int, int) { return -1; }

int ListCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

void Enable(HWND dlg, int id, bool on) { EnableWindow(GetDlgItem(dlg, id), on); }

void UpdateButtons(SelectionDialog& d) {
  Enable(d.dlg, IDC_SEL_NEW, !Tables().SelectionsFull());
  Enable(d.dlg, IDC_RECO_DELETE, d.current >= kFirstUserSelection && ListCount(d.list) > 2);
}

void Choose(SelectionDialog& d, int entry) {
  RecoTables& t = Tables();
  d.current = entry;
  TheApp().settings.lastRecoSel = entry;
  d.working = t.SelectionMap(entry);
  UpdateSelectionImages(d.view, t, d.working);
  Enable(d.dlg, IDC_SEL_APPLY, false);
  UpdateButtons(d);
}

void ClickItem(SelectionDialog& d, HTREEITEM item) {
  if (!item) return;
  RecoTables& t = Tables();
  ClickSelectionItem(t, BuildDisplayOrder(t), RecoItemParam(d.view.tree, item), d.working);
  UpdateSelectionImages(d.view, t, d.working);
  Enable(d.dlg, IDC_SEL_APPLY, d.current >= kFirstUserSelection);
}

void OnTreeClick(SelectionDialog& d) {
  const DWORD pos = GetMessagePos();
  TVHITTESTINFO hit = {};
  hit.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
  ScreenToClient(d.view.tree, &hit.pt);
  SendMessageA(d.view.tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL)) ClickItem(d, hit.hItem);
}

void OnApply(SelectionDialog& d) {
  if (ApplySelectionMap(Tables(), d.current, d.working)) Enable(d.dlg, IDC_SEL_APPLY, false);
}

void OnNew(SelectionDialog& d) {
  RecoTables& t = Tables();
  const int entry = NewSelection(t, d.working);
  if (entry < 0) return;
  d.filling = true;
  const int index = InsertSelectionItem(d.list, t, entry, -1);
  SelectSelectionItem(d.list, index);
  d.filling = false;
  d.current = entry;
  TheApp().settings.lastRecoSel = entry;
  Enable(d.dlg, IDC_SEL_APPLY, false);
  UpdateButtons(d);
  SetFocus(d.list);
  SendMessageA(d.list, LVM_EDITLABELA, index, 0);
}

void OnDelete(SelectionDialog& d) {
  const int index = SelectionItemIndex(d.list, d.current);
  if (index < 0 || !DeleteSelection(Tables(), d.current)) return;
  d.filling = true;
  SendMessageA(d.list, LVM_DELETEITEM, index, 0);
  d.filling = false;
  d.current = -1;
  TheApp().settings.lastRecoSel = -1;
  Enable(d.dlg, IDC_SEL_APPLY, false);
  Enable(d.dlg, IDC_RECO_DELETE, false);
  Enable(d.dlg, IDC_SEL_NEW, true);
}

void OnClose(SelectionDialog& d) {
  App& app = TheApp();
  SaveOnSelectionDialogClose(app.userDataDir, Tables(), app.recoRotation, app.sink);
  EndDialog(d.dlg, 1);
}

void OnInit(SelectionDialog& d) {
  RecoTables& t = Tables();
  d.list = GetDlgItem(d.dlg, IDC_SEL_LIST);
  d.view.tree = GetDlgItem(d.dlg, IDC_RECO_TREE);
  d.view.mode = RecoTreeMode::Selection;
  BuildRecoTree(d.view, t);
  InitSelectionList(d.list);
  d.filling = true;
  FillSelectionList(d.list, t, 0, NoImage, -1);
  const int last = TheApp().settings.lastRecoSel;
  SelectSelectionItem(d.list, SelectionItemIndex(d.list, last));
  d.filling = false;
  d.current = last;
  d.working = t.SelectionMap(last);
  UpdateSelectionImages(d.view, t, d.working);
  Enable(d.dlg, IDC_SEL_APPLY, false);
  Enable(d.dlg, IDC_SEL_NEW, !t.SelectionsFull());
  Enable(d.dlg, IDC_RECO_DELETE, last > 1);
}

LRESULT OnNotify(SelectionDialog& d, NMHDR* nm) {
  if (nm->idFrom == IDC_RECO_TREE) {
    if (nm->code == NM_CLICK) OnTreeClick(d);
    // Space on the selected item is the keyboard's click.
    if (nm->code == TVN_KEYDOWN && reinterpret_cast<NMTVKEYDOWN*>(nm)->wVKey == VK_SPACE)
      ClickItem(d, reinterpret_cast<HTREEITEM>(SendMessageA(d.view.tree, TVM_GETNEXTITEM, TVGN_CARET, 0)));
    return 0;
  }
  if (nm->idFrom != IDC_SEL_LIST) return 0;
  switch (nm->code) {
    case LVN_ITEMCHANGED: {
      const auto* lv = reinterpret_cast<NMLISTVIEW*>(nm);
      if (!d.filling && (lv->uChanged & LVIF_STATE) && (lv->uNewState & LVIS_SELECTED) &&
          !(lv->uOldState & LVIS_SELECTED))
        Choose(d, SelectionItemEntry(d.list, lv->iItem));
      break;
    }
    case LVN_BEGINLABELEDITA:
      return BeginSelectionLabelEdit(d.list, *reinterpret_cast<NMLVDISPINFOA*>(nm));
    case LVN_ENDLABELEDITA:
      d.filling = true;
      EndSelectionLabelEdit(d.list, Tables(), *reinterpret_cast<NMLVDISPINFOA*>(nm));
      d.filling = false;
      return FALSE;
    case LVN_KEYDOWN:
      if (reinterpret_cast<NMLVKEYDOWN*>(nm)->wVKey == VK_DELETE && IsWindowEnabled(GetDlgItem(d.dlg, IDC_RECO_DELETE)))
        OnDelete(d);
      break;
  }
  return 0;
}

void OnCommand(SelectionDialog& d, int id) {
  if (EndSelectionLabelEditByKey(d.list, id, IDC_RECO_CLOSE)) return;
  switch (id) {
    case IDC_SEL_NEW:
      OnNew(d);
      break;
    case IDC_SEL_APPLY:
      OnApply(d);
      break;
    case IDC_RECO_DELETE:
      OnDelete(d);
      break;
    case IDC_RECO_DIALOG_HELP:
      OpenHelp(HelpRequest::Context, SelectionDialog::kHelpTopic);
      break;
    case IDC_RECO_CLOSE:
    case IDOK:
    case IDCANCEL:
      OnClose(d);
      break;
  }
}


void RunSelectionsCommand(int) {
  App& app = TheApp();
  RunSelectionsDialog(app.frame);
  // A deleted current selection leaves the windows on theirs until they are switched.
  LoadConditionCombo(app.settings.lastRecoSel >= 0);
  RepaintChildWindows();
  RebuildSidePanel();
}

bool SelectionsLoaded(int) { return TheApp().recoLoaded; }

CommandRegistrar g_selectionsCommand({IDM_SELECTIONS, IDM_SELECTIONS, RunSelectionsCommand, SelectionsLoaded, nullptr});

}  // namespace

void RunSelectionsDialog(HWND owner) {
  SelectionDialog d;
  DialogBoxParamA(TheApp().instance, MAKEINTRESOURCEA(IDD_SELECTIONS), owner, StateDialogProc<SelectionDialog>,
                  reinterpret_cast<LPARAM>(&d));
}

}  // namespace tw
