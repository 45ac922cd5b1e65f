// Inputs the fuzz targets found (tests/fuzz/corpus/*/finding-*): damaged settings, person
// files, bitmaps and rich text whose numbers overflowed the arithmetic that uses them.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/bytes.h"
#include "core/dib_file.h"
#include "core/settings.h"
#include "core/settings_values.h"
#include "doc/person_file.h"
#include "views/calendar_rtf_layout.h"
#include "views/child_layout.h"

namespace tw {
namespace {

SettingsValues LoadWith(int id, const std::string& value) {
  MemoryProfile profile;
  profile.Set(FileSectionName(SettingKeyAt(id).section), SettingKeyAt(id).name, value);
  SettingsValues v;
  LoadStartValues(profile, LocaleValues(), ScreenMetrics(), false, v);
  return v;
}

TEST(FuzzFindings, FontSizesOutOfRangeFallBackToTheirDefaults) {
  struct Case {
    const char* stored;
    int32_t screen, print;
  } cases[] = {
      {"2147483647 400", 100, 110}, {"-2147483648 700", 100, 110}, {"16381 400", 100, 110},
      {"0 400", 0, 0},              {"160 700", 160, 160},         {"16380 400", 16380, 16380},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LoadWith(kSetFontSize, c.stored).fontSize, c.screen) << c.stored;
    EXPECT_EQ(LoadWith(kSetPrintFontSize, c.stored).printFontSize, c.print) << c.stored;
  }
  // The weight beside a bad size is still read.
  EXPECT_EQ(LoadWith(kSetFontSize, "-2147483648 700").fontWeight, 700);
}

TEST(FuzzFindings, DamagedSaveWidthsAreNotMultipliedNorWrittenBack) {
  const SettingsValues v = LoadWith(kSetSaveWidths, "2147483647 5 -1 30 34 10001 250 250 250 10000");
  const int32_t want[kColumnCount] = {22, v.saveWidths[1], 134, 30, 34, 480, 250, 250, 250, 10000};
  for (int i = 0; i < kColumnCount; ++i) EXPECT_EQ(v.saveWidths[i], want[i]) << "column " << i;

  const ListColumns cols = ComputeListColumns(0xFFFFFFFF, v.saveWidths, 40, 4000);
  for (int i = 0; i < kColumnCount; ++i) EXPECT_GE(cols.width[i], 0) << "column " << i;

  MemoryProfile out;
  WriteExitValues(out, v);
  std::string written;
  ASSERT_TRUE(out.Get(FileSectionName(SettingKeyAt(kSetSaveWidths).section), "SaveWidths", written));
  EXPECT_EQ(written.rfind("22 ", 0), 0u) << written;
  EXPECT_EQ(written.find("2147483647"), std::string::npos) << written;
}

std::vector<uint8_t> PersonFile(int32_t birthday) {
  std::vector<uint8_t> bytes(kHeaderSize, 0);
  PutLE32(bytes.data() + kBirthdayOffset, static_cast<uint32_t>(birthday));
  PutLE32(bytes.data() + kNotesStartOffset, 149000);
  std::memcpy(bytes.data() + kMagicOffset, kPersonMagic, std::strlen(kPersonMagic));
  return bytes;
}

TEST(FuzzFindings, PersonFilesOpenOnlyWithABirthdayTheCalendarShows) {
  const struct {
    int32_t birthday;
    ParseResult result;
  } cases[] = {
      {INT32_MIN, ParseResult::kNotDocument},          {-1, ParseResult::kNotDocument},
      {kFirstCalendarDay, ParseResult::kOk},           {135000, ParseResult::kOk},
      {kLastCalendarDay, ParseResult::kOk},            {kLastCalendarDay + 1, ParseResult::kNotDocument},
      {INT32_MAX, ParseResult::kNotDocument},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> bytes = PersonFile(c.birthday);
    PersonDocument doc;
    EXPECT_EQ(ParsePersonFile(doc, bytes.data(), bytes.size()), c.result) << c.birthday;
  }
}

// A 2 x 2 picture of 24 bits with the given height field.
std::vector<uint8_t> Bitmap(int32_t height) {
  std::vector<uint8_t> b(54 + 16, 0);
  b[0] = 'B';
  b[1] = 'M';
  PutLE32(b.data() + 2, static_cast<uint32_t>(b.size()));
  PutLE32(b.data() + 10, 54);
  PutLE32(b.data() + 14, 40);
  PutLE32(b.data() + 18, 2);
  PutLE32(b.data() + 22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  return b;
}

TEST(FuzzFindings, BitmapHeightWithoutPositiveCounterpartIsRefused) {
  DibPicture picture;
  std::vector<uint8_t> b = Bitmap(INT32_MIN);
  EXPECT_FALSE(ParseDibFile(b.data(), b.size(), picture));
  b = Bitmap(-2);  // top-down rows stay readable
  ASSERT_TRUE(ParseDibFile(b.data(), b.size(), picture));
  EXPECT_EQ(picture.height, 2);
}

class PixelPerChar : public RtfMeasure {
 public:
  int Width(const RtfRun&, std::string_view text) override { return static_cast<int>(text.size()); }
  int Height(const RtfRun&) override { return 10; }
  int Ascent(const RtfRun&) override { return 8; }
};

TEST(FuzzFindings, HugeTabParametersSaturateAtSixteenBits) {
  const RtfDocument doc = ParseRtf("{\\rtf1\\deftab2147483647\\pard\\tx99999999999\\tx-99999999999 a\\tab b\\par}");
  EXPECT_EQ(doc.defaultTabTwips, 32767);
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[0].tabsTwips, (std::vector<int>{32767, -32767}));
  PixelPerChar measure;
  const RtfLayout layout = LayoutRtf(doc, 100000, 600, measure);
  ASSERT_EQ(layout.pieces.size(), 2u);
  EXPECT_EQ(layout.pieces[1].x, 32767 * 600 / 1440);  // the tab went to the saturated stop
  // Ordinary parameters read as before.
  EXPECT_EQ(ParseRtf("{\\rtf1\\deftab360 x}").defaultTabTwips, 360);
}

}  // namespace
}  // namespace tw
