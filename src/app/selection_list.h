// The list of selections that both selection dialogs show: one item per in-use entry,
// labelled with its name, sorted, renamed in place.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "reco/reco_tables.h"

namespace tw {

// One full-width column and the shell's 12x12 images.
void InitSelectionList(HWND list);
// Every in-use entry from `first` to 127; `image(entry)` gives the item's image.
void FillSelectionList(HWND list, const RecoTables& tables, int first, int (*image)(const RecoTables&, int, int),
                       int slot);
int InsertSelectionItem(HWND list, const RecoTables& tables, int entry, int image);
// Entry of the item at `index` (-1 for none), and the index of an entry's item.
int SelectionItemEntry(HWND list, int index);
int SelectionItemIndex(HWND list, int entry);
int SelectedSelectionIndex(HWND list);
void SelectSelectionItem(HWND list, int index);
void SetSelectionItemImage(HWND list, int index, int image);
int SelectionItemImageAt(HWND list, int index);

// Label editing: the fixed entries 0 and 1 keep their names; others take at most 30
// characters while typing. Returns the notification's result (TRUE refuses).
BOOL BeginSelectionLabelEdit(HWND list, const NMLVDISPINFOA& info);
// A confirmed edit renames the entry and inserts its item again so the list stays sorted;
// returns the new index, or -1 when nothing changed.
int EndSelectionLabelEdit(HWND list, RecoTables& tables, const NMLVDISPINFOA& info);

// Enter (IDOK or the default button `defaultId`) and Escape (IDCANCEL) confirm or cancel a
// label being edited instead of acting on the dialog; true when they did.
bool EndSelectionLabelEditByKey(HWND list, int id, int defaultId);

}  // namespace tw
