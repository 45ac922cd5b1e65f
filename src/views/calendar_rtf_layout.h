// Reads back the small rich-text documents the program builds and lays them out into a
// cell; the calendar draws the laid-out pieces itself on the screen, on paper and in the
// preview alike. Only what the builder writes is understood: fonts 1 and 2, sizes,
// colours, bold, italic, tabs, tab stops, centring.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

struct RtfRun {
  std::string text;
  int font = 1;            // 1 the text font, 2 the symbol font
  int halfPoints = 24;
  uint32_t colour = 0;     // 0x00BBGGRR
  bool bold = false, italic = false;
  bool tab = false;        // a tab character; `text` is empty
};

struct RtfParagraph {
  std::vector<RtfRun> runs;
  std::vector<int> tabsTwips;
  bool centred = false;
};

struct RtfDocument {
  std::vector<RtfParagraph> paragraphs;
  int defaultTabTwips = 720;
  std::string textFont;  // face of font 1
};

RtfDocument ParseRtf(std::string_view rtf);

// Widths and heights of text in device pixels for a run's font.
class RtfMeasure {
 public:
  virtual ~RtfMeasure() = default;
  virtual int Width(const RtfRun& style, std::string_view text) = 0;
  virtual int Height(const RtfRun& style) = 0;  // line height
  virtual int Ascent(const RtfRun& style) = 0;
};

struct RtfPiece {
  int x = 0, y = 0;  // top-left relative to the cell
  int line = 0;      // index into RtfLayout::lineBottoms
  RtfRun style;      // text holds the piece
};

struct RtfLayout {
  std::vector<RtfPiece> pieces;
  std::vector<int> lineBottoms;  // bottom of each line, relative to the cell
  int height = 0;  // pixels used
};

// Breaks the paragraphs into lines of at most `width` pixels at blanks (a word wider than
// the line stands alone), places tabs at the paragraph's stops and centres centred lines.
RtfLayout LayoutRtf(const RtfDocument& doc, int width, int dpi, RtfMeasure& measure);

// A layout cut to `maxHeight`: unchanged when it fits; otherwise the lines below the last
// one that fits go and that line ends in `ellipsis` (in the style of its last text piece),
// giving up characters from its end until it fits `width`.
RtfLayout EndWithEllipsis(const RtfLayout& layout, int maxHeight, int width, std::string_view ellipsis,
                          RtfMeasure& measure);

}  // namespace tw
