// The fixed table behind the conditions tree: one entry per tree node, in tree order,
// naming the record field and the two bits each leaf edits.
#pragma once
#include <cstdint>

#include "reco/reco_record.h"

namespace tw {

// Flag bits of a catalogue entry. Bits 0..1 are reserved for the node's CondMode while an
// editor holds the table (see ConditionModel), so the static table leaves them zero.
enum ConditionFlag : uint32_t {
  kCondStateMask = 0x3,
  kCondRoot = 0x4,                  // clicks are ignored
  kCondEnd = 0x8,                   // end of the table
  kCondNoImage = 0x10,              // no state image
  kCondSwitch = 0x20,               // moon/sun sign combination switch
  kCondScratch = 0x40,              // scratch mark of the description builder
  kCondExcludeFirst = 0x80,         // requiring a value while all "any" first excludes all
  kCondHasChildren = 0x100,
  kCondCategory = 0x200,            // top level
  kCondCategoryChild = 0x400,       // subgroup or direct leaf of a category
  kCondSubgroupLeaf = 0x800,
  kCondFirstDirectLeaf = 0x1000,
  kCondFirstSubgroupLeaf = 0x2000,
  kCondSecondSubgroup = 0x4000,     // on leaves: last leaf of a category
  kCondLastSubgroupLeaf = 0x8000,
  kCondLastOfCategory = 0x10000,
  kCondWide = 0x20000,              // 32-bit field, otherwise one byte
};

struct ConditionEntry {
  uint32_t flags;
  uint16_t label;   // message number of the resource library
  uint8_t offset;   // byte offset of the record field
  uint8_t shift;    // bit shift of the node's two bits within the field
};

// Entry indices the editor treats specially.
constexpr int kCondRootEntry = 0;
constexpr int kCondPhaseCategory = 1;
constexpr int kCondHeightCategory = 32;
constexpr int kCondDistanceCategory = 51;
constexpr int kCondSignsCategory = 70;
constexpr int kCondMoonSignGroup = 71;
constexpr int kCondSignSwitch = 84;
constexpr int kCondSunSignGroup = 85;
constexpr int kCondNodeCategory = 98;
constexpr int kCondSeasonCategory = 114;
constexpr int kCondMonthCategory = 119;
constexpr int kCondWeekdayCategory = 132;
constexpr int kCondFixedCategory = 140;
constexpr int kCondFirstFixedDay = 141;  // fixedDays entry k is catalogue entry 141 + k
constexpr int kCondFixedDayCount = 31;
constexpr int kCondOtherDays = 172;
constexpr int kCondEntryCount = 173;     // without the end marker

// Switch labels: both signs must hold / either suffices.
constexpr uint16_t kCondSwitchBothLabel = 3612;
constexpr uint16_t kCondSwitchEitherLabel = 3613;

// The 173 entries followed by the end marker.
extern const ConditionEntry kConditionCatalogue[kCondEntryCount + 1];

inline bool IsFixedDayEntry(int i) {
  return i >= kCondFirstFixedDay && i < kCondFirstFixedDay + kCondFixedDayCount;
}
// Fixed-day entries and the "other days" entry live in 16-bit words (state in bits 14..15).
inline bool IsDayWordEntry(int i) { return IsFixedDayEntry(i) || i == kCondOtherDays; }

// Width in bytes of the field the entry's bits live in: 4, 2 or 1.
int ConditionFieldWidth(int i);

// Tree shape, derived once from the flags. Every function takes an index 0..172.
// The category an entry belongs to (itself for a category; -1 for the root).
int ConditionCategoryOf(int i);
// The subgroup a leaf lies in, or -1.
int ConditionSubgroupOf(int i);
// The last entry of the node's subtree (the node itself for a leaf).
int ConditionNodeEnd(int i);
// The node a tree item is inserted under: subgroup, category or root; -1 for the root.
inline int ConditionParentOf(int i) {
  if (i == kCondRootEntry) return -1;
  const int subgroup = ConditionSubgroupOf(i);
  if (subgroup >= 0) return subgroup;
  const int category = ConditionCategoryOf(i);
  return category == i ? kCondRootEntry : category;
}

inline bool IsConditionLeaf(int i) {
  const uint32_t f = kConditionCatalogue[i].flags;
  return i > kCondRootEntry && i < kCondEntryCount &&
         (f & (kCondHasChildren | kCondSwitch | kCondRoot | kCondEnd)) == 0;
}
inline bool IsConditionSubgroup(int i) {
  const uint32_t f = kConditionCatalogue[i].flags;
  return (f & kCondHasChildren) && (f & kCondCategoryChild);
}
inline bool IsConditionCategory(int i) {
  return (kConditionCatalogue[i].flags & kCondCategory) != 0;
}

}  // namespace tw
