// Entries of the conditions editor, "Fixtagauswahl" and the test over years.
#pragma once
#include <windows.h>

namespace tw {

// "Empfehlungen - Bedingungen" (template 66) on the recommendation in `slot`: 0 cancelled,
// 1 saved, 2 saved with a new name.
int RunConditionsDialog(HWND owner, int slot);
// "Fixtagauswahl" (template 78) starting from `code`: the chosen day code (0 for none), or
// -1 after "Abbrechen".
int RunFixedDayDialog(HWND owner, int code);
// The test over years (sheet with templates 70, 69, 71) on the item `item` of the
// recommendations tree (a slot, -1..-3 for a category, -9 for the root).
void RunYearTestSheet(HWND owner, int item);

}  // namespace tw
