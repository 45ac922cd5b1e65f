// Loads the program's bitmaps, icons and cursors through USER32/GDI32 and reaches the
// glyphs of the symbol font by their 8-bit codes, as the views do.
// Usage: art_check DATA_DIR. Prints "N passed, N failed"; exit code 1 on failure.
#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <string>

#include "tw_ids.h"

namespace {

int g_passed = 0;
int g_failed = 0;

void check(bool ok, const std::string& what) {
  if (ok) {
    ++g_passed;
  } else {
    ++g_failed;
    std::printf("FAILED: %s\n", what.c_str());
  }
}

void checkBitmap(HINSTANCE inst, int id, int w, int h) {
  HBITMAP bmp = LoadBitmapA(inst, MAKEINTRESOURCEA(id));
  check(bmp != nullptr, "bitmap " + std::to_string(id) + " loads");
  if (!bmp) return;
  BITMAP info{};
  GetObjectA(bmp, sizeof info, &info);
  check(info.bmWidth == w && info.bmHeight == h,
        "bitmap " + std::to_string(id) + " is " + std::to_string(w) + "x" + std::to_string(h) +
            " (got " + std::to_string(info.bmWidth) + "x" + std::to_string(info.bmHeight) + ")");
  DeleteObject(bmp);
}

struct StreamState {
  const char* text;
  size_t pos;
};

DWORD CALLBACK streamIn(DWORD_PTR cookie, LPBYTE buf, LONG want, LONG* got) {
  auto* st = reinterpret_cast<StreamState*>(cookie);
  LONG n = 0;
  while (n < want && st->text[st->pos]) buf[n++] = static_cast<BYTE>(st->text[st->pos++]);
  *got = n;
  return 0;
}

// A rich-text run in \fcharset2 with the face "Astrological" must land on this font,
// not on a substitute: the calendar cells and the info panel are built that way.
void checkRichEdit(int expectedAdvance) {
  HMODULE riched = LoadLibraryA("RICHED32.DLL");
  check(riched != nullptr, "RICHED32.DLL loads");
  if (!riched) return;
  HWND edit = CreateWindowExA(0, "RichEdit", "", WS_POPUP | ES_MULTILINE, 0, 0, 400, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  check(edit != nullptr, "rich edit control is created");
  if (!edit) return;
  StreamState st{"{\\rtf1\\ansi\\deff1{\\fonttbl{\\f1\\fswiss\\fcharset0 Arial;}"
                 "{\\f2\\fnil\\fcharset2\\fprq2 Astrological;}}\\pard\\plain "
                 "\\f2\\fs36 \\'9b\\'9bP}",
                 0};
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&st), 0, streamIn};
  SendMessageA(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
  SendMessageA(edit, EM_SETSEL, 0, 1);
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  SendMessageA(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  check(std::string(cf.szFaceName) == "Astrological",
        std::string("rich text run uses face ") + cf.szFaceName);
  check(cf.bCharSet == SYMBOL_CHARSET, "rich text run keeps the symbol charset");
  // Two full-moon glyphs side by side: their distance is the font's advance at 18 pt.
  POINTL p0{}, p1{};
  SendMessageA(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p0), 0);
  SendMessageA(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p1), 1);
  long advance = p1.x - p0.x;
  check(advance > 0 && (advance - expectedAdvance <= 2 && expectedAdvance - advance <= 2),
        "rich edit advance " + std::to_string(advance) + " matches the font's " +
            std::to_string(expectedAdvance));
  DestroyWindow(edit);
}

}  // namespace

int main(int argc, char** argv) {
  HINSTANCE inst = GetModuleHandleA(nullptr);
  checkBitmap(inst, IDB_TOOLBAR, 15 * 20, 20);
  for (int i = IDB_MOON_PHASE_FIRST; i <= IDB_MOON_PHASE_LAST; ++i) checkBitmap(inst, i, 96, 96);
  checkBitmap(inst, IDB_ELEMENTS, 4 * 18, 18);
  for (int i = IDB_SIGN_FIRST; i <= IDB_SIGN_LAST; ++i) checkBitmap(inst, i, 18, 18);
  checkBitmap(inst, IDB_SYMBOL_STRIP, 45, 130);
  for (int i : {90, 91, 94, 95, 152, 153, 154, 155}) checkBitmap(inst, i, 18, 16);
  for (int i : {96, 97, 156, 157, 158, 159}) checkBitmap(inst, i, 18, 18);
  for (int i = IDB_SMALL12_FIRST; i <= IDB_SPECIAL12_LAST; ++i) checkBitmap(inst, i, 12, 12);
  for (int i = IDB_TREE18_FIRST; i <= IDB_TREE18_LAST; ++i) checkBitmap(inst, i, 18, 18);
  checkBitmap(inst, IDB_TIP, 40, 40);

  for (int id = 38; id <= 46; ++id)
    check(LoadCursorA(inst, MAKEINTRESOURCEA(id)) != nullptr, "cursor " + std::to_string(id));
  for (int id : {IDI_FRAME, IDI_PERSON}) {
    check(LoadImageA(inst, MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, 0) != nullptr,
          "icon " + std::to_string(id) + " 32x32");
    check(LoadImageA(inst, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0) != nullptr,
          "icon " + std::to_string(id) + " 16x16");
  }

  // The symbol font: installed privately, asked for by face name and symbol charset.
  std::string dir = argc > 1 ? argv[1] : ".";
  std::string ttf = dir + "\\Astrological.ttf";
  int added = AddFontResourceExA(ttf.c_str(), FR_PRIVATE, nullptr);
  check(added > 0, "font " + ttf + " can be added");
  LOGFONTA lf{};
  lf.lfHeight = -24;
  lf.lfCharSet = SYMBOL_CHARSET;
  lstrcpyA(lf.lfFaceName, "Astrological");
  HFONT font = CreateFontIndirectA(&lf);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  char face[LF_FACESIZE] = "";
  GetTextFaceA(dc, sizeof face, face);
  check(std::string(face) == "Astrological", std::string("selected face is ") + face);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  check(tm.tmCharSet == SYMBOL_CHARSET, "font reports the symbol character set");
  std::string codes;
  for (int c = 0x50; c <= 0x5B; ++c) codes += static_cast<char>(c);
  for (int c = 0x88; c <= 0xAF; ++c) codes += static_cast<char>(c);
  codes += "pqrstuvwnoa-";
  WORD glyphs[128];
  DWORD n = GetGlyphIndicesA(dc, codes.c_str(), static_cast<int>(codes.size()), glyphs,
                             GGI_MARK_NONEXISTING_GLYPHS);
  check(n == codes.size(), "glyph indices returned");
  for (size_t i = 0; i < codes.size() && n == codes.size(); ++i) {
    char what[64];
    std::snprintf(what, sizeof what, "code 0x%02X reaches a glyph", static_cast<unsigned char>(codes[i]));
    check(glyphs[i] != 0xFFFF && glyphs[i] != 0, what);
  }
  // Distinct codes draw distinct shapes: the first and the new moon differ in width of ink.
  SIZE a{}, b{};
  GetTextExtentPoint32A(dc, "\x9b", 1, &a);
  GetTextExtentPoint32A(dc, "t", 1, &b);
  check(a.cx > 0 && b.cx > 0 && a.cx != b.cx, "glyph advances come from the font");
  // The same glyph at 18 points on the screen, for the rich edit comparison.
  HDC screen = GetDC(nullptr);
  LOGFONTA big = lf;
  big.lfHeight = -MulDiv(18, GetDeviceCaps(screen, LOGPIXELSY), 72);
  HFONT bigFont = CreateFontIndirectA(&big);
  HGDIOBJ prev = SelectObject(screen, bigFont);
  SIZE full{};
  GetTextExtentPoint32A(screen, "\x9b", 1, &full);
  SelectObject(screen, prev);
  DeleteObject(bigFont);
  ReleaseDC(nullptr, screen);
  checkRichEdit(full.cx);

  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  RemoveFontResourceExA(ttf.c_str(), FR_PRIVATE, nullptr);

  std::printf("%d passed, %d failed\n", g_passed, g_failed);
  return g_failed == 0 ? 0 : 1;
}
