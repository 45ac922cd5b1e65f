#include "core/rtf_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tw {
namespace {

RtfStyle TenPoint() {
  RtfStyle s;
  s.screenFont = "Arial";
  s.screenFontSize = 100;
  s.printFont = "Times New Roman";
  s.printFontSize = 110;
  return s;
}

std::string Controls(uint32_t set, int fontChoice = 0, int tab = 0, RtfStyle style = TenPoint()) {
  char buf[2048];
  buf[0] = 0;
  char* end = RtfControls(buf, buf + sizeof buf, set, fontChoice, tab, style);
  EXPECT_EQ(*end, 0);
  return std::string(buf, end);
}

std::string Plain(const char* text) {
  char buf[512];
  char* end = RtfPlainToRich(buf, buf + sizeof buf, text);
  return std::string(buf, end);
}

TEST(RtfHeader, FullTemplateWithElementColoursAndDefaultTab) {
  RtfStyle style = TenPoint();
  style.elementColours[0] = 0x0000ff;  // red
  style.elementColours[1] = 0x0047a8;
  style.elementColours[2] = 0xa9f5ee;
  style.elementColours[3] = 0x010203;
  EXPECT_EQ(Controls(kRtfHeader, 0, 0, style),
            "{\\rtf1\\ansi\\deftab720\\deff1{\\fonttbl{\\f1\\fswiss\\fcharset0\\fprq2 Arial;}"
            "{\\f2\\fnil\\fcharset2\\fprq2 Astrological;}}{\\colortbl;\\red0\\green0\\blue0;"
            "\\red255\\green0\\blue0;\\red0\\green255\\blue0;\\red0\\green0\\blue255;"
            "\\red255\\green255\\blue0;\\red255\\green0\\blue255;\\red192\\green192\\blue192;"
            "\\red255\\green0\\blue0;\\red168\\green71\\blue0;\\red238\\green245\\blue169;"
            "\\red3\\green2\\blue1;}\\pard\\plain ");
}

TEST(RtfHeader, TabWidthAndFontFollowTheChoice) {
  std::string screen = Controls(kRtfHeader, 0, 360);
  EXPECT_NE(screen.find("\\deftab360\\deff1"), std::string::npos);
  EXPECT_NE(screen.find("\\fprq2 Arial;}"), std::string::npos);
  std::string print = Controls(kRtfHeader, 1, 0);
  EXPECT_NE(print.find("\\deftab720"), std::string::npos);
  EXPECT_NE(print.find("\\fprq2 Times New Roman;}"), std::string::npos);
  EXPECT_NE(Controls(kRtfHeader, 2).find("Times New Roman"), std::string::npos);
}

TEST(RtfHeader, FaceNameCannotBreakTheFontTable) {
  RtfStyle style = TenPoint();
  style.screenFont = "Bad}{\\Face;x";
  std::string h = Controls(kRtfHeader, 0, 0, style);
  EXPECT_NE(h.find("\\fprq2 BadFacex;}"), std::string::npos);
}

// One control set and font choice (0 screen, 1 print, 2 monochrome print) per row.
TEST(RtfControls, SizesPrioritySwitchesAndColours) {
  const struct {
    uint32_t set;
    int fontChoice;
    const char* rtf;
  } rows[] = {
      // Font sizes from tenths of a point; the print font's own size for any print choice.
      {kRtfNormal, 0, "\\f1\\fs20 "},
      {kRtfSmall, 0, "\\f1\\fs13 "},
      {kRtfHalf, 0, "\\f1\\fs10 "},
      {kRtfSub, 0, "\\sub\\fs10 "},
      {kRtfLarge, 0, "\\f1\\fs30 "},
      {kRtfSymbol, 0, "\\f2\\fs20 "},
      {kRtfNoSuperSub, 0, "\\nosupersub\\fs20 "},
      {kRtfNormal, 1, "\\f1\\fs22 "},
      {kRtfSmall, 2, "\\f1\\fs14 "},
      // The first font bit in priority order wins.
      {kRtfSymbol | kRtfNormal | kRtfLarge, 0, "\\f2\\fs20 "},
      {kRtfNormal | kRtfSmall, 0, "\\f1\\fs20 "},
      {kRtfSmall | kRtfHalf | kRtfLarge, 0, "\\f1\\fs13 "},
      {kRtfHalf | kRtfLarge, 0, "\\f1\\fs10 "},
      {kRtfSub | kRtfNoSuperSub, 0, "\\sub\\fs10 "},
      // Switches.
      {kRtfBold, 0, "\\b "},
      {kRtfBoldOff, 0, "\\b0 "},
      {kRtfBold | kRtfBoldOff, 0, "\\b0 "},
      {kRtfItalic, 0, "\\i "},
      {kRtfItalicOff, 0, "\\i0 "},
      {kRtfItalic | kRtfItalicOff, 0, "\\i0 \\i "},
      {kRtfTab, 0, "\\tab "},
      {kRtfPard, 0, "\\pard\\plain "},
      // Colour codes are the table index minus one, background before foreground; the
      // colour bits alone write nothing, and monochrome print writes no colours.
      {kRtfForeColour | RtfFore(kRtfBlue), 0, "\\cf4 "},
      {kRtfForeColour | RtfFore(kRtfBlack), 0, "\\cf1 "},
      {kRtfForeColour | RtfFore(kRtfWater), 0, "\\cf11 "},
      {kRtfBackColour | RtfBack(kRtfYellow), 0, "\\cb5 "},
      {kRtfBackColour | kRtfForeColour | RtfBack(kRtfGrey) | RtfFore(kRtfRed), 0, "\\cb7 \\cf2 "},
      {RtfFore(kRtfRed) | RtfBack(kRtfRed), 0, ""},
      {kRtfForeColour | RtfFore(kRtfBlue), 2, ""},
      {kRtfBackColour | kRtfForeColour | kRtfNormal | RtfFore(3), 2, "\\f1\\fs22 "},
      {kRtfForeColour | RtfFore(kRtfBlue), 1, "\\cf4 "},
  };
  for (const auto& r : rows) EXPECT_EQ(Controls(r.set, r.fontChoice), r.rtf) << r.set << "/" << r.fontChoice;
  RtfStyle zero = TenPoint();
  zero.screenFontSize = 0;  // stored 0 means 12 pt
  EXPECT_EQ(Controls(kRtfNormal, 0, 0, zero), "\\f1\\fs24 ");
}

TEST(RtfControls, EveryControlInItsFixedOrder) {
  uint32_t all = 0xFFFFFFFF;
  std::string s = Controls(all & ~kRtfHeader);
  EXPECT_EQ(s, "\\pard\\plain \\f2\\fs20 \\sub\\fs10 \\tab \\b0 \\i0 \\i \\cb16 \\cf16 ");
  std::string typical = Controls(kRtfHeader | kRtfNormal);
  EXPECT_EQ(typical.substr(typical.size() - 21), "\\pard\\plain \\f1\\fs20 ");
}

TEST(RtfLineBreak, RichAndPlain) {
  char buf[32] = "abc";
  char* p = RtfLineBreak(buf + 3, buf + sizeof buf, false, true);
  EXPECT_STREQ(buf, "abc\\par ");
  EXPECT_EQ(p, buf + 8);
  p = RtfLineBreak(p, buf + sizeof buf, false, false);
  EXPECT_STREQ(buf, "abc\\par \r\n");
  EXPECT_EQ(p, buf + 10);
}

TEST(RtfLineBreak, AtEndSkipsTheTextAlreadyThere) {
  char buf[32] = "Zeile";
  char* p = RtfLineBreak(buf, buf + sizeof buf, true, true);
  EXPECT_STREQ(buf, "Zeile\\par ");
  EXPECT_EQ(p, buf + 10);
  // Without the flag the break overwrites from the position on.
  char other[32] = "Zeile";
  RtfLineBreak(other, other + sizeof other, false, false);
  EXPECT_STREQ(other, "\r\n");
}

TEST(RtfLineBreak, AtEndOnAnUnterminatedFullBufferStaysInside) {
  char buf[8];
  std::memset(buf, 'x', sizeof buf);
  char guard = buf[7];
  char* p = RtfLineBreak(buf, buf + 7, true, true);
  EXPECT_EQ(p, buf + 7);
  EXPECT_EQ(buf[7], guard);
}

TEST(RtfPlainToRich, LinesBecomeParagraphs) {
  EXPECT_EQ(Plain("eins\r\nzwei"), "eins\\par zwei");
  EXPECT_EQ(Plain("a\nb"), "ab");
  EXPECT_EQ(Plain("a\r\r"), "a\\par \\par ");
  EXPECT_EQ(Plain(""), "");
  EXPECT_EQ(Plain(nullptr), "");
}

TEST(RtfPlainToRich, SyntaxCharactersAreEscaped) {
  EXPECT_EQ(Plain("C:\\Daten {neu}"), "C:\\\\Daten \\{neu\\}");
  EXPECT_EQ(Plain("}}}"), "\\}\\}\\}");
  // Umlauts are single CP1252 bytes and pass unchanged.
  EXPECT_EQ(Plain("Gärten"), std::string("G\xE4rten"));
}

TEST(RtfChar, EscapesLikeTextAndIgnoresNul) {
  char buf[16];
  char* p = RtfChar(buf, buf + sizeof buf, 'P');
  p = RtfChar(p, buf + sizeof buf, '{');
  p = RtfChar(p, buf + sizeof buf, 0);
  EXPECT_STREQ(buf, "P\\{");
  EXPECT_EQ(p, buf + 3);
}

// Fills a buffer with guard bytes, writes into its first `room` bytes only, and checks
// that nothing beyond was touched and that the text is NUL-terminated.
struct Guarded {
  std::vector<char> mem;
  size_t room;
  explicit Guarded(size_t r) : mem(r + 16, '#'), room(r) {}
  char* begin() { return mem.data(); }
  const char* end() { return mem.data() + room; }
  bool GuardsIntact() const {
    for (size_t i = room; i < mem.size(); ++i)
      if (mem[i] != '#') return false;
    return true;
  }
};

TEST(RtfBounds, PlainTextStopsBeforeTheEndAndNeverSplitsAnEscape) {
  for (size_t room = 0; room < 14; ++room) {
    Guarded g(room);
    bool complete = true;
    char* p = RtfPlainToRich(g.begin(), g.end(), "ab{cd\r\nef", &complete);
    EXPECT_TRUE(g.GuardsIntact()) << room;
    if (room == 0) {
      EXPECT_EQ(p, g.begin());
      continue;
    }
    ASSERT_LT(p, g.end());
    EXPECT_EQ(*p, 0);
    std::string got(g.begin(), p);
    std::string full = "ab\\{cd\\par ef";
    EXPECT_EQ(full.compare(0, got.size(), got), 0) << got;
    // Cuts fall only between whole escapes: never after a lone backslash.
    EXPECT_TRUE(got.empty() || got.back() != '\\') << got;
    EXPECT_EQ(complete, got == full) << room;
  }
}

TEST(RtfBounds, ExactFitLeavesRoomForTheNul) {
  Guarded g(6);
  bool complete = false;
  char* p = RtfRaw(g.begin(), g.end(), "abcde", &complete);
  EXPECT_TRUE(complete);
  EXPECT_EQ(p, g.begin() + 5);
  EXPECT_STREQ(g.begin(), "abcde");
  p = RtfRaw(p, g.end(), "x", &complete);
  EXPECT_FALSE(complete);
  EXPECT_EQ(p, g.begin() + 5);
  EXPECT_TRUE(g.GuardsIntact());
}

TEST(RtfBounds, ControlsThatDoNotFitAreLeftOutWhole) {
  Guarded g(60);
  bool complete = true;
  char* p = RtfControls(g.begin(), g.end(), kRtfHeader | kRtfNormal, 0, 0, TenPoint(), &complete);
  EXPECT_FALSE(complete);
  EXPECT_EQ(p, g.begin());
  EXPECT_EQ(*p, 0);
  EXPECT_TRUE(g.GuardsIntact());

  Guarded h(20);
  p = RtfControls(h.begin(), h.end(), kRtfPard | kRtfNormal | kRtfBold, 0, 0, TenPoint(),
                  &complete);
  EXPECT_FALSE(complete);
  EXPECT_STREQ(h.begin(), "\\pard\\plain ");  // the font control (9 bytes) did not fit
  EXPECT_TRUE(h.GuardsIntact());
}

TEST(RtfBounds, LineBreakAndTimeAllOrNothing) {
  Guarded g(5);
  bool complete = true;
  char* p = RtfLineBreak(g.begin(), g.end(), false, true, &complete);
  EXPECT_FALSE(complete);
  EXPECT_EQ(p, g.begin());
  EXPECT_TRUE(g.GuardsIntact());

  Guarded t(20);  // room for the small-font control and the time, not the symbol control
  p = RtfTime(t.begin(), t.end(), 870, TenPoint(), &complete);
  EXPECT_FALSE(complete);
  EXPECT_EQ(p, t.begin());
  EXPECT_STREQ(t.begin(), "");
  EXPECT_TRUE(t.GuardsIntact());
}

TEST(RtfBounds, WriterReportsTruncation) {
  char buf[16];
  RtfStyle style = TenPoint();
  RtfWriter w(buf, sizeof buf, style);
  w.Text("kurz").LineBreak();
  EXPECT_FALSE(w.truncated());
  EXPECT_STREQ(w.c_str(), "kurz\\par ");
  w.Text("zu lang dafür");
  EXPECT_TRUE(w.truncated());
  EXPECT_EQ(w.length(), 15u);
  EXPECT_EQ(std::strlen(buf), 15u);
}

TEST(RtfTime, SmallPrintFontTimeThenSymbolFont) {
  char buf[64];
  RtfStyle style = TenPoint();  // print 11 pt: base 22, small 14
  RtfTime(buf, buf + sizeof buf, 14 * 60 + 30, style);
  EXPECT_STREQ(buf, "\\f1\\fs14  14:30\\f2\\fs22 ");
  RtfTime(buf, buf + sizeof buf, 5 * 60 + 7, style);
  EXPECT_STREQ(buf, "\\f1\\fs14  05:07\\f2\\fs22 ");
  style.timeLeadingZero = false;
  RtfTime(buf, buf + sizeof buf, 5 * 60 + 7, style);
  EXPECT_STREQ(buf, "\\f1\\fs14  5:07\\f2\\fs22 ");
  RtfTime(buf, buf + sizeof buf, 0, style);
  EXPECT_STREQ(buf, "\\f1\\fs14  0:00\\f2\\fs22 ");
}

TEST(RtfStream, CopiesInChunksUpToTheNul) {
  const char doc[] = "{\\rtf1 Hallo}";
  size_t offset = 0;
  char out[64];
  std::string got;
  size_t n;
  int calls = 0;
  while ((n = RtfStreamCopy(doc, offset, out, 5)) > 0) {
    EXPECT_LE(n, 5u);
    got.append(out, n);
    ++calls;
  }
  EXPECT_EQ(got, doc);
  EXPECT_EQ(offset, std::strlen(doc));
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(RtfStreamCopy(doc, offset, out, 5), 0u);
  offset = 0;
  EXPECT_EQ(RtfStreamCopy(doc, offset, out, 1000), std::strlen(doc));
}

TEST(RtfDocument, TypicalInfoPanelLine) {
  char buf[4096];
  RtfStyle style = TenPoint();
  RtfWriter w(buf, sizeof buf, style);
  w.Controls(kRtfHeader | kRtfNormal)
      .Text("Mond in ")
      .Controls(kRtfSymbol)
      .Char('P')
      .Controls(kRtfNormal | kRtfForeColour | RtfFore(kRtfFire))
      .Text("Feuer")
      .Controls(kRtfForeColour | RtfFore(kRtfBlack))
      .LineBreak();
  std::string s = w.c_str();
  EXPECT_FALSE(w.truncated());
  EXPECT_EQ(s.substr(s.find("\\pard\\plain \\f1")),
            "\\pard\\plain \\f1\\fs20 Mond in \\f2\\fs20 P\\f1\\fs20 \\cf8 Feuer\\cf1 \\par ");
}

}  // namespace
}  // namespace tw

namespace tw {
namespace {

TEST(RtfStyleFrom, TakesFontsColoursAndTimeFormatFromTheSettings) {
  SettingsValues settings;
  settings.font = "Verdana";
  settings.fontSize = 0;
  settings.printFont = "Courier";
  settings.printFontSize = 90;
  settings.colours.entry[kElementColourFirst + 3] = 0x102030;
  LocaleValues locale;
  locale.timeLeadingZero = 0;
  RtfStyle style = RtfStyleFrom(settings, locale);
  EXPECT_EQ(style.screenFont, "Verdana");
  EXPECT_EQ(RtfBaseSize(style, 0), 24);
  EXPECT_EQ(RtfBaseSize(style, 1), 18);
  EXPECT_EQ(style.printFont, "Courier");
  EXPECT_EQ(style.elementColours[0], settings.colours.entry[kElementColourFirst]);
  EXPECT_EQ(style.elementColours[3], 0x102030u);
  EXPECT_FALSE(style.timeLeadingZero);
  char buf[64];
  RtfTime(buf, buf + sizeof buf, 61, style);
  EXPECT_STREQ(buf, "\\f1\\fs12  1:01\\f2\\fs18 ");
}

}  // namespace
}  // namespace tw
