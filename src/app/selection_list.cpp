#include "app/selection_list.h"

#include "app/app.h"
#include "reco/reco_selection.h"

namespace tw {

namespace {
constexpr int kSmallImages = 1;
constexpr int kLabelEditMax = 30;
}  // namespace

void InitSelectionList(HWND list) {
  RECT r;
  GetClientRect(list, &r);
  LVCOLUMNA col = {};
  col.mask = LVCF_WIDTH;
  col.cx = r.right - GetSystemMetrics(SM_CXVSCROLL);
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
  SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(TheApp().imageLists[kSmallImages]));
}

int InsertSelectionItem(HWND list, const RecoTables& tables, int entry, int image) {
  LVITEMA it = {};
  it.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
  it.iItem = kRecoSelEntries;
  it.pszText = const_cast<char*>(tables.selections[entry].name);
  it.lParam = entry;
  it.iImage = image;
  return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

void FillSelectionList(HWND list, const RecoTables& tables, int first, int (*image)(const RecoTables&, int, int),
                       int slot) {
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  for (int e = first; e < kRecoSelEntries; ++e)
    if (tables.selections[e].inUse) InsertSelectionItem(list, tables, e, image(tables, e, slot));
}

int SelectionItemEntry(HWND list, int index) {
  if (index < 0) return -1;
  LVITEMA it = {};
  it.mask = LVIF_PARAM;
  it.iItem = index;
  if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return -1;
  return static_cast<int>(it.lParam);
}

int SelectionItemIndex(HWND list, int entry) {
  LVFINDINFOA find = {};
  find.flags = LVFI_PARAM;
  find.lParam = entry;
  return static_cast<int>(SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

int SelectedSelectionIndex(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectSelectionItem(HWND list, int index) {
  if (index < 0) return;
  LVITEMA it = {};
  it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  it.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&it));
  SendMessageA(list, LVM_ENSUREVISIBLE, index, FALSE);
}

void SetSelectionItemImage(HWND list, int index, int image) {
  LVITEMA it = {};
  it.mask = LVIF_IMAGE;
  it.iItem = index;
  it.iImage = image;
  SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it));
}

int SelectionItemImageAt(HWND list, int index) {
  LVITEMA it = {};
  it.mask = LVIF_IMAGE;
  it.iItem = index;
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
  return it.iImage;
}

BOOL BeginSelectionLabelEdit(HWND list, const NMLVDISPINFOA& info) {
  if (SelectionItemEntry(list, info.item.iItem) < kFirstUserSelection) return TRUE;
  if (HWND edit = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0)))
    SendMessageA(edit, EM_LIMITTEXT, kLabelEditMax, 0);
  return FALSE;
}

int EndSelectionLabelEdit(HWND list, RecoTables& tables, const NMLVDISPINFOA& info) {
  if (!info.item.pszText) return -1;
  const int index = info.item.iItem;
  const int entry = SelectionItemEntry(list, index);
  if (entry < kFirstUserSelection) return -1;
  const int image = SelectionItemImageAt(list, index);
  RenameSelection(tables, entry, info.item.pszText);
  SendMessageA(list, LVM_DELETEITEM, index, 0);
  const int now = InsertSelectionItem(list, tables, entry, image);
  SelectSelectionItem(list, now);
  return now;
}

bool EndSelectionLabelEditByKey(HWND list, int id, int defaultId) {
  HWND edit = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0));
  if (!edit || (id != IDOK && id != IDCANCEL && id != defaultId)) return false;
  SendMessageA(edit, WM_KEYDOWN, id == IDCANCEL ? VK_ESCAPE : VK_RETURN, 0);
  return true;
}

}  // namespace tw
