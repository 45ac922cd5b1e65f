// The steps of start-up and shutdown that the entry point and the frame call in order.
#pragma once
#include <vector>

#include "app/app.h"

namespace tw {

// Set on the frame while Shutdown runs: a new start waits for such an instance to end
// instead of handing over to it.
constexpr char kEndingProperty[] = "TwEnding";

struct ExtraClass {
  const char* name;
  WNDPROC proc;
  UINT style;
  int extraBytes;
  bool withIcon;
  bool withBackground;
};
// The classes registered with RegisterClassA after frame and person window.
std::vector<ExtraClass> ExtraWindowClasses();

void ReadLocaleValues(App& app);
void LoadCursors(App& app);
// Settings needed before the frame exists, fonts included; false ends the start.
bool ReadEarlySettings(App& app);
// Releases what ReadEarlySettings and the library load made, when the start fails.
void ReleaseEarly(App& app);
// Special days, palette, the rest of the settings, frame placement, help on a new version,
// the data files, and the posted commands for the first document and the tip.
void FinishStart(App& app, int show, const char* commandLine);
// True when `other` (a frame found at start) belonged to an instance that was ending and
// has ended within a few seconds; false when it runs on.
bool WaitForEndingInstance(HWND other);
// Runs on WM_CLOSE after every person window closed; ends with DestroyWindow(frame).
void Shutdown(App& app);
// After the message loop.
void ReleaseAfterLoop(App& app);

}  // namespace tw
