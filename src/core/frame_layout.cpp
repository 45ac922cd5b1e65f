#include "core/frame_layout.h"

namespace tw {

FramePlacement CheckFramePlacement(int x, int y, int width, int height, int screenWidth,
                                   int screenHeight) {
  FramePlacement p;
  p.x = (x < -20 || x > screenWidth) ? 0 : x;
  p.y = (y < -20 || y > screenHeight) ? 0 : y;
  p.width = (width < 0 || width > screenWidth) ? 0 : width;
  p.height = (height < 0 || height > screenHeight) ? 0 : height;
  p.maximize = p.width == 0 || p.height == 0;
  return p;
}

FrameLayout ComputeFrameLayout(int clientWidth, int clientHeight, int toolbarBottom, int infoWidth,
                               int splitterWidth, bool hasPanel) {
  FrameLayout l;
  l.top = toolbarBottom;
  l.height = clientHeight > toolbarBottom ? clientHeight - toolbarBottom : 0;
  int panel = kMinPanelWidth;
  if (hasPanel) {
    panel = infoWidth != 0 ? infoWidth : clientWidth / 5;
    if (panel < kMinPanelWidth) panel = kMinPanelWidth;
    if (panel > clientWidth / 2) panel = clientWidth / 2;
  }
  l.splitterWidth = splitterWidth;
  l.panelWidth = panel;
  l.clientX = 0;
  l.clientWidth = clientWidth - panel - splitterWidth;
  if (l.clientWidth < 0) l.clientWidth = 0;
  l.splitterX = l.clientWidth;
  l.panelX = l.splitterX + splitterWidth;
  // The bar may move between the middle of the client width and where the panel keeps its
  // minimum; when the middle lies further right, that is the limit.
  l.dragMin = clientWidth / 2;
  l.dragMax = clientWidth - kMinPanelWidth - splitterWidth;
  if (l.dragMax < l.dragMin) l.dragMax = l.dragMin;
  return l;
}

}  // namespace tw
