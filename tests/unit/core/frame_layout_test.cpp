#include <gtest/gtest.h>

#include "core/frame_layout.h"

namespace tw {
namespace {

TEST(FramePlacement, RangeChecksAndMaximize) {
  FramePlacement p = CheckFramePlacement(-20, 10, 800, 600, 1024, 768);
  EXPECT_EQ(p.x, -20);
  EXPECT_FALSE(p.maximize);
  EXPECT_EQ(CheckFramePlacement(-21, 10, 800, 600, 1024, 768).x, 0);
  EXPECT_EQ(CheckFramePlacement(10, 769, 800, 600, 1024, 768).y, 0);
  EXPECT_TRUE(CheckFramePlacement(10, 10, 0, 600, 1024, 768).maximize);
  EXPECT_TRUE(CheckFramePlacement(10, 10, 1025, 600, 1024, 768).maximize);  // too wide → 0
  EXPECT_TRUE(CheckFramePlacement(0, 0, 0, 0, 1024, 768).maximize);
}

TEST(FrameLayout, PanelWidthRules) {
  // InfoWidth 0: a fifth of the client width, but never below 148.
  EXPECT_EQ(ComputeFrameLayout(1000, 700, 30, 0, 4, true).panelWidth, 200);
  EXPECT_EQ(ComputeFrameLayout(600, 700, 30, 0, 4, true).panelWidth, 148);
  // Wider than half the client: half.
  EXPECT_EQ(ComputeFrameLayout(1000, 700, 30, 900, 4, true).panelWidth, 500);
  EXPECT_EQ(ComputeFrameLayout(1000, 700, 30, 300, 4, true).panelWidth, 300);
  EXPECT_EQ(ComputeFrameLayout(1000, 700, 30, 900, 4, false).panelWidth, 148);
}

TEST(FrameLayout, PartsTileTheStripBelowTheToolbar) {
  FrameLayout l = ComputeFrameLayout(1000, 700, 30, 300, 4, true);
  EXPECT_EQ(l.top, 30);
  EXPECT_EQ(l.height, 670);
  EXPECT_EQ(l.clientWidth + l.splitterWidth + l.panelWidth, 1000);
  EXPECT_EQ(l.splitterX, l.clientWidth);
  EXPECT_EQ(l.panelX, l.splitterX + 4);
  EXPECT_EQ(l.dragMin, 500);
  EXPECT_EQ(l.dragMax, 1000 - 148 - 4);
  // A frame narrower than twice the minimum: the limits collapse onto the middle.
  FrameLayout narrow = ComputeFrameLayout(250, 300, 30, 0, 4, true);
  EXPECT_EQ(narrow.dragMax, narrow.dragMin);
  EXPECT_GE(narrow.clientWidth, 0);
}

TEST(FrameLayout, InfoWidthAfterSplitIsTheRestRightOfTheBar) {
  EXPECT_EQ(InfoWidthAfterSplit(1000, 704), 296);
}

}  // namespace
}  // namespace tw
