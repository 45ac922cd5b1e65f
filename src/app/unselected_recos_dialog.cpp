// "Empfehlungen ohne Auswahl" (template 68): the recommendations that belong to no user
// selection, to put them into one or delete them. It saves nothing itself; the
// recommendations dialog that opened it saves on its own close.
#include "app/app.h"
#include "app/help.h"
#include "app/reco_dialogs.h"
#include "app/reco_tree_view.h"
#include "app/state_dialog.h"
#include "dialogs/reco_dialog_ids.h"
#include "tw_ids.h"

namespace tw {

namespace {


struct UnselectedDialog {
  static constexpr int kHelpTopic = HID_UNSELECTED_RECOS;
  HWND dlg = nullptr;
  RecoTreeView view;
  const SlotMap* selected = nullptr;
  bool editing = false;
};

void OnSelectionChanged(UnselectedDialog& d) {
  const RecoButtons b = RecoButtonsFor(TheApp().reco, SelectedRecoItem(d.view));
  EnableWindow(GetDlgItem(d.dlg, IDC_RECO_DELETE), b.remove);
  EnableWindow(GetDlgItem(d.dlg, IDC_RECO_SELECTIONS), b.conditions);
}

void OnSelections(UnselectedDialog& d) {
  const int slot = SelectedRecoItem(d.view);
  if (!RecoButtonsFor(TheApp().reco, slot).conditions) return;
  if (RunRecoSelectionsDialog(d.dlg, slot)) TheApp().reco.selDirty = true;
}

void OnDelete(UnselectedDialog& d) {
  const int slot = SelectedRecoItem(d.view);
  HTREEITEM item = RecoItemHandle(d.view, slot);
  if (!item) return;
  HTREEITEM parent = reinterpret_cast<HTREEITEM>(
      SendMessageA(d.view.tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
  if (!DeleteRecoAfterQuestion(d.view, TheApp().reco, slot)) return;
  // A parent left without children has nothing more to show here.
  if (parent && parent != d.view.root &&
      !SendMessageA(d.view.tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)))
    SendMessageA(d.view.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(parent));
  OnSelectionChanged(d);
}

LRESULT OnNotify(UnselectedDialog& d, NMHDR* nm) {
  const RecoTreeNotice n = OnRecoTreeNotify(d.view, TheApp().reco, nm, d.editing);
  switch (n.event) {
    case RecoTreeEvent::SelectionChanged:
      OnSelectionChanged(d);
      break;
    case RecoTreeEvent::Delete:
      OnDelete(d);
      break;
    case RecoTreeEvent::DoubleClick:
      OnSelections(d);
      break;
    default:
      break;
  }
  return n.result;
}

void OnCommand(UnselectedDialog& d, int id) {
  if (d.editing) {
    if (id == IDC_RECO_CLOSE || id == IDOK || id == IDCANCEL)
      SendMessageA(d.view.tree, TVM_ENDEDITLABELNOW, id == IDCANCEL, 0);
    return;
  }
  switch (id) {
    case IDC_RECO_SELECTIONS:
      OnSelections(d);
      break;
    case IDC_RECO_DELETE:
      OnDelete(d);
      break;
    case IDC_RECO_DIALOG_HELP:
      OpenHelp(HelpRequest::Context, UnselectedDialog::kHelpTopic);
      break;
    case IDC_RECO_CLOSE:
    case IDOK:
    case IDCANCEL:
      EndDialog(d.dlg, 0);
      break;
  }
}

void OnInit(UnselectedDialog& d) {
  d.view.tree = GetDlgItem(d.dlg, IDC_RECO_TREE);
  d.view.mode = RecoTreeMode::Unselected;
  BuildRecoTree(d.view, TheApp().reco, d.selected);
  OnSelectionChanged(d);
}

}  // namespace

void RunUnselectedRecosDialog(HWND owner, const SlotMap& selected) {
  UnselectedDialog d;
  d.selected = &selected;
  DialogBoxParamA(TheApp().instance, MAKEINTRESOURCEA(IDD_UNSELECTED_RECOS), owner, StateDialogProc<UnselectedDialog>,
                  reinterpret_cast<LPARAM>(&d));
}

}  // namespace tw
