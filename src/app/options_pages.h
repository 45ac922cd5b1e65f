// The pages of the options sheet (command 7204). Every page gets the sheet's one working
// copy of the window preferences in WM_INITDIALOG, so pages that share the preference word
// (moon calendar, recommendations, biorhythm) see each other's edits before any apply.
// Apply runs page by page in sheet order; each page stores its own settings.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace tw {

struct OptionsWork {
  int32_t preference = 0;                 // window preference bits (mask 0x1fff0)
  int32_t daySize = 2;
  std::array<std::string, 5> markTexts;   // red, yellow, "+", "x", "-"
};

// The working copy a page was created with.
OptionsWork& WorkOf(HWND page);
// Keeps the working copy behind the page; call from WM_INITDIALOG with its lParam.
void AttachWork(HWND page, LPARAM param);

inline bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
inline void Check(HWND page, int id, bool on) { CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED); }
void Changed(HWND page);

// Pushes the working preferences, day size and mark texts to the open windows (all of them
// or the active one, as the settings say) and keeps them as the current ones.
void ApplyPreferences(const OptionsWork& work);

// After colour table entries [first, first + count) changed: the palette takes them over in
// place (whatever refers to it by index follows) and entries that have brushes get new ones.
void UseColourEntries(int first, int count);

// Answers a sheet notification: PSN_APPLY runs `apply`, PSN_RESET (Cancel) runs `reset`
// when the page has one; the rest is left to the sheet.
INT_PTR OnPageNotify(HWND page, const NMHDR* n, void (*apply)(HWND), void (*reset)(HWND) = nullptr);

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
INT_PTR CALLBACK InfoPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
INT_PTR CALLBACK CalendarPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
INT_PTR CALLBACK RecoPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
INT_PTR CALLBACK BioPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
INT_PTR CALLBACK SearchPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
INT_PTR CALLBACK RhythmPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace tw
