// The single test's cells: what is drawn when a text is wider than its cell.
#include <gtest/gtest.h>

#include "reco/reco_yeartest.h"

namespace tw {
namespace {

// Every character 5 pixels wide, the ellipsis 8.
int Width(const std::string& s) {
  int w = 0;
  for (char c : s) w += c == '\x85' ? 8 : 5;
  return w;
}

TEST(YearTestCell, FitsOrShortensWithEllipsis) {
  struct Case {
    const char* text;
    int room;
    const char* shown;
  };
  const Case cases[] = {
      {"18.01.2024", 50, "18.01.2024"},      // exactly fits
      {"18.01.2024", 49, "18.01.20\x85"},    // 8 * 5 + 8 = 48
      {"18.01.2024", 40, "18.01.\x85"},      // 6 * 5 + 8 = 38
      {"Mo.", 14, "M\x85"},                  // shortened, never longer than the text
      {"Mo.", 9, "\x85"},                    // only the ellipsis
      {"ab", 7, ""},                         // not even the ellipsis with one character
      {"", 0, ""},
  };
  for (const Case& c : cases) {
    const std::string shown = FitWithEllipsis(c.text, c.room, Width);
    EXPECT_EQ(shown, c.shown) << c.text << " in " << c.room;
    EXPECT_LE(shown.size(), std::string(c.text).size());
    EXPECT_LE(Width(shown), std::max(c.room, 0));
  }
}

}  // namespace
}  // namespace tw
