#include "core/spin_logic.h"

namespace tw {

bool SpinOnMiddleLine(int y, int clientHeight) {
  int half = clientHeight / 2;
  return y >= half - 1 && y <= half + 1;
}

SpinAction SpinButtonDown(uint16_t state, int y, int clientHeight) {
  SpinAction a;
  a.state = static_cast<uint16_t>(state | kSpinButtonHeld);
  a.capture = true;
  a.repaint = true;
  if (SpinOnMiddleLine(y, clientHeight)) {
    a.state |= kSpinDragging;
    return a;
  }
  bool up = y < clientHeight / 2;
  a.state = static_cast<uint16_t>((a.state & ~kSpinDragging) | (up ? kSpinUpPressed : kSpinDownPressed));
  a.notify = up ? kSpinLineUp : kSpinLineDown;
  if (!(state & (kSpinFirstTimer | kSpinRepeatTimer))) {
    a.state |= kSpinFirstTimer;
    a.timerMs = kSpinFirstDelayMs;
  }
  return a;
}

SpinAction SpinTimerTick(uint16_t state) {
  SpinAction a;
  a.state = state;
  bool dragging = (state & kSpinDragging) == kSpinDragging;
  if (!(state & kSpinButtonHeld) || dragging || !(state & kSpinDragging)) {
    // A stray tick after release, or during a drag, only stops the timer.
    a.state = static_cast<uint16_t>(state & ~(kSpinFirstTimer | kSpinRepeatTimer));
    a.stopTimer = true;
    return a;
  }
  if (state & kSpinFirstTimer) {
    a.state = static_cast<uint16_t>((state & ~kSpinFirstTimer) | kSpinRepeatTimer);
    a.timerMs = kSpinRepeatMs;
  }
  a.notify = (state & kSpinUpPressed) ? kSpinLineUp : kSpinLineDown;
  return a;
}

SpinAction SpinMouseMove(uint16_t state, int lastY, int y) {
  SpinAction a;
  a.state = state;
  if (!(state & kSpinButtonHeld) || (state & kSpinDragging) != kSpinDragging) return a;
  if (y == lastY) return a;
  a.notify = kSpinThumbPosition;
  a.distance = lastY - y;
  return a;
}

SpinAction SpinButtonUp(uint16_t state) {
  SpinAction a;
  a.state = static_cast<uint16_t>(state & ~kSpinButtonHeld);
  if (!(a.state & kSpinButtonHeld)) {
    a.stopTimer = (state & (kSpinFirstTimer | kSpinRepeatTimer)) != 0;
    a.state = static_cast<uint16_t>(a.state & ~(kSpinFirstTimer | kSpinRepeatTimer | kSpinDragging));
  }
  a.release = true;
  a.repaint = true;
  return a;
}

int SpinStep(int code, int16_t highWord) {
  switch (code) {
    case kSpinLineUp:
    case kSpinPageUp:
      return 1;
    case kSpinLineDown:
    case kSpinPageDown:
      return -1;
    case kSpinThumbPosition:
      return highWord;
    default:
      return 0;
  }
}

int SpinApply(int value, int step, int lo, int hi) {
  long long v = static_cast<long long>(value) + step;
  if (v < lo) v = lo;
  if (v > hi) v = hi;
  return static_cast<int>(v);
}

namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

SplitterRect SplitterCursorBand(const SplitterLimits& limits, const SplitterRect& bar, int grabX, int grabY) {
  int range = limits.range > 0 ? limits.range : 0;
  SplitterRect band;
  if (!limits.horizontal) {
    int offset = grabX - bar.left;
    band.left = limits.lowest + offset;
    band.right = band.left + range + 1;
    band.top = bar.top;
    band.bottom = bar.bottom;
  } else {
    int offset = grabY - bar.top;
    band.top = limits.lowest + offset;
    band.bottom = band.top + range + 1;
    band.left = bar.left;
    band.right = bar.right;
  }
  return band;
}

SplitterRect SplitterDragRect(const SplitterLimits& limits, const SplitterRect& bar, int grabX, int grabY,
                              int x, int y) {
  int range = limits.range > 0 ? limits.range : 0;
  SplitterRect r = bar;
  if (!limits.horizontal) {
    int width = bar.right - bar.left;
    r.left = Clamp(bar.left + (x - grabX), limits.lowest, limits.lowest + range);
    r.right = r.left + width;
  } else {
    int height = bar.bottom - bar.top;
    r.top = Clamp(bar.top + (y - grabY), limits.lowest, limits.lowest + range);
    r.bottom = r.top + height;
  }
  return r;
}

}  // namespace tw
