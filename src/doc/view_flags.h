// ViewFlags: the 32-bit view state of a person window, kept in its document.
#pragma once
#include <cstdint>

namespace tw {

using ViewFlags = uint32_t;

constexpr ViewFlags kViewModified = 0x1;
constexpr ViewFlags kViewWasIconic = 0x2;
constexpr ViewFlags kViewRecompute = 0x4;        // layout must be recomputed before painting
constexpr ViewFlags kViewReadOnly = 0x8;         // the same file is open in another window
constexpr ViewFlags kViewSpecialRanges = 0x10;
constexpr ViewFlags kViewMarkRow = 0x20;
constexpr ViewFlags kViewHigherCurves = 0x40;
constexpr ViewFlags kViewMoonList = 0x80;        // clear = biorhythm chart
constexpr ViewFlags kViewSawtooth = 0x100;
constexpr ViewFlags kViewRecoThreeColumns = 0x200;
constexpr ViewFlags kViewColumnElement = 0x400;
constexpr ViewFlags kViewColumnNotes = 0x800;
constexpr ViewFlags kViewColumnSun = 0x1000;
constexpr ViewFlags kViewColumnPlanting = 0x2000;
constexpr ViewFlags kViewPanelRecoMask = 0xC000;  // two-bit value for the side panel
constexpr int kViewPanelRecoShift = 14;
constexpr ViewFlags kViewFilteredList = 0x10000;
constexpr ViewFlags kViewMarkDrag = 0x20000;
constexpr ViewFlags kPrintSpecialRanges = 0x40000;
constexpr ViewFlags kPrintMarkRow = 0x80000;
constexpr ViewFlags kPrintHigherCurves = 0x100000;
constexpr ViewFlags kPrintMoonList = 0x200000;
constexpr ViewFlags kPrintSawtooth = 0x400000;

// The options that the options sheet sets; the rest is window state it must keep.
constexpr ViewFlags kViewOptionMask = 0x1ff70;
constexpr ViewFlags kViewStateMask = 0xfffe008f;
constexpr ViewFlags kViewColumnMask = 0x13e00;  // a change rebuilds the list header

// New flags of a window when the options sheet applies `options`.
constexpr ViewFlags MergeViewOptions(ViewFlags current, ViewFlags options) {
  return (current & kViewStateMask) | (options & kViewOptionMask) | kViewRecompute;
}

}  // namespace tw
