// Entries of the recommendation and selection dialogs.
#pragma once
#include <windows.h>

#include "reco/reco_record.h"

namespace tw {

// "Empfehlungen" (template 65); true when something changed, so the callers refresh views.
bool RunRecommendationsDialog(HWND owner);
// "Empfehlungen ohne Auswahl" (template 68) over the union of the user selections.
void RunUnselectedRecosDialog(HWND owner, const SlotMap& selected);
// "Empfehlungen - Auswahl" (template 74); saves the selection table when it closes.
void RunSelectionsDialog(HWND owner);
// The selections of one recommendation (template 67): 1 after "Ok", 0 after "Abbrechen".
int RunRecoSelectionsDialog(HWND owner, int slot);

// The conditions editor and the test over years register here when they exist; until then
// their buttons show disabled. The editor returns 0 (unchanged), 1, or 2 (name changed).
struct RecoDialogHooks {
  int (*conditions)(HWND owner, int slot) = nullptr;
  void (*test)(HWND owner, int slot) = nullptr;
};
RecoDialogHooks& RecoHooks();

}  // namespace tw
