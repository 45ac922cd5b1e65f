// Builds the small rich-text documents that every formatted text of the program goes
// through: the info panel, calendar cells, recommendation texts, tips.
//
// All writers work on a caller-owned, fixed-size buffer. Each takes the current end
// position `pos` (where the next byte goes) and `end` (one past the last byte of the
// buffer), appends its piece, keeps the buffer NUL-terminated and returns the new end
// position. A piece that does not fit is left out whole (text is cut at a character
// boundary, never inside an escape), so the buffer never overflows and never holds half a
// control word; the returned position then stays where the piece would have started.
// Passing a `pos` at or beyond `end` writes nothing. Each writer sets `*complete` (when
// given) to false if anything was left out.
//
// Typical use:
//   char buf[4096];
//   char* p = buf;
//   const char* e = buf + sizeof buf;
//   p = RtfControls(p, e, kRtfHeader | kRtfNormal, 0, 0, style);
//   p = RtfPlainToRich(p, e, userText);
//   p = RtfControls(p, e, kRtfSymbol, 0, 0, style);
//   p = RtfChar(p, e, 'P');                  // a glyph of the symbol font
//   p = RtfControls(p, e, kRtfNormal | kRtfForeColour | RtfFore(kRtfRed), 0, 0, style);
//   p = RtfLineBreak(p, e, false, true);
// RtfWriter below wraps the same calls around one buffer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/platform.h"
#include "core/settings_values.h"

namespace tw {

// Control set bits. Bits 0..3 carry a foreground colour code, bits 4..7 a background code.
enum RtfControl : uint32_t {
  kRtfHeader = 0x100,          // document header with font and colour tables
  kRtfPard = 0x200,            // "\pard\plain "
  kRtfSymbol = 0x400,          // symbol font, base size
  kRtfNormal = 0x800,          // text font, base size
  kRtfLarge = 0x1000,          // text font, 3/2 size
  kRtfSmall = 0x2000,          // text font, 4/6 size
  kRtfHalf = 0x4000,           // text font, half size
  kRtfSub = 0x8000,            // subscript, half size
  kRtfNoSuperSub = 0x10000,    // back to the baseline, base size
  kRtfTab = 0x20000,           // "\tab "
  kRtfBold = 0x40000,          // "\b "
  kRtfItalic = 0x80000,        // "\i "
  kRtfBoldOff = 0x100000,      // "\b0 " (wins over kRtfBold)
  kRtfItalicOff = 0x200000,    // "\i0 " (written before kRtfItalic when both are set)
  kRtfForeColour = 0x400000,   // "\cf" with the foreground code of bits 0..3
  kRtfBackColour = 0x800000,   // "\cb" with the background code of bits 4..7
};

// Colour codes; the colour table index written is code + 1.
enum RtfColour : uint32_t {
  kRtfBlack = 0,
  kRtfRed = 1,
  kRtfGreen = 2,
  kRtfBlue = 3,
  kRtfYellow = 4,
  kRtfMagenta = 5,
  kRtfGrey = 6,
  kRtfFire = 7,
  kRtfEarth = 8,
  kRtfAir = 9,
  kRtfWater = 10,
};
constexpr uint32_t RtfFore(uint32_t code) { return code & 0x0F; }
constexpr uint32_t RtfBack(uint32_t code) { return (code & 0x0F) << 4; }

// Font choices: 0 the screen font, any other value the print font; 2 also writes no
// colour controls (monochrome output).
enum RtfFontChoice : int { kRtfScreenFont = 0, kRtfPrintFont = 1, kRtfPrintMono = 2 };

// The settings the builder needs; the settings store fills it (Font, FontSize, PrintFont,
// PrintFontSize, ElementColor and the locale's time leading zero flag).
struct RtfStyle {
  std::string screenFont = "Arial";
  int screenFontSize = 100;  // tenths of a point; 0 counts as 120
  std::string printFont = "Arial";
  int printFontSize = 110;
  uint32_t elementColours[4] = {0xff, 0x47a8, 0xa9f5ee, 0xdaa556};  // 0x00BBGGRR
  bool timeLeadingZero = true;
};

// The style of the current settings: fonts, element colours, the locale's time format.
RtfStyle RtfStyleFrom(const SettingsValues& settings, const LocaleValues& locale);

// Base size in half-points written by "\fs" for the given font choice.
int RtfBaseSize(const RtfStyle& style, int fontChoice);

// Appends the controls of `set` in their fixed order. `tabWidth` (twips, 0 = 720) is only
// used by the header.
char* RtfControls(char* pos, const char* end, uint32_t set, int fontChoice, int tabWidth,
                  const RtfStyle& style, bool* complete = nullptr);

// Appends a line break: "\par " in rich text, CR LF in plain text. With `atEnd` the break
// goes after the text already standing at `pos` (up to its NUL, within the buffer).
char* RtfLineBreak(char* pos, const char* end, bool atEnd, bool rich, bool* complete = nullptr);

// Copies plain text into rich text: CR becomes "\par ", LF is dropped, and "\", "{" and
// "}" are escaped so user text can never change the document's structure.
char* RtfPlainToRich(char* pos, const char* end, const char* text, bool* complete = nullptr);

// Appends one character, escaped like plain text (for single glyphs of the symbol font).
char* RtfChar(char* pos, const char* end, char c, bool* complete = nullptr);

// Appends a ready-made rich-text fragment unchanged (all or nothing).
char* RtfRaw(char* pos, const char* end, const char* rtf, bool* complete = nullptr);

// Appends the time of an event after a glyph: small print font, " hh:mm", then back to the
// symbol font so the next glyph continues there. `minutes` counts from midnight.
char* RtfTime(char* pos, const char* end, int minutes, const RtfStyle& style,
              bool* complete = nullptr);

// Portable half of the stream-in callback: copies at most `requested` bytes of the
// NUL-terminated document from `offset` on, never past its NUL, advances `offset` and
// returns the count. The Win32 callback calls it with one offset per document buffer,
// reset to 0 before each stream-in.
size_t RtfStreamCopy(const char* document, size_t& offset, char* out, size_t requested);

// Convenience wrapper around one caller-owned buffer.
class RtfWriter {
 public:
  RtfWriter(char* buffer, size_t size, const RtfStyle& style)
      : begin_(buffer), pos_(buffer), end_(buffer + size), style_(style) {
    if (size > 0) buffer[0] = 0;
  }
  RtfWriter& Controls(uint32_t set, int fontChoice = kRtfScreenFont, int tabWidth = 0) {
    bool ok = true;
    char* next = RtfControls(pos_, end_, set, fontChoice, tabWidth, style_, &ok);
    return Step(next, ok);
  }
  RtfWriter& LineBreak() {
    bool ok = true;
    char* next = RtfLineBreak(pos_, end_, false, true, &ok);
    return Step(next, ok);
  }
  RtfWriter& Text(const char* text) {
    bool ok = true;
    char* next = RtfPlainToRich(pos_, end_, text, &ok);
    return Step(next, ok);
  }
  RtfWriter& Char(char c) {
    bool ok = true;
    char* next = RtfChar(pos_, end_, c, &ok);
    return Step(next, ok);
  }
  RtfWriter& Raw(const char* rtf) {
    bool ok = true;
    char* next = RtfRaw(pos_, end_, rtf, &ok);
    return Step(next, ok);
  }
  RtfWriter& Time(int minutes) {
    bool ok = true;
    char* next = RtfTime(pos_, end_, minutes, style_, &ok);
    return Step(next, ok);
  }

  const char* c_str() const { return begin_; }
  size_t length() const { return static_cast<size_t>(pos_ - begin_); }
  char* pos() const { return pos_; }
  // True once any piece had to be left out for lack of room.
  bool truncated() const { return truncated_; }

 private:
  RtfWriter& Step(char* next, bool ok) {
    pos_ = next;
    if (!ok) truncated_ = true;
    return *this;
  }
  char* begin_;
  char* pos_;
  const char* end_;
  RtfStyle style_;  // a copy, so a temporary style cannot dangle
  bool truncated_ = false;
};

}  // namespace tw
