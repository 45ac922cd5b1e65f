// The recommendations tree that the recommendations, selection and test dialogs share: built
// in display order, sorted by the core's one comparator, with counted labels in the
// recommendations dialog and membership images in the selection dialog.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>

#include "reco/condition_texts.h"
#include "reco/reco_tree.h"

namespace tw {

enum class RecoTreeMode {
  All,         // the recommendations dialog: counts in the root and category labels
  Unselected,  // records of no user selection; empty headers and categories dropped
  Selection,   // the selection dialog: membership images, no counts
  Test,        // the test of all: the recommendations dialog's images, no counts
};

// The tree control and the item of every slot. The handles are kept here rather than in
// the records' run-time fields, which are 32 bits wide and cannot hold a 64-bit handle.
struct RecoTreeView {
  HWND tree = nullptr;
  RecoTreeMode mode = RecoTreeMode::All;
  HTREEITEM root = nullptr;
  std::array<HTREEITEM, kRecoCategories> categories{};
  std::array<HTREEITEM, kRecoSlots> items{};
};

// Labels from the resource library, dates in the user's short day-and-month form.
const ConditionTexts& LibraryTexts();

// Labels of categories 1..3 (messages 4004..4006).
std::array<std::string, kRecoCategories> RecoCategoryTexts();

// Empties the tree and builds it from the tables; `selected` is the union of the user
// selections in the unselected mode. Expands the root and selects nothing.
void BuildRecoTree(RecoTreeView& view, const RecoTables& tables, const SlotMap* selected = nullptr);

// The item's parameter (slot, -c, -9), kNoRecoItem for none.
int RecoItemParam(HWND tree, HTREEITEM item);
int SelectedRecoItem(const RecoTreeView& view);
HTREEITEM RecoItemHandle(const RecoTreeView& view, int item);

// Inserts the record `slot` under the item where it belongs (its category or its header),
// after `after` (TVI_FIRST for the top), and records its handle.
HTREEITEM InsertRecoRecord(RecoTreeView& view, const RecoTables& tables, int slot, HTREEITEM after);
// Where `slot` is shown: its header's item for a member, else its category's.
HTREEITEM RecoParentItem(const RecoTreeView& view, const RecoTables& tables, int slot);
void DeleteRecoRecordItem(RecoTreeView& view, int slot);
// Sorts the children of `parent` by the display order.
void SortRecoChildren(const RecoTreeView& view, const RecoTables& tables, HTREEITEM parent);
void SetRecoItemLabel(HWND tree, HTREEITEM item, const char* text);
// Root and category labels with their counts (recommendations mode only).
void UpdateRecoCounts(const RecoTreeView& view, const RecoTables& tables);
// Selects `item` and shows it.
void SelectRecoItem(const RecoTreeView& view, HTREEITEM item);
// Membership images of every item over `map` (selection mode).
void UpdateSelectionImages(const RecoTreeView& view, const RecoTables& tables, const SlotMap& map);

// A drag over a tree, held by its dialog: the image follows the mouse, and while the mouse
// is above or below the tree a timer of the dialog (kTreeDragTimer, every 83 ms) asks it to
// scroll one step in `scroll`'s direction.
constexpr UINT_PTR kTreeDragTimer = 1;
struct TreeDrag {
  HWND dlg = nullptr;
  HWND tree = nullptr;
  bool active = false;
  int scroll = 0;  // -1 up, +1 down, 0 none
};
// Shows `image` (entry `index`, hot spot `hotX`/`hotY`) at the tree point `start` and
// captures the mouse for the dialog.
void BeginTreeDrag(TreeDrag& drag, HWND dlg, HWND tree, HIMAGELIST image, int index, int hotX, int hotY, POINT start);
// Moves the image to the dialog point in `lp` and starts or stops the scroll timer; true
// with the point in tree coordinates when the mouse is over the tree rather than above or
// below it.
bool MoveTreeDrag(TreeDrag& drag, LPARAM lp, POINT& inTree);
void EndTreeDrag(TreeDrag& drag);

// The description of a recommendation's conditions into a rich edit box; empty for null.
void ShowRecoDescription(HWND box, const RecoRecord* record);

}  // namespace tw

namespace tw {

// What a records tree's notification asks of its dialog.
enum class RecoTreeEvent { None, SelectionChanged, Renamed, Delete, DoubleClick, BeginDrag };
struct RecoTreeNotice {
  RecoTreeEvent event = RecoTreeEvent::None;
  LRESULT result = 0;  // the dialog's answer to the notification
};
// Label editing is handled here: the root and the categories refuse it, records take at
// most 100 characters, and a confirmed edit (even an empty one) renames the record,
// re-sorts its parent and selects it. `editing` follows the edit; Delete is reported only
// while no label is edited.
RecoTreeNotice OnRecoTreeNotify(const RecoTreeView& view, RecoTables& tables, const NMHDR* nm, bool& editing);
// Asks the question the record's delete needs and deletes on Yes, with its items; true
// when something was deleted.
bool DeleteRecoAfterQuestion(RecoTreeView& view, RecoTables& tables, int slot);

}  // namespace tw
