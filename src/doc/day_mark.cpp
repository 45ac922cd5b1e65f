#include "doc/day_mark.h"

namespace tw {

DayMark ApplyMarkCommand(DayMark mark, int command) {
  if (command < 0) return mark;
  mark &= kMarkBits;
  if (command & kMarkFlagCommands) {
    if (command & kMarkSetYellow) mark |= kMarkYellow;
    else if (command & kMarkClearYellow) mark &= static_cast<DayMark>(~kMarkYellow);
    if (command & kMarkSetRed) mark |= kMarkRed;
    else if (command & kMarkClearRed) mark &= static_cast<DayMark>(~kMarkRed);
    return mark;
  }
  return static_cast<DayMark>((mark & ~kMarkSymbolMask) | (command & kMarkSymbolMask));
}

int DragMarkCommand(DayMark underMouse, bool shift, bool ctrl) {
  if (!shift && !ctrl) return ((underMouse & kMarkSymbolMask) + 1) & kMarkSymbolMask;
  int command = 0;
  if (shift) command |= (underMouse & kMarkYellow) ? kMarkClearYellow : kMarkSetYellow;
  if (ctrl) command |= (underMouse & kMarkRed) ? kMarkClearRed : kMarkSetRed;
  return command;
}

PopupMarkCommands PopupCommands(bool red, bool yellow, int symbol) {
  return {(red ? kMarkSetRed : kMarkClearRed) | (yellow ? kMarkSetYellow : kMarkClearYellow),
          symbol & kMarkSymbolMask};
}

void PopupPosition(int clickX, int clickY, int width, int height, int screenWidth, int* x, int* y) {
  *x = clickX + width > screenWidth ? clickX - width : clickX;
  *y = clickY - height / 2;
}

}  // namespace tw
