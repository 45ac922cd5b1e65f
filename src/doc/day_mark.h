// DayMark: red and yellow flags and one symbol per day; MarkCommand: a change to it.
#pragma once
#include <cstdint>

namespace tw {

using DayMark = uint8_t;
constexpr DayMark kMarkSymbolMask = 0x3;  // 0 none, 1 "+", 2 "x", 3 "-"
constexpr DayMark kMarkYellow = 0x4;
constexpr DayMark kMarkRed = 0x8;
constexpr DayMark kMarkBits = 0xF;        // bits 4..7 of the stored byte are 0

// A MarkCommand either names flag changes (0x10..0x80) or, without any flag bit, sets the
// symbol 0..3. -1 changes nothing.
constexpr int kMarkNoChange = -1;
constexpr int kMarkSetRed = 0x10;
constexpr int kMarkClearRed = 0x20;
constexpr int kMarkSetYellow = 0x40;
constexpr int kMarkClearYellow = 0x80;
constexpr int kMarkFlagCommands = 0xF0;

DayMark ApplyMarkCommand(DayMark mark, int command);

// The command a drag applies to every day it reaches, fixed at button down from the keys
// and the mark of the day under the mouse: Shift toggles yellow, Ctrl red, neither steps
// the symbol none -> "+" -> "x" -> "-" -> none.
int DragMarkCommand(DayMark underMouse, bool shift, bool ctrl);

// The popup applies two commands on OK: the flags, then the symbol.
struct PopupMarkCommands {
  int flags;
  int symbol;
};
PopupMarkCommands PopupCommands(bool red, bool yellow, int symbol);

// Top-left of the popup near a right click: it opens to the left of the click when it
// would leave the screen, and is centred vertically on the click.
void PopupPosition(int clickX, int clickY, int width, int height, int screenWidth, int* x, int* y);

}  // namespace tw
