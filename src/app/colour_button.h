// Owner-drawn colour buttons and the colour dialog, shared by the conditions editor and the
// options pages.
//
// A colour button is a BS_OWNERDRAW push button whose caption is a number: "-1".."-7" the
// rhythm colours (table entries 13..19), "-10".."-13" the element colours (9..12), "1", "2",
// "3" pure red, green and blue, "0" black. The owner passes WM_DRAWITEM to DrawColourButton.
#pragma once
#include <windows.h>

namespace tw {

// The colour a caption stands for; `paletteIndex` gets the palette entry for table colours,
// -1 for the pure ones.
COLORREF ColourOfCaption(const char* caption, int* paletteIndex = nullptr);
// Face and frame as a push button, a swatch of a third of the inner size around the centre,
// one pixel right and down while pressed.
void DrawColourButton(const DRAWITEMSTRUCT& item);

// The system colour dialog with template 84, its hook and six spins; shown again plainly
// when it cannot be shown so. True when the user chose a colour (in `colour`). Errors show
// message 3015 with the dialog's error code. `custom` holds the 16 custom colours, or null.
bool RunColourDialog(HWND owner, COLORREF& colour, COLORREF* custom = nullptr);

}  // namespace tw
