// The cell renderer's rich-text reader and line layout, with a measure that gives every
// character a width from its code, at screen and printer resolutions.
#include "fuzz_input.h"
#include "views/calendar_rtf_layout.h"

namespace {

class FakeMeasure : public tw::RtfMeasure {
 public:
  int Width(const tw::RtfRun& style, std::string_view text) override {
    int w = 0;
    for (char c : text) w += 1 + (static_cast<uint8_t>(c) % 7) * style.halfPoints / 16;
    return w;
  }
  int Height(const tw::RtfRun& style) override { return style.halfPoints; }
  int Ascent(const tw::RtfRun& style) override { return style.halfPoints * 3 / 4; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int width = in.Byte() * 4;
  const int dpi = in.Byte() & 1 ? 600 : 96;
  const tw::RtfDocument doc = tw::ParseRtf(in.Rest());
  FakeMeasure measure;
  const tw::RtfLayout layout = tw::LayoutRtf(doc, width, dpi, measure);
  tw::EndWithEllipsis(layout, width / 2, width, "...", measure);
  return 0;
}
