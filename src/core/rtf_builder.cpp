#include "core/rtf_builder.h"

#include <cstdio>
#include <cstring>

namespace tw {
namespace {

// Appends `n` bytes plus the NUL when all of them fit; otherwise leaves the buffer alone.
bool Put(char*& pos, const char* end, const char* s, size_t n) {
  if (pos >= end || static_cast<size_t>(end - pos) < n + 1) return false;
  std::memcpy(pos, s, n);
  pos += n;
  *pos = 0;
  return true;
}

bool PutFormatted(char*& pos, const char* end, const char* fmt, int a) {
  char tmp[48];
  int n = std::snprintf(tmp, sizeof tmp, fmt, a);
  return n > 0 && Put(pos, end, tmp, static_cast<size_t>(n));
}

void Report(bool* complete, bool ok) {
  if (complete) *complete = ok;
}

// The escaped form of one plain-text character; empty for a dropped line feed.
const char* EscapeOf(char c, char single[2]) {
  switch (c) {
    case '\r': return "\\par ";
    case '\n': return "";
    case '\\': return "\\\\";
    case '{': return "\\{";
    case '}': return "\\}";
    default:
      single[0] = c;
      single[1] = 0;
      return single;
  }
}

// A face name goes into the font table: braces and backslashes would end the table and a
// semicolon the entry, so those are left out.
std::string SafeFace(const std::string& face) {
  std::string out;
  for (char c : face)
    if (c != '\\' && c != '{' && c != '}' && c != ';') out += c;
  return out;
}

bool PutHeader(char*& pos, const char* end, int fontChoice, int tabWidth, const RtfStyle& style) {
  const std::string face = SafeFace(fontChoice == 0 ? style.screenFont : style.printFont);
  const uint32_t* ec = style.elementColours;
  auto r = [](uint32_t c) { return static_cast<int>(c & 0xFF); };
  auto g = [](uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); };
  auto b = [](uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); };
  char tmp[1024];
  int n = std::snprintf(
      tmp, sizeof tmp,
      "{\\rtf1\\ansi\\deftab%d\\deff1{\\fonttbl{\\f1\\fswiss\\fcharset0\\fprq2 %s;}"
      "{\\f2\\fnil\\fcharset2\\fprq2 Astrological;}}"
      "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green255\\blue0;"
      "\\red0\\green0\\blue255;\\red255\\green255\\blue0;\\red255\\green0\\blue255;"
      "\\red192\\green192\\blue192;\\red%d\\green%d\\blue%d;\\red%d\\green%d\\blue%d;"
      "\\red%d\\green%d\\blue%d;\\red%d\\green%d\\blue%d;}\\pard\\plain ",
      tabWidth == 0 ? 720 : tabWidth, face.c_str(), r(ec[0]), g(ec[0]), b(ec[0]), r(ec[1]),
      g(ec[1]), b(ec[1]), r(ec[2]), g(ec[2]), b(ec[2]), r(ec[3]), g(ec[3]), b(ec[3]));
  if (n <= 0 || static_cast<size_t>(n) >= sizeof tmp) return false;
  return Put(pos, end, tmp, static_cast<size_t>(n));
}

}  // namespace

RtfStyle RtfStyleFrom(const SettingsValues& settings, const LocaleValues& locale) {
  RtfStyle style;
  style.screenFont = settings.font;
  style.screenFontSize = settings.fontSize;
  style.printFont = settings.printFont;
  style.printFontSize = settings.printFontSize;
  for (int i = 0; i < 4; ++i) style.elementColours[i] = settings.colours.elements()[i];
  style.timeLeadingZero = locale.timeLeadingZero != 0;
  return style;
}

int RtfBaseSize(const RtfStyle& style, int fontChoice) {
  int size = fontChoice == 0 ? style.screenFontSize : style.printFontSize;
  if (size == 0) size = 120;
  return size * 2 / 10;
}

char* RtfControls(char* pos, const char* end, uint32_t set, int fontChoice, int tabWidth,
                  const RtfStyle& style, bool* complete) {
  const int s = RtfBaseSize(style, fontChoice);
  const bool colours = fontChoice != 2;
  bool ok = true;
  // Stop at the first control that does not fit, so no later control lands out of order.
  if (ok && (set & kRtfHeader)) ok = PutHeader(pos, end, fontChoice, tabWidth, style);
  if (ok && (set & kRtfPard)) ok = Put(pos, end, "\\pard\\plain ", 12);
  if (ok) {
    if (set & kRtfSymbol)
      ok = PutFormatted(pos, end, "\\f2\\fs%d ", s);
    else if (set & kRtfNormal)
      ok = PutFormatted(pos, end, "\\f1\\fs%d ", s);
    else if (set & kRtfSmall)
      ok = PutFormatted(pos, end, "\\f1\\fs%d ", 4 * s / 6);
    else if (set & kRtfHalf)
      ok = PutFormatted(pos, end, "\\f1\\fs%d ", s / 2);
    else if (set & kRtfLarge)
      ok = PutFormatted(pos, end, "\\f1\\fs%d ", 3 * s / 2);
  }
  if (ok) {
    if (set & kRtfSub)
      ok = PutFormatted(pos, end, "\\sub\\fs%d ", s / 2);
    else if (set & kRtfNoSuperSub)
      ok = PutFormatted(pos, end, "\\nosupersub\\fs%d ", s);
  }
  if (ok && (set & kRtfTab)) ok = Put(pos, end, "\\tab ", 5);
  if (ok) {
    if (set & kRtfBoldOff)
      ok = Put(pos, end, "\\b0 ", 4);
    else if (set & kRtfBold)
      ok = Put(pos, end, "\\b ", 3);
  }
  if (ok && (set & kRtfItalicOff)) ok = Put(pos, end, "\\i0 ", 4);
  if (ok && (set & kRtfItalic)) ok = Put(pos, end, "\\i ", 3);
  if (ok && colours && (set & kRtfBackColour))
    ok = PutFormatted(pos, end, "\\cb%d ", static_cast<int>((set >> 4) & 0x0F) + 1);
  if (ok && colours && (set & kRtfForeColour))
    ok = PutFormatted(pos, end, "\\cf%d ", static_cast<int>(set & 0x0F) + 1);
  if (pos < end) *pos = 0;
  Report(complete, ok);
  return pos;
}

char* RtfLineBreak(char* pos, const char* end, bool atEnd, bool rich, bool* complete) {
  if (atEnd)
    while (pos < end && *pos != 0) ++pos;
  bool ok = rich ? Put(pos, end, "\\par ", 5) : Put(pos, end, "\r\n", 2);
  Report(complete, ok);
  return pos;
}

char* RtfPlainToRich(char* pos, const char* end, const char* text, bool* complete) {
  bool ok = true;
  if (pos < end) *pos = 0;
  for (const char* t = text ? text : ""; *t != 0; ++t) {
    char single[2];
    const char* piece = EscapeOf(*t, single);
    if (!Put(pos, end, piece, std::strlen(piece))) {
      ok = false;
      break;
    }
  }
  Report(complete, ok);
  return pos;
}

char* RtfChar(char* pos, const char* end, char c, bool* complete) {
  const char text[2] = {c, 0};
  if (c == 0) {
    Report(complete, true);
    return pos;
  }
  return RtfPlainToRich(pos, end, text, complete);
}

char* RtfRaw(char* pos, const char* end, const char* rtf, bool* complete) {
  if (pos < end) *pos = 0;
  bool ok = Put(pos, end, rtf ? rtf : "", rtf ? std::strlen(rtf) : 0);
  Report(complete, ok);
  return pos;
}

char* RtfTime(char* pos, const char* end, int minutes, const RtfStyle& style, bool* complete) {
  char* start = pos;
  bool ok = true;
  pos = RtfControls(pos, end, kRtfSmall, kRtfPrintFont, 0, style, &ok);
  if (ok) {
    char tmp[32];
    int n = std::snprintf(tmp, sizeof tmp, style.timeLeadingZero ? " %02d:%02d" : " %d:%02d",
                          minutes / 60, minutes % 60);
    ok = n > 0 && Put(pos, end, tmp, static_cast<size_t>(n));
  }
  if (ok) pos = RtfControls(pos, end, kRtfSymbol, kRtfPrintFont, 0, style, &ok);
  // Half a fragment would leave the next glyph in the text font: take it back whole.
  if (!ok) {
    pos = start;
    if (pos < end) *pos = 0;
  }
  Report(complete, ok);
  return pos;
}

size_t RtfStreamCopy(const char* document, size_t& offset, char* out, size_t requested) {
  size_t n = 0;
  const char* from = document + offset;
  while (n < requested && from[n] != 0) {
    out[n] = from[n];
    ++n;
  }
  offset += n;
  return n;
}

}  // namespace tw
