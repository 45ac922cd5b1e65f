// Loads Tw-L.dll the way the program does and reads back texts and menus.
// Usage: twl_check [path to Tw-L.dll]. Prints "N passed, N failed"; exit code 1 on failure.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tw_ids.h"

namespace {

int g_passed = 0;
int g_failed = 0;

void check(bool ok, const char* what) {
  if (ok) {
    ++g_passed;
  } else {
    ++g_failed;
    std::printf("FAILED: %s\n", what);
  }
}

std::string hex(const std::string& s) {
  std::string out;
  char b[4];
  for (unsigned char c : s) {
    std::snprintf(b, sizeof b, "%02x", c);
    out += b;
  }
  return out;
}

// Expected texts written as CP1252 bytes, so the check does not depend on how this
// file was compiled.
struct Sample {
  UINT id;
  const char* cp1252;
};
const Sample kSamples[] = {
    {TWM_PRODUCT_TITLE, "Tidewell"},
    {TWM_CLOSE, "Schlie\xdf" "en"},
    {TWM_SIGN_FIRST + 4, "L\xf6we"},
    {TWM_SIGN_FIRST + 8, "Sch\xfctze"},
    {TWM_MONTH_FIRST + 2, "M\xe4rz"},
    {TWM_PERIGEE, "Erdn\xe4he"},
    {TWM_FILE_OPEN_FAILED, "Die Datei %s l\xe4sst sich nicht \xf6" "ffnen."},
    {TWM_AVERAGE_VALUE, "\xd8 %d,%d%%"},
    {TWM_ABOUT_LINE1, "Tidewell \x96 Mondkalender und Biorhythmus"},
    {TWM_ABOUT_LINE3, "\xa9 2026 Das Tidewell-Team"},
    {TWM_DELETE_RECO, "Soll die Empfehlung \x84%s\x93 gel\xf6scht werden?"},
    {TWM_SD_ORDINAL_LASTWEEK, "Letzter"},
    {IDM_FILE_NEW, "Neue Person anlegen"},
};

std::vector<UINT> menuIds(HMENU menu) {
  std::vector<UINT> ids;
  int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    HMENU sub = GetSubMenu(menu, i);
    if (sub) {
      std::vector<UINT> inner = menuIds(sub);
      ids.insert(ids.end(), inner.begin(), inner.end());
    } else {
      ids.push_back(GetMenuItemID(menu, i));
    }
  }
  return ids;
}

bool has(const std::vector<UINT>& ids, UINT id) {
  for (UINT x : ids)
    if (x == id) return true;
  return false;
}

void checkMenu(HINSTANCE lib, int menuId, const std::vector<UINT>& required) {
  char what[160];
  HMENU menu = LoadMenuA(lib, MAKEINTRESOURCEA(menuId));
  std::snprintf(what, sizeof what, "menu %d loads", menuId);
  check(menu != nullptr, what);
  if (!menu) return;
  std::vector<UINT> ids = menuIds(menu);
  for (UINT id : required) {
    std::snprintf(what, sizeof what, "menu %d holds command %u", menuId, id);
    check(has(ids, id), what);
  }
  DestroyMenu(menu);
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "Tw-L.dll";
  HINSTANCE lib = LoadLibraryA(path);
  check(reinterpret_cast<UINT_PTR>(lib) >= 32, "Tw-L.dll loads");
  if (!lib) {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return 1;
  }

  // Through LoadStringA the texts arrive in the ANSI code page; on a Western system
  // that is CP1252, which is what the whole program assumes.
  const bool ansiIs1252 = GetACP() == 1252;
  for (const Sample& s : kSamples) {
    wchar_t wide[512];
    int wn = LoadStringW(lib, s.id, wide, 512);
    char conv[1024];
    int cn = WideCharToMultiByte(1252, 0, wide, wn, conv, sizeof conv, nullptr, nullptr);
    std::string viaWide(conv, cn > 0 ? cn : 0);
    char what[160];
    std::snprintf(what, sizeof what, "string %u in CP1252 (got %s)", s.id, hex(viaWide).c_str());
    check(viaWide == s.cp1252, what);
    if (ansiIs1252) {
      char buf[512];
      int n = LoadStringA(lib, s.id, buf, sizeof buf);
      std::snprintf(what, sizeof what, "LoadStringA %u gives CP1252 bytes", s.id);
      check(n >= 0 && std::string(buf, n) == s.cp1252, what);
    }
  }
  if (!ansiIs1252) std::printf("note: ANSI code page is %u, LoadStringA not compared\n", GetACP());

  // The product title buffer holds 16 bytes.
  {
    char title[16];
    int n = LoadStringA(lib, TWM_PRODUCT_TITLE, title, sizeof title);
    check(n > 0 && n <= 15, "product title fits 15 characters");
  }
  // A missing string loads as empty.
  {
    char buf[32] = "x";
    int n = LoadStringA(lib, 3999, buf, sizeof buf);
    check(n == 0, "an unused number loads nothing");
  }
  // The file filter ends with the separator the program replaces by NUL.
  {
    char buf[128];
    int n = LoadStringA(lib, TWM_FILE_FILTER, buf, sizeof buf);
    check(n > 2 && buf[n - 1] == '|', "file filter ends with its separator");
  }

  // Main menu: the third popup is the window menu.
  {
    HMENU menu = LoadMenuA(lib, MAKEINTRESOURCEA(IDR_MAIN_MENU));
    check(menu != nullptr, "main menu loads");
    if (menu) {
      check(GetMenuItemCount(menu) >= 3, "main menu has at least three popups");
      HMENU windowMenu = GetSubMenu(menu, 2);
      check(windowMenu != nullptr, "third entry of the main menu is a popup");
      if (windowMenu) {
        std::vector<UINT> w = menuIds(windowMenu);
        check(has(w, IDM_TILE_VERTICAL) && has(w, IDM_CASCADE) && has(w, IDM_CLOSE_ALL),
              "window menu carries the window commands");
      }
      DestroyMenu(menu);
    }
  }
  checkMenu(lib, IDR_MAIN_MENU,
            {IDM_FILE_NEW, IDM_FILE_OPEN, IDM_FILE_SAVE, IDM_FILE_SAVE_AS, IDM_FILE_PRINT,
             IDM_FILE_EXIT, 7106, 7107, 7108, 7109, 7110, 7111, 7112, 7113, IDM_RECOMMENDATIONS,
             IDM_SELECTIONS, IDM_PERSON_DATA, IDM_PARTNER, IDM_OPTIONS, IDM_SPECIAL_DAYS,
             IDM_PREV_MATCH, IDM_NEXT_MATCH, IDM_VIEW_SWITCH, 7214, 7215, 7216, 7217,
             IDM_GO_TODAY, IDM_TILE_HORIZONTAL, IDM_ARRANGE_ICONS, IDM_HELP_CONTENTS,
             IDM_HELP_ON_HELP, IDM_HELP_MODE, IDM_TIP_OF_THE_DAY, IDM_ABOUT, IDM_RUN_EXTERNAL});
  checkMenu(lib, IDR_CHILD_MENU,
            {IDM_VIEW_ONLY_RECO, IDM_VIEW_SAWTOOTH, IDM_VIEW_SPECIAL_RANGES,
             IDM_VIEW_HIGHER_CURVES, IDM_PREV_MATCH, IDM_NEXT_MATCH});
  checkMenu(lib, IDR_PANEL_MENU, {IDM_GO_TODAY});
  checkMenu(lib, IDR_SPECIAL_DAYS_MENU,
            {IDM_SD_ACTIVE, IDM_SD_OFFICIAL, 7502, 7503, 7504, 7505});
  // The context menus are shown through their first popup.
  for (int id : {IDR_CHILD_MENU, IDR_PANEL_MENU, IDR_SPECIAL_DAYS_MENU}) {
    HMENU menu = LoadMenuA(lib, MAKEINTRESOURCEA(id));
    char what[64];
    std::snprintf(what, sizeof what, "menu %d starts with a popup", id);
    check(menu && GetSubMenu(menu, 0) != nullptr, what);
    if (menu) DestroyMenu(menu);
  }

  FreeLibrary(lib);
  std::printf("%d passed, %d failed\n", g_passed, g_failed);
  return g_failed == 0 ? 0 : 1;
}
