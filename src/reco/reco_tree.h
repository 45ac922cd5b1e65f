// What the recommendation trees show and allow, apart from the tree control: item images
// and counted labels, the buttons an item enables, and the drag-and-drop rules.
//
// Items are named as in reco_edit.h: a slot for a record, -c for category c, -9 the root.
#pragma once
#include <string>

#include "reco/reco_edit.h"
#include "reco/reco_selection.h"

namespace tw {

// No item selected (every valid item is -9, -3..-1 or a slot).
constexpr int kNoRecoItem = -100;

// Images of the 18x18 tree list: root, categories 1..3, groups 1..3, recommendations 1..3.
constexpr int kRecoImageRoot = 0;
constexpr int kRecoImageCategory = 0;        // + c
constexpr int kRecoImageGroup = 3;           // + c
constexpr int kRecoImageRecommendation = 6;  // + c
int RecoItemImage(const RecoTables& tables, int item);

// Images of the 12x12 list that the selection dialogs use.
constexpr int kSelImageNotMember = 4;
constexpr int kSelImageMember = 5;
constexpr int kSelImageAll = 6;
constexpr int kSelImageSome = 7;
constexpr int kSelImageNone = 8;
// A recommendation is a member or not; headers, categories and the root summarise.
int SelectionItemImage(const RecoTables& tables, const RecoDisplayOrder& order, int item,
                       const SlotMap& map);

// Root and category labels in the recommendations dialog: "Empfehlungen (12)".
std::string CountedLabel(const std::string& label, int count);

// Buttons of the recommendations dialog that depend on the selected item.
struct RecoButtons {
  bool create = false;      // "&Neue Empfehlung", "Neue &Gruppe": not the root, two free slots
  bool remove = false;      // "&Löschen": a record
  bool conditions = false;  // "&Bedingungen...", "&Auswahl...": a recommendation
};
RecoButtons RecoButtonsFor(const RecoTables& tables, int item);

// Only a recommendation (no header, category or root) can be dragged.
bool RecoDraggable(const RecoTables& tables, int item);

enum class DragCursor { Arrow, Copy, No };
// The cursor over `target` while dragging: "no" over the root (or nothing to drop on),
// the copy cursor while Ctrl or Shift is held and a slot is free.
DragCursor RecoDragCursor(const RecoTables& tables, int target, bool copyKeys);

// Auto-scroll direction of a drag at height y: -1 above the tree, +1 below, 0 inside.
int DragScrollDirection(int y, int treeTop, int treeBottom);

}  // namespace tw
