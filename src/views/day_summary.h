// The side panel's texts and geometry: the day summary, the glyph legend, where the
// panel's controls go and where the moon picture draws its parts.
#pragma once
#include <array>
#include <string>

#include "bio/rhythm_label.h"
#include "core/daynumber.h"
#include "calendar/moon_data.h"
#include "views/calendar_cells.h"

namespace tw {

class RecoEvaluator;

// Bits of the settings key Data: which lines the summary shows.
enum SummaryLine : int {
  kSummaryDate = 1,
  kSummaryAge = 2,
  kSummarySeason = 4,
  kSummarySun = 8,
  kSummaryMoon = 16,
  kSummaryPhase = 32,
  kSummaryDistance = 64,
  kSummaryHeight = 128,
  kSummaryNode = 256,
  kSummaryReco = 512,
};

struct SummaryRequest {
  DayNumber day = 0;
  DayNumber birthday = 0;
  int dataMask = 0xFF;
  // Recommendations (bit 512): all of them (ShowHidden) or the window's selection, in the
  // window's display style (bit 0 join a group's hits, bit 1 join all).
  bool showAllRecommendations = true;
  int selection = 0;
  int separators = 0;
};

// The summary as a rich-text document. `eval` may be null (no recommendation lines).
std::string BuildDaySummary(MoonRecordSource& moon, RecoEvaluator* eval, const SummaryRequest& request,
                            const CellContext& ctx);

// " um 14:05": blank, prefix (message 4000, at most 7 characters), hours and minutes.
std::string SummaryTime(int minutes, const std::string& prefix, bool leadingZero);

// The glyph legend: 23 entries (glyph, message) in the panel's order.
struct LegendEntry {
  const char* glyphs;
  int message;
};
extern const std::array<LegendEntry, 23> kGlyphLegend;

// Heading, the 23 glyphs with their names, then the seven rhythms with their letters.
std::string BuildGlyphLegend(const RhythmLabels& labels, const CellContext& ctx);

// Where the panel's controls go for a client area of W x H.
struct PanelRect {
  int x = 0, y = 0, cx = 0, cy = 0;
};
struct SidePanelLayout {
  PanelRect picture, summary, legend, note, button;
  int noteHeight = 0;    // stored back as InfoHeight
  int legendHeight = 0;  // the legend's height after the rules
  int splitter1 = 0, splitter2 = 0;  // y of the two splitters
  int dragLow = 0, dragHigh = 0;     // range of y through which each splitter may be dragged
};
// `t` is the sizing-frame height when splitters exist, else 0.
SidePanelLayout LayoutSidePanel(int W, int H, int buttonW, int buttonH, int t, int infoHeight,
                                int legendHeight);

// Geometry of the owner-drawn moon picture (coordinates inside the control).
struct MoonPictureLayout {
  int stripX = 0, stripY = 0;   // top-left of the symbol strip (bitmap 151)
  int moonBitmap = 0;           // 98..137
  int moonX = 0, moonY = 0, moonSize = 0;
  int elementX = 0, elementY = 0, elementIndex = 0;  // quarter of bitmap 138
  int signX = 0, signY = 0, signBitmap = 0;          // 139..150
  int nodeBitmap = 0, nodeX = 0, nodeY = 0;          // 0 without node passage
  int seasonBitmap = 0, seasonX = 0, seasonY = 0;    // 0 without season start
  int heightBitmap = 0, heightX = 0, heightY = 0;    // top-left
  int distanceBitmap = 0, distanceX = 0, distanceY = 0;
};
// `previousHeight` is the previous day's height, or -1 when it has no record; `moonBitmapW`
// the moon pictures' width, `markerH` the height markers' height.
MoonPictureLayout LayoutMoonPicture(const MoonDayRecord& r, int previousHeight, bool sternbild, int W, int H,
                                    int stripW, int stripH, int moonBitmapW, int markerH);

}  // namespace tw
