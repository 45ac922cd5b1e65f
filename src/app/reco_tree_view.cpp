#include "app/reco_tree_view.h"

#include <richedit.h>
#include <windowsx.h>

#include "app/app.h"
#include "core/rtf_builder.h"
#include "reco/condition_description.h"
#include "reco/reco_messages.h"
#include "views/rtf_builder_win.h"

namespace tw {

namespace {

class LibraryConditionTexts : public ConditionTexts {
 public:
  std::string Message(int id) const override { return LoadLibString(id); }
  std::string DayMonth(int day, int month) const override {
    DateSettings settings;
    settings.locale = TheApp().locale;
    settings.display = DateDisplay{false, false, false, false};
    return ShortDayMonth(settings, day, month);
  }
};

constexpr int kSmallImages = 1;  // the shell's 12x12 list: condition and membership states
constexpr int kTreeImages = 2;   // the shell's 18x18 list: root, categories, groups, records
constexpr UINT kDragScrollMs = 83;

int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM tables) {
  return CompareRecoSlots(*reinterpret_cast<const RecoTables*>(tables), static_cast<int>(a), static_cast<int>(b));
}

int ItemImage(const RecoTreeView& view, const RecoTables& tables, int item) {
  // The selection dialog sets its membership images afterwards.
  return view.mode == RecoTreeMode::Selection ? kSelImageNone : RecoItemImage(tables, item);
}

HTREEITEM Insert(const RecoTreeView& view, HTREEITEM parent, HTREEITEM after, int param, const char* text,
                 int image) {
  TVINSERTSTRUCTA ins = {};
  ins.hParent = parent;
  ins.hInsertAfter = after;
  ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  ins.item.pszText = const_cast<char*>(text);
  ins.item.lParam = param;
  ins.item.iImage = ins.item.iSelectedImage = image;
  return reinterpret_cast<HTREEITEM>(SendMessageA(view.tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
}

void SetImage(HWND tree, HTREEITEM item, int image) {
  TVITEMA it = {};
  it.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  it.hItem = item;
  it.iImage = it.iSelectedImage = image;
  SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it));
}

}  // namespace

const ConditionTexts& LibraryTexts() {
  static const LibraryConditionTexts texts;
  return texts;
}

std::array<std::string, kRecoCategories> RecoCategoryTexts() {
  std::array<std::string, kRecoCategories> labels;
  for (int c = 0; c < kRecoCategories; ++c) labels[c] = LoadLibString(kMsgRecoCategoryFirst + c);
  return labels;
}

void BuildRecoTree(RecoTreeView& view, const RecoTables& tables, const SlotMap* selected) {
  App& app = TheApp();
  HWND tree = view.tree;
  SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
  const int list = view.mode == RecoTreeMode::Selection ? kSmallImages : kTreeImages;
  SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(app.imageLists[list]));
  SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  view.items.fill(nullptr);

  const std::string rootLabel = LoadLibString(kMsgRecoHeading);
  view.root = Insert(view, TVI_ROOT, TVI_LAST, kRecoRootItem, rootLabel.c_str(), ItemImage(view, tables, kRecoRootItem));
  const auto labels = RecoCategoryTexts();
  for (int c = 1; c <= kRecoCategories; ++c)
    view.categories[c - 1] = Insert(view, view.root, TVI_LAST, -c, labels[c - 1].c_str(), ItemImage(view, tables, -c));

  // The display order is the comparator's, so inserting in it leaves every level sorted.
  const RecoDisplayOrder order =
      BuildDisplayOrder(tables, view.mode == RecoTreeMode::Unselected ? selected : nullptr);
  for (int c = 1; c <= kRecoCategories; ++c) {
    HTREEITEM category = view.categories[c - 1];
    for (const RecoTreeItem& top : order.categories[c - 1]) {
      const RecoRecord& r = tables.records[top.slot];
      HTREEITEM item = Insert(view, category, TVI_LAST, top.slot, r.name, ItemImage(view, tables, top.slot));
      view.items[top.slot] = item;
      for (int m : top.members)
        view.items[m] = Insert(view, item, TVI_LAST, m, tables.records[m].name, ItemImage(view, tables, m));
    }
    if (view.mode == RecoTreeMode::Unselected && order.categories[c - 1].empty()) {
      SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(category));
      view.categories[c - 1] = nullptr;
    }
  }
  if (view.mode == RecoTreeMode::All) UpdateRecoCounts(view, tables);
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(view.root));
  SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
  SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(view.root));
  InvalidateRect(tree, nullptr, TRUE);
}

int RecoItemParam(HWND tree, HTREEITEM item) {
  if (!item) return kNoRecoItem;
  TVITEMA it = {};
  it.mask = TVIF_PARAM;
  it.hItem = item;
  if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return kNoRecoItem;
  return static_cast<int>(it.lParam);
}

int SelectedRecoItem(const RecoTreeView& view) {
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(view.tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  return RecoItemParam(view.tree, item);
}

HTREEITEM RecoItemHandle(const RecoTreeView& view, int item) {
  if (item == kRecoRootItem) return view.root;
  if (item >= -kRecoCategories && item <= -1) return view.categories[-item - 1];
  if (item >= 0 && item < kRecoSlots) return view.items[item];
  return nullptr;
}

HTREEITEM RecoParentItem(const RecoTreeView& view, const RecoTables& tables, int slot) {
  const RecoRecord& r = tables.records[slot];
  if (r.category < 1 || r.category > kRecoCategories) return nullptr;
  if (r.groupLink > 0) {
    for (int h = 0; h < kRecoSlots; ++h) {
      const RecoRecord& head = tables.records[h];
      if (head.occupied() && head.category == r.category && head.groupLink == -r.groupLink) return view.items[h];
    }
    return nullptr;
  }
  return view.categories[r.category - 1];
}

HTREEITEM InsertRecoRecord(RecoTreeView& view, const RecoTables& tables, int slot, HTREEITEM after) {
  HTREEITEM parent = RecoParentItem(view, tables, slot);
  if (!parent) return nullptr;
  view.items[slot] = Insert(view, parent, after, slot, tables.records[slot].name, ItemImage(view, tables, slot));
  return view.items[slot];
}

void DeleteRecoRecordItem(RecoTreeView& view, int slot) {
  if (slot < 0 || slot >= kRecoSlots || !view.items[slot]) return;
  SendMessageA(view.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(view.items[slot]));
  view.items[slot] = nullptr;
}

void SortRecoChildren(const RecoTreeView& view, const RecoTables& tables, HTREEITEM parent) {
  if (!parent) return;
  TVSORTCB sort = {};
  sort.hParent = parent;
  sort.lpfnCompare = CompareItems;
  sort.lParam = reinterpret_cast<LPARAM>(&tables);
  SendMessageA(view.tree, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void SetRecoItemLabel(HWND tree, HTREEITEM item, const char* text) {
  TVITEMA it = {};
  it.mask = TVIF_TEXT;
  it.hItem = item;
  it.pszText = const_cast<char*>(text);
  SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it));
}

void UpdateRecoCounts(const RecoTreeView& view, const RecoTables& tables) {
  const RecoCounts counts = CountRecommendations(tables, BuildDisplayOrder(tables));
  SetRecoItemLabel(view.tree, view.root, CountedLabel(LoadLibString(kMsgRecoHeading), counts.total).c_str());
  const auto labels = RecoCategoryTexts();
  for (int c = 0; c < kRecoCategories; ++c)
    if (view.categories[c])
      SetRecoItemLabel(view.tree, view.categories[c], CountedLabel(labels[c], counts.perCategory[c]).c_str());
}

void SelectRecoItem(const RecoTreeView& view, HTREEITEM item) {
  if (!item) return;
  SendMessageA(view.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  SendMessageA(view.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}

void UpdateSelectionImages(const RecoTreeView& view, const RecoTables& tables, const SlotMap& map) {
  const RecoDisplayOrder order = BuildDisplayOrder(tables);
  SetImage(view.tree, view.root, SelectionItemImage(tables, order, kRecoRootItem, map));
  for (int c = 1; c <= kRecoCategories; ++c)
    if (view.categories[c - 1]) SetImage(view.tree, view.categories[c - 1], SelectionItemImage(tables, order, -c, map));
  for (int s = 0; s < kRecoSlots; ++s)
    if (view.items[s]) SetImage(view.tree, view.items[s], SelectionItemImage(tables, order, s, map));
}

void BeginTreeDrag(TreeDrag& drag, HWND dlg, HWND tree, HIMAGELIST image, int index, int hotX, int hotY, POINT start) {
  drag = TreeDrag();
  drag.dlg = dlg;
  drag.tree = tree;
  MapWindowPoints(tree, dlg, &start, 1);
  ImageList_BeginDrag(image, index, hotX, hotY);
  ImageList_DragEnter(dlg, start.x, start.y);
  SetCapture(dlg);
  drag.active = true;
}

bool MoveTreeDrag(TreeDrag& drag, LPARAM lp, POINT& inTree) {
  ImageList_DragMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
  inTree = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  MapWindowPoints(drag.dlg, drag.tree, &inTree, 1);
  RECT client;
  GetClientRect(drag.tree, &client);
  const int scroll = DragScrollDirection(inTree.y, client.top, client.bottom);
  if (scroll != drag.scroll) {
    drag.scroll = scroll;
    if (scroll)
      SetTimer(drag.dlg, kTreeDragTimer, kDragScrollMs, nullptr);
    else
      KillTimer(drag.dlg, kTreeDragTimer);
  }
  return scroll == 0;
}

void EndTreeDrag(TreeDrag& drag) {
  if (!drag.active) return;
  drag.active = false;
  KillTimer(drag.dlg, kTreeDragTimer);
  ImageList_DragLeave(drag.dlg);
  ImageList_EndDrag();
  if (GetCapture() == drag.dlg) ReleaseCapture();
}

void ShowRecoDescription(HWND box, const RecoRecord* record) {
  App& app = TheApp();
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(app.smallFont), FALSE);
  std::string text;
  if (record) {
    if (!DescribeRecordConditions(*record, LibraryTexts(), RtfStyleFrom(app.settings, app.locale), text)) {
      ShowMessage(MB_ICONHAND, kMsgRecoNoMemory);
      text.clear();
    }
  }
  RtfStreamIn(box, text.c_str());
}

}  // namespace tw

namespace tw {

namespace {

BOOL BeginRecoLabelEdit(const RecoTreeView& view, const NMTVDISPINFOA& info) {
  if (static_cast<int>(info.item.lParam) < 0) return TRUE;
  if (HWND edit = reinterpret_cast<HWND>(SendMessageA(view.tree, TVM_GETEDITCONTROL, 0, 0)))
    SendMessageA(edit, EM_LIMITTEXT, kRecoNameSize, 0);
  return FALSE;
}

bool EndRecoLabelEdit(const RecoTreeView& view, RecoTables& tables, const NMTVDISPINFOA& info) {
  const int slot = static_cast<int>(info.item.lParam);
  if (!info.item.pszText || !tables.ValidSlot(slot) || !tables.records[slot].occupied()) return false;
  RenameRecommendation(tables, slot, info.item.pszText);
  HTREEITEM item = info.item.hItem;
  SetRecoItemLabel(view.tree, item, tables.records[slot].name);
  SortRecoChildren(view, tables, reinterpret_cast<HTREEITEM>(
                                     SendMessageA(view.tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item))));
  SelectRecoItem(view, item);
  return true;
}

}  // namespace

RecoTreeNotice OnRecoTreeNotify(const RecoTreeView& view, RecoTables& tables, const NMHDR* nm, bool& editing) {
  RecoTreeNotice n;
  if (nm->hwndFrom != view.tree) return n;
  switch (nm->code) {
    case TVN_SELCHANGEDA:
      n.event = RecoTreeEvent::SelectionChanged;
      break;
    case TVN_BEGINLABELEDITA:
      n.result = BeginRecoLabelEdit(view, *reinterpret_cast<const NMTVDISPINFOA*>(nm));
      editing = !n.result;
      break;
    case TVN_ENDLABELEDITA:
      editing = false;
      if (EndRecoLabelEdit(view, tables, *reinterpret_cast<const NMTVDISPINFOA*>(nm))) n.event = RecoTreeEvent::Renamed;
      break;
    case TVN_BEGINDRAGA:
      n.event = RecoTreeEvent::BeginDrag;
      break;
    case TVN_KEYDOWN:
      if (reinterpret_cast<const NMTVKEYDOWN*>(nm)->wVKey == VK_DELETE && !editing) n.event = RecoTreeEvent::Delete;
      break;
    case NM_DBLCLK:
      n.event = RecoTreeEvent::DoubleClick;
      n.result = TRUE;
      break;
  }
  return n;
}

bool DeleteRecoAfterQuestion(RecoTreeView& view, RecoTables& tables, int slot) {
  const RecoDeletePlan plan = PlanDelete(tables, slot);
  if (plan.messageId == 0) return false;
  const RecoRecord& r = tables.records[slot];
  std::string first;
  if (plan.messageId == kMsgRecoDeleteGroup) first = RecoCategoryTexts()[r.category - 1];
  int answer;
  if (plan.messageId == kMsgRecoDeleteOne)
    answer = ShowMessage(MB_YESNO | MB_ICONQUESTION, plan.messageId, {MessageArg(r.name)});
  else
    answer = ShowMessage(MB_YESNO | MB_ICONQUESTION, plan.messageId, {MessageArg(first.c_str()), MessageArg(r.name)});
  if (answer != IDYES) return false;
  for (int freed : DeleteRecommendation(tables, slot)) DeleteRecoRecordItem(view, freed);
  return true;
}

}  // namespace tw
