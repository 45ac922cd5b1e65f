// "Empfehlungen - Auswahl" for one recommendation (template 67): the user selections with
// a member image each; a click on the image or Space flips the membership, "Abbrechen"
// puts every membership back as it was when the list was filled.
#include "app/app.h"
#include "app/help.h"
#include "app/reco_dialogs.h"
#include "app/selection_list.h"
#include "app/state_dialog.h"
#include "dialogs/reco_dialog_ids.h"
#include "tw_ids.h"
#include "reco/reco_selection.h"
#include "reco/reco_tree.h"

namespace tw {

namespace {


struct RecoSelectionsDialog {
  static constexpr int kHelpTopic = HID_RECO_SELECTIONS;
  HWND dlg = nullptr;
  HWND list = nullptr;
  int slot = -1;
  SelectionMembership backup{};
};

RecoTables& Tables() { return TheApp().reco; }

int MemberImage(const RecoTables& tables, int entry, int slot) {
  return tables.selections[entry].members.Get(slot) ? kSelImageMember : kSelImageNotMember;
}

void Fill(RecoSelectionsDialog& d) {
  FillSelectionList(d.list, Tables(), kFirstUserSelection, MemberImage, d.slot);
  d.backup = MembershipOf(Tables(), d.slot);
  SelectSelectionItem(d.list, 0);
}

void Flip(RecoSelectionsDialog& d, int index) {
  const int entry = SelectionItemEntry(d.list, index);
  if (entry < kFirstUserSelection) return;
  FlipMembership(Tables(), entry, d.slot);
  SetSelectionItemImage(d.list, index, MemberImage(Tables(), entry, d.slot));
  EnableWindow(GetDlgItem(d.dlg, IDC_SEL_OK), TRUE);
}

void OnListClick(RecoSelectionsDialog& d) {
  const DWORD pos = GetMessagePos();
  LVHITTESTINFO hit = {};
  hit.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
  ScreenToClient(d.list, &hit.pt);
  const int index = static_cast<int>(SendMessageA(d.list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (index >= 0 && (hit.flags & LVHT_ONITEMICON)) Flip(d, index);
}

void OnInit(RecoSelectionsDialog& d) {
  d.list = GetDlgItem(d.dlg, IDC_SEL_LIST);
  SetDlgItemTextA(d.dlg, IDC_RECO_NAME, Tables().records[d.slot].name);
  InitSelectionList(d.list);
  Fill(d);
  EnableWindow(GetDlgItem(d.dlg, IDC_SEL_OK), FALSE);
}

LRESULT OnNotify(RecoSelectionsDialog& d, NMHDR* nm) {
  if (nm->idFrom != IDC_SEL_LIST) return 0;
  switch (nm->code) {
    case NM_CLICK:
      OnListClick(d);
      break;
    case LVN_KEYDOWN:
      if (reinterpret_cast<NMLVKEYDOWN*>(nm)->wVKey == VK_SPACE) Flip(d, SelectedSelectionIndex(d.list));
      break;
    case LVN_BEGINLABELEDITA:
      return BeginSelectionLabelEdit(d.list, *reinterpret_cast<NMLVDISPINFOA*>(nm));
    case LVN_ENDLABELEDITA:
      EndSelectionLabelEdit(d.list, Tables(), *reinterpret_cast<NMLVDISPINFOA*>(nm));
      return FALSE;
  }
  return 0;
}

void OnCommand(RecoSelectionsDialog& d, int id) {
  if (EndSelectionLabelEditByKey(d.list, id, IDC_SEL_OK)) return;
  switch (id) {
    case IDC_SEL_OK:
    case IDOK:
      if (IsWindowEnabled(GetDlgItem(d.dlg, IDC_SEL_OK))) EndDialog(d.dlg, 1);
      break;
    case IDCANCEL:
      RestoreMembership(Tables(), d.slot, d.backup);
      EndDialog(d.dlg, 0);
      break;
    case IDC_SEL_NEW_SELECTION:
      RunSelectionsDialog(d.dlg);
      Fill(d);
      break;
    case IDC_RECO_DIALOG_HELP:
      OpenHelp(HelpRequest::Context, RecoSelectionsDialog::kHelpTopic);
      break;
  }
}


}  // namespace

int RunRecoSelectionsDialog(HWND owner, int slot) {
  if (!TheApp().reco.ValidSlot(slot)) return 0;
  RecoSelectionsDialog d;
  d.slot = slot;
  return static_cast<int>(DialogBoxParamA(TheApp().instance, MAKEINTRESOURCEA(IDD_RECO_SELECTIONS), owner,
                                          StateDialogProc<RecoSelectionsDialog>, reinterpret_cast<LPARAM>(&d)));
}

}  // namespace tw
