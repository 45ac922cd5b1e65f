// Behaviour of the two small controls, free of any window: the spin button's press,
// repeat and drag rules, and the splitter bar's drag band. The window procedures only
// translate mouse messages and timers into these calls and carry out what they answer.
#pragma once
#include <cstdint>

namespace tw {

// ---- spin button "TwScroll" ----

// State bits kept in the control's first 16-bit window word.
enum SpinBits : uint16_t {
  kSpinButtonHeld = 1,
  kSpinUpPressed = 4,
  kSpinDownPressed = 8,
  kSpinDragging = kSpinUpPressed | kSpinDownPressed,  // both halves: a drag from the middle
  kSpinRepeatTimer = 16,                              // 60 ms timer runs
  kSpinFirstTimer = 32,                               // 200 ms first-delay timer runs
};

constexpr unsigned kSpinFirstDelayMs = 200;
constexpr unsigned kSpinRepeatMs = 60;

// Scroll codes as the receivers see them (the values of the system's SB_ codes).
enum SpinCode : int {
  kSpinLineUp = 0,
  kSpinLineDown = 1,
  kSpinPageUp = 2,
  kSpinPageDown = 3,
  kSpinThumbPosition = 4,
  kSpinNone = -1,
};

// What the window has to do after an event.
struct SpinAction {
  uint16_t state = 0;     // new state word
  int notify = kSpinNone; // scroll code to send to the parent, or none
  int distance = 0;       // for kSpinThumbPosition: signed pixels, upward positive
  unsigned timerMs = 0;   // (re)start the timer with this period; 0 leaves it
  bool stopTimer = false; // kill the timer
  bool capture = false;   // take the mouse
  bool release = false;   // let the mouse go
  bool repaint = false;
};

// Within one pixel of the middle line: where a drag starts and the drag cursor shows.
bool SpinOnMiddleLine(int y, int clientHeight);

// Left button down at `y`.
SpinAction SpinButtonDown(uint16_t state, int y, int clientHeight);
// A tick of the running timer: the first one swaps the 200 ms delay for the 60 ms repeat.
SpinAction SpinTimerTick(uint16_t state);
// Mouse moved to `y` while the button is held; `lastY` is the remembered position.
SpinAction SpinMouseMove(uint16_t state, int lastY, int y);
// Left button up (or the capture was taken away).
SpinAction SpinButtonUp(uint16_t state);

// How every receiver turns a notification into a step: line and page up +1, down -1,
// thumb position the signed distance in the high word; other codes 0.
int SpinStep(int code, int16_t highWord);
// Adds `step` to `value` and keeps the result within [lo, hi].
int SpinApply(int value, int step, int lo, int hi);

// ---- splitter bar "OrvResize" ----

// The three values its owner keeps in the window words: orientation (0 vertical bar,
// moving left and right), the lowest position of the moving edge in the parent's client
// coordinates, and the range through which it may move.
struct SplitterLimits {
  bool horizontal = false;
  int lowest = 0;
  int range = 0;
};

struct SplitterRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Band the cursor is held in while dragging, in the same coordinates as `bar` and `grab`:
// the grab point may travel so far that the moving edge covers lowest..lowest + range,
// and across the bar it stays within the bar's own extent. Right and bottom exclusive.
SplitterRect SplitterCursorBand(const SplitterLimits& limits, const SplitterRect& bar, int grabX, int grabY);
// The bar's rectangle when the mouse is at (x, y) and was grabbed at (grabX, grabY);
// only the moving coordinate follows, clamped to the range (a posted mouse message is
// not held by the cursor band).
SplitterRect SplitterDragRect(const SplitterLimits& limits, const SplitterRect& bar, int grabX, int grabY,
                              int x, int y);

}  // namespace tw
