// Reading back the builder's documents and laying them out into a cell.
#include <gtest/gtest.h>

#include "views/calendar_rtf_layout.h"
#include "views/day_summary.h"
#include "view_test_util.h"

namespace tw {
namespace {

// Text characters are 10 pixels wide, symbols 20; lines 16 (symbols 20) high.
class FixedMeasure : public RtfMeasure {
 public:
  int Width(const RtfRun& s, std::string_view t) override { return static_cast<int>(t.size()) * (s.font == 2 ? 20 : 10); }
  int Height(const RtfRun& s) override { return s.font == 2 ? 20 : 16; }
  int Ascent(const RtfRun& s) override { return s.font == 2 ? 16 : 12; }
};

std::string Joined(const RtfLayout& l) {
  std::string s;
  for (const RtfPiece& p : l.pieces) s += "[" + std::to_string(p.x) + "," + std::to_string(p.y) + ":" + p.style.text + "]";
  return s;
}

TEST(RtfReadBack, CellDocumentsKeepTheirStyles) {
  const CellContext ctx = viewtest::ScreenContext();
  const RtfDocument d = ParseRtf(DateCellRtf(viewtest::Day(2024, 1, 14), 0, ctx));
  ASSERT_EQ(d.paragraphs.size(), 1u);
  EXPECT_EQ(d.textFont, "Arial");
  const auto& runs = d.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].text, "So.");
  EXPECT_EQ(runs[0].colour, 0x0000FFu);  // red Sunday
  EXPECT_EQ(runs[0].halfPoints, 20);
  EXPECT_TRUE(runs[1].tab);
  EXPECT_EQ(runs[2].text, "14.01.24");

  const MoonDayRecord* r = viewtest::Shipped().moon.Fetch(viewtest::Day(2024, 1, 12));
  ASSERT_NE(r, nullptr);
  const RtfDocument m = ParseRtf(MoonCellRtf(*r, 2, ctx, {780, 1170}));
  ASSERT_EQ(m.paragraphs.size(), 2u);
  EXPECT_EQ(m.paragraphs[0].tabsTwips, (std::vector<int>{780, 1170}));
  EXPECT_EQ(m.paragraphs[0].runs[0].font, 2);
  EXPECT_EQ(m.paragraphs[0].runs[0].text, "Y-Z");
  EXPECT_EQ(m.paragraphs[1].runs[0].text, "q");
  EXPECT_TRUE(ParseRtf(SunCellRtf(*r, ctx)).paragraphs[0].centred);
  // Escaped characters come back as they were typed.
  const RtfDocument e = ParseRtf("{\\rtf1 a\\{b\\}\\\\c\\'e4}");
  EXPECT_EQ(e.paragraphs[0].runs[0].text, "a{b}\\c\xe4");
}

TEST(RtfLayoutLines, WordsWrapAtBlanksAndLongWordsStandAlone) {
  FixedMeasure m;
  const RtfDocument d = ParseRtf("{\\rtf1\\f1\\fs20 aaa bbb cccccccc dd}");
  const RtfLayout l = LayoutRtf(d, 75, 96, m);
  EXPECT_EQ(Joined(l), "[0,0:aaa ][40,0:bbb ][0,16:cccccccc ][0,32:dd]");
  EXPECT_EQ(l.height, 48);
  // Exactly fitting words stay on the line; the trailing blank does not count.
  EXPECT_EQ(LayoutRtf(d, 70, 96, m).pieces[1].y, 0);
}

TEST(RtfLayoutLines, TabsParagraphsBaselinesAndCentring) {
  FixedMeasure m;
  // Tab stops at 60 and 90 pixels (900 and 1350 twips at 96 dpi).
  RtfLayout l = LayoutRtf(ParseRtf("{\\rtf1\\tx900\\tx1350 \\f2 P\\tab Q\\tab R\\tab S}"), 500, 96, m);
  EXPECT_EQ(Joined(l), "[0,0:P][60,0:Q][90,0:R][144,0:S]");  // past the stops: default 48 px
  l = LayoutRtf(ParseRtf("{\\rtf1 a\\f2 P\\par \\par \\f1 b}"), 500, 96, m);
  // The text sits on the symbol's baseline; the empty paragraph keeps a line.
  EXPECT_EQ(Joined(l), "[0,4:a][10,0:P][0,40:b]");
  EXPECT_EQ(l.height, 56);
  l = LayoutRtf(ParseRtf("{\\rtf1\\qc\\f2 Z}"), 60, 96, m);
  EXPECT_EQ(l.pieces[0].x, 20);
}

TEST(RtfLayoutLines, TheSummaryLaysOutEveryLine) {
  FixedMeasure m;
  SummaryRequest q;
  q.day = viewtest::Day(2024, 1, 12);
  q.birthday = q.day;
  const std::string rtf = BuildDaySummary(viewtest::Shipped().moon, nullptr, q, viewtest::ScreenContext());
  const RtfLayout l = LayoutRtf(ParseRtf(rtf), 100000, 96, m);
  EXPECT_EQ(l.height, 4 * 16);
}

}  // namespace
TEST(RtfLayoutLines, AFixedHeightEndsInAnEllipsisOnTheLastLineThatFits) {
  FixedMeasure m;
  const RtfLayout full = LayoutRtf(ParseRtf("{\\rtf1\\f1\\fs20 aaa bbb cccccccc dd}"), 75, 96, m);
  ASSERT_EQ(full.lineBottoms, (std::vector<int>{16, 32, 48}));
  EXPECT_EQ(Joined(EndWithEllipsis(full, 48, 75, "\x85", m)), Joined(full));
  // The last line that fits keeps as much of its text as leaves room for the ellipsis.
  const RtfLayout cut = EndWithEllipsis(full, 40, 75, "\x85", m);
  EXPECT_EQ(Joined(cut), "[0,0:aaa ][40,0:bbb ][0,16:cccccc][60,16:\x85]");
  EXPECT_EQ(cut.height, 32);
  // A row one line high (a month per printed page) still shows the start of its text.
  EXPECT_EQ(Joined(EndWithEllipsis(full, 16, 75, "\x85", m)), "[0,0:aaa ][40,0:bb][60,0:\x85]");
  // Not even one line fits: the first line is cut the same way.
  EXPECT_EQ(Joined(EndWithEllipsis(full, 10, 75, "\x85", m)), "[0,0:aaa ][40,0:bb][60,0:\x85]");
  // A cell narrower than the ellipsis shows the ellipsis alone.
  EXPECT_EQ(Joined(EndWithEllipsis(full, 10, 5, "\x85", m)), "[0,0:\x85]");
}

}  // namespace tw
