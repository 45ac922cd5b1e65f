// Geometry of the frame window: where it opens, and how its client area is shared
// between the person windows, the splitter and the side panel.
#pragma once

namespace tw {

// The stored frame rectangle after its range checks; maximize when it is empty.
struct FramePlacement {
  int x = 0, y = 0, width = 0, height = 0;
  bool maximize = true;
};
FramePlacement CheckFramePlacement(int x, int y, int width, int height, int screenWidth,
                                   int screenHeight);

constexpr int kMinPanelWidth = 148;

struct FrameLayout {
  int top = 0, height = 0;  // the strip below the toolbar
  int clientX = 0, clientWidth = 0;      // MDI client
  int splitterX = 0, splitterWidth = 0;  // splitter bar
  int panelX = 0, panelWidth = 0;        // side panel
  int dragMin = 0, dragMax = 0;          // splitter limits (left edge of the bar)
};
// `infoWidth` 0 means a fifth of the client width; the panel is at least 148 and at most
// half the client width wide. Without a side panel its width is 148.
FrameLayout ComputeFrameLayout(int clientWidth, int clientHeight, int toolbarBottom, int infoWidth,
                               int splitterWidth, bool hasPanel);

// The panel width the frame stores after the user moved the splitter.
inline int InfoWidthAfterSplit(int clientRight, int splitterRight) { return clientRight - splitterRight; }

}  // namespace tw
