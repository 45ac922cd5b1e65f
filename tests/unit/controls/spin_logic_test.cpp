#include <gtest/gtest.h>

#include <vector>

#include "core/spin_logic.h"

namespace tw {
namespace {

// Drives the spin rules the way the window does: one timer whose period the actions set,
// simulated on a millisecond clock. Records when each notification went out.
struct SpinRig {
  uint16_t state = 0;
  int lastY = 0;
  int height = 40;
  unsigned now = 0;
  unsigned period = 0;  // 0: no timer
  unsigned due = 0;
  bool captured = false;
  struct Sent {
    unsigned at;
    int step;
  };
  std::vector<Sent> sent;

  void Apply(const SpinAction& a) {
    state = a.state;
    if (a.stopTimer) period = 0;
    if (a.timerMs) {
      period = a.timerMs;
      due = now + period;
    }
    if (a.capture) captured = true;
    if (a.release) captured = false;
    if (a.notify != kSpinNone)
      sent.push_back({now, SpinStep(a.notify, static_cast<int16_t>(a.distance))});
  }
  void Down(int y) {
    lastY = y;
    Apply(SpinButtonDown(state, y, height));
  }
  void Move(int y) {
    Apply(SpinMouseMove(state, lastY, y));
    lastY = y;
  }
  void Up() { Apply(SpinButtonUp(state)); }
  void RunUntil(unsigned t) {
    while (period && due <= t) {
      now = due;
      due += period;
      Apply(SpinTimerTick(state));
    }
    now = t;
  }
};

TEST(SpinRepeat, HoldingTheUpperHalfStepsAtOnceThenAfter200ThenEvery60) {
  SpinRig rig;
  rig.Down(5);
  EXPECT_TRUE(rig.captured);
  rig.RunUntil(500);
  rig.Up();
  std::vector<unsigned> times;
  for (auto& s : rig.sent) {
    EXPECT_EQ(s.step, +1);
    times.push_back(s.at);
  }
  EXPECT_EQ(times, (std::vector<unsigned>{0, 200, 260, 320, 380, 440, 500}));
  EXPECT_FALSE(rig.captured);
  EXPECT_EQ(rig.period, 0u) << "release stops the timer";
  EXPECT_EQ(rig.state, 0);
  size_t before = rig.sent.size();
  rig.RunUntil(2000);
  EXPECT_EQ(rig.sent.size(), before) << "nothing repeats after release";
}

TEST(SpinRepeat, LowerHalfStepsDownAndAReleaseBeforeTheDelayGivesOneStep) {
  SpinRig rig;
  rig.Down(35);
  rig.RunUntil(199);
  rig.Up();
  rig.RunUntil(1000);
  ASSERT_EQ(rig.sent.size(), 1u);
  EXPECT_EQ(rig.sent[0].step, -1);
}

TEST(SpinRepeat, StateBitsFollowTheTimers) {
  uint16_t s = SpinButtonDown(0, 2, 40).state;
  EXPECT_EQ(s, kSpinButtonHeld | kSpinUpPressed | kSpinFirstTimer);
  SpinAction tick = SpinTimerTick(s);
  EXPECT_EQ(tick.state, kSpinButtonHeld | kSpinUpPressed | kSpinRepeatTimer);
  EXPECT_EQ(tick.timerMs, kSpinRepeatMs);
  SpinAction again = SpinTimerTick(tick.state);
  EXPECT_EQ(again.timerMs, 0u) << "the repeat timer keeps its period";
  EXPECT_EQ(again.notify, kSpinLineUp);
  // A second press while a timer still runs does not restart the delay.
  SpinAction second = SpinButtonDown(tick.state, 38, 40);
  EXPECT_EQ(second.timerMs, 0u);
  EXPECT_EQ(second.notify, kSpinLineDown);
  EXPECT_EQ(second.state & kSpinDragging, kSpinDownPressed);
}

TEST(SpinRepeat, AStrayTickAfterReleaseOnlyStopsTheTimer) {
  SpinAction a = SpinTimerTick(kSpinRepeatTimer | kSpinUpPressed);
  EXPECT_EQ(a.notify, kSpinNone);
  EXPECT_TRUE(a.stopTimer);
  EXPECT_EQ(a.state & (kSpinRepeatTimer | kSpinFirstTimer), 0);
}

TEST(SpinDrag, MiddleLineDragSendsSignedDistanceUpwardPositive) {
  SpinRig rig;  // height 40: middle line 20, drag starts on 19..21
  rig.Down(20);
  EXPECT_EQ(rig.state & kSpinDragging, kSpinDragging);
  EXPECT_TRUE(rig.sent.empty()) << "a drag start sends nothing";
  EXPECT_EQ(rig.period, 0u) << "and starts no timer";
  rig.Move(15);
  rig.Move(15);  // no movement, no message
  rig.Move(20);
  rig.Move(-30);  // captured mouse above the control
  rig.Up();
  ASSERT_EQ(rig.sent.size(), 3u);
  EXPECT_EQ(rig.sent[0].step, 5);
  EXPECT_EQ(rig.sent[1].step, -5);
  EXPECT_EQ(rig.sent[2].step, 50);
  EXPECT_EQ(rig.state, 0);
  // Moves without a held button send nothing.
  EXPECT_EQ(SpinMouseMove(0, 10, 0).notify, kSpinNone);
  EXPECT_EQ(SpinMouseMove(kSpinButtonHeld | kSpinUpPressed, 10, 0).notify, kSpinNone);
}

TEST(SpinDrag, MiddleLineIsOnePixelEitherSide) {
  EXPECT_FALSE(SpinOnMiddleLine(18, 40));
  EXPECT_TRUE(SpinOnMiddleLine(19, 40));
  EXPECT_TRUE(SpinOnMiddleLine(21, 40));
  EXPECT_FALSE(SpinOnMiddleLine(22, 40));
  EXPECT_TRUE(SpinOnMiddleLine(10, 21));  // odd height: half rounds down
  EXPECT_FALSE(SpinButtonDown(0, 18, 40).state & kSpinDownPressed);
  EXPECT_TRUE(SpinButtonDown(0, 22, 40).state & kSpinDownPressed);
}

TEST(SpinReceivers, StepsFromCodesAndClamping) {
  EXPECT_EQ(SpinStep(kSpinLineUp, 0), 1);
  EXPECT_EQ(SpinStep(kSpinPageUp, 0), 1);
  EXPECT_EQ(SpinStep(kSpinLineDown, 0), -1);
  EXPECT_EQ(SpinStep(kSpinPageDown, 0), -1);
  EXPECT_EQ(SpinStep(kSpinThumbPosition, -7), -7);
  EXPECT_EQ(SpinStep(8 /* end scroll */, 3), 0);
  EXPECT_EQ(SpinApply(7, 1, 1, 8), 8);
  EXPECT_EQ(SpinApply(8, 1, 1, 8), 8);
  EXPECT_EQ(SpinApply(2, -5, 1, 8), 1);
  EXPECT_EQ(SpinApply(2147483647, 1, 0, 2147483647), 2147483647) << "no overflow at the top";
}

// ---- splitter ----

TEST(SplitterDrag, VerticalBarFollowsOnlyAcrossAndStaysInItsRange) {
  SplitterLimits lim{false, 400, 252};  // may move its left edge over 400..652
  SplitterRect bar{600, 30, 604, 500};
  // Grabbed two pixels into the bar.
  SplitterRect r = SplitterDragRect(lim, bar, 602, 100, 500, 900);
  EXPECT_EQ(r.left, 498);
  EXPECT_EQ(r.right, 502);
  EXPECT_EQ(r.top, 30) << "the other coordinate does not follow";
  EXPECT_EQ(r.bottom, 500);
  EXPECT_EQ(SplitterDragRect(lim, bar, 602, 100, 10, 100).left, 400);
  EXPECT_EQ(SplitterDragRect(lim, bar, 602, 100, 2000, 100).left, 652);
  EXPECT_EQ(SplitterDragRect(lim, bar, 602, 100, 654, 100).left, 652);
}

TEST(SplitterDrag, CursorBandCoversTheRangeFromTheGrabPoint) {
  SplitterLimits lim{false, 400, 252};
  SplitterRect bar{600, 30, 604, 500};
  SplitterRect band = SplitterCursorBand(lim, bar, 602, 100);
  EXPECT_EQ(band.left, 402);
  EXPECT_EQ(band.right, 655);  // exclusive: the grab point may reach 654
  EXPECT_EQ(band.top, 30);
  EXPECT_EQ(band.bottom, 500);
  // Every cursor position inside the band gives a bar inside the range.
  for (int x = band.left; x < band.right; ++x) {
    SplitterRect r = SplitterDragRect(lim, bar, 602, 100, x, 200);
    EXPECT_EQ(r.left, x - 2);
  }
}

TEST(SplitterDrag, HorizontalBarAndEmptyRange) {
  SplitterLimits lim{true, 100, 50};
  SplitterRect bar{0, 120, 300, 124};
  SplitterRect r = SplitterDragRect(lim, bar, 40, 121, 999, 140);
  EXPECT_EQ(r.top, 139);
  EXPECT_EQ(r.bottom, 143);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(SplitterDragRect(lim, bar, 40, 121, 0, 500).top, 150);
  SplitterRect band = SplitterCursorBand(lim, bar, 40, 121);
  EXPECT_EQ(band.top, 101);
  EXPECT_EQ(band.bottom, 152);
  EXPECT_EQ(band.left, 0);
  EXPECT_EQ(band.right, 300);
  // A negative range (owner's limits crossed) pins the bar to its lowest position.
  SplitterLimits none{false, 300, -20};
  EXPECT_EQ(SplitterDragRect(none, {310, 0, 314, 10}, 311, 5, 500, 5).left, 300);
  EXPECT_EQ(SplitterCursorBand(none, {310, 0, 314, 10}, 311, 5).right -
                SplitterCursorBand(none, {310, 0, 314, 10}, 311, 5).left,
            1);
}

}  // namespace
}  // namespace tw
