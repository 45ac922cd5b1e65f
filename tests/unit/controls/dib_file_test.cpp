#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/bytes.h"
#include "core/dib_file.h"

namespace tw {
namespace {

// A bitmap file: headers, `colours` table entries (entry i = grey i), then the pixels.
std::vector<uint8_t> MakeBmp(int width, int height, int bits, int colours, uint32_t clrUsed, uint32_t sizeImage,
                             uint32_t offBits, size_t pixelBytes) {
  std::vector<uint8_t> f(54 + 4 * colours + pixelBytes);
  f[0] = 'B';
  f[1] = 'M';
  PutLE32(&f[2], static_cast<uint32_t>(f.size()));
  PutLE32(&f[10], offBits);
  PutLE32(&f[14], 40);
  PutLE32(&f[18], static_cast<uint32_t>(width));
  PutLE32(&f[22], static_cast<uint32_t>(height));
  PutLE16(&f[26], 1);
  PutLE16(&f[28], static_cast<uint16_t>(bits));
  PutLE32(&f[34], sizeImage);
  PutLE32(&f[46], clrUsed);
  for (int i = 0; i < colours; ++i) {
    f[54 + 4 * i] = f[55 + 4 * i] = f[56 + 4 * i] = static_cast<uint8_t>(i);
  }
  for (size_t i = 0; i < pixelBytes; ++i) f[54 + 4 * colours + i] = static_cast<uint8_t>(0xA0 + i);
  return f;
}

TEST(DibFile, EightBitPictureWithFullTable) {
  // 3 x 2 pixels at 8 bits: rows of 4 bytes.
  auto f = MakeBmp(3, 2, 8, 256, 0, 0, 54 + 1024, 8);
  DibPicture p;
  ASSERT_TRUE(ParseDibFile(f.data(), f.size(), p));
  EXPECT_EQ(p.width, 3);
  EXPECT_EQ(p.height, 2);
  EXPECT_EQ(p.colourCount, 256);
  EXPECT_EQ(p.Colour(7), 0x070707u);
  EXPECT_EQ(p.info.size(), 40u + 1024u);
  EXPECT_EQ(GetLE32(p.info.data() + 20), 8u) << "missing image size is computed";
  ASSERT_EQ(p.pixels.size(), 8u);
  EXPECT_EQ(p.pixels[0], 0xA0);
}

TEST(DibFile, ShortColourTableAndNoDataOffset) {
  // Four colours at 8 bits and no offset: the pixels follow the four entries.
  auto f = MakeBmp(4, 1, 8, 4, 4, 0, 0, 4);
  DibPicture p;
  ASSERT_TRUE(ParseDibFile(f.data(), f.size(), p));
  EXPECT_EQ(p.colourCount, 4);
  EXPECT_EQ(p.pixels[0], 0xA0) << "rows start right after the short table";
  EXPECT_EQ(GetLE32(p.info.data() + 32), 4u);
}

TEST(DibFile, TableSizeByBitCount) {
  DibPicture p;
  auto one = MakeBmp(8, 1, 1, 2, 0, 0, 0, 4);
  ASSERT_TRUE(ParseDibFile(one.data(), one.size(), p));
  EXPECT_EQ(p.colourCount, 2);
  auto four = MakeBmp(8, 1, 4, 16, 0, 0, 0, 4);
  ASSERT_TRUE(ParseDibFile(four.data(), four.size(), p));
  EXPECT_EQ(p.colourCount, 16);
  auto rgb = MakeBmp(2, 2, 24, 0, 0, 0, 54, 16);
  ASSERT_TRUE(ParseDibFile(rgb.data(), rgb.size(), p));
  EXPECT_EQ(p.colourCount, 0);
  EXPECT_EQ(p.info.size(), 40u);
  EXPECT_EQ(p.pixels.size(), 16u);
}

TEST(DibFile, AnythingElseCountsAsMissing) {
  DibPicture p;
  auto good = MakeBmp(3, 2, 8, 256, 0, 0, 0, 8);
  auto bad = good;
  bad[0] = 'X';
  EXPECT_FALSE(ParseDibFile(bad.data(), bad.size(), p));
  bad = good;
  PutLE32(&bad[14], 12);  // an OS/2 core header
  EXPECT_FALSE(ParseDibFile(bad.data(), bad.size(), p));
  EXPECT_FALSE(ParseDibFile(good.data(), 53, p)) << "shorter than the headers";
  EXPECT_FALSE(ParseDibFile(good.data(), 54 + 1000, p)) << "colour table cut off";
  EXPECT_FALSE(ParseDibFile(good.data(), good.size() - 1, p)) << "last row cut off";
  bad = good;
  PutLE32(&bad[34], 100000);  // claimed image size beyond the file
  EXPECT_FALSE(ParseDibFile(bad.data(), bad.size(), p));
  bad = good;
  PutLE32(&bad[10], 0x7FFFFFF0);  // data offset beyond the file
  EXPECT_FALSE(ParseDibFile(bad.data(), bad.size(), p));
  bad = good;
  PutLE32(&bad[18], 0);
  EXPECT_FALSE(ParseDibFile(bad.data(), bad.size(), p));
  bad = good;
  PutLE16(&bad[28], 7);
  EXPECT_FALSE(ParseDibFile(bad.data(), bad.size(), p));
  EXPECT_FALSE(ParseDibFile(nullptr, 0, p));
  EXPECT_TRUE(p.pixels.empty()) << "a failed read leaves nothing behind";
}

TEST(DibFile, TooSmallClaimedSizeIsRaisedToTheRows) {
  // An uncompressed picture is drawn by its rows; a header that claims fewer bytes must
  // not make the drawing read past the block.
  auto f = MakeBmp(3, 2, 8, 256, 0, 4, 0, 8);
  DibPicture p;
  ASSERT_TRUE(ParseDibFile(f.data(), f.size(), p));
  EXPECT_EQ(p.pixels.size(), 8u);
  auto cut = MakeBmp(3, 2, 8, 256, 0, 4, 0, 4);
  EXPECT_FALSE(ParseDibFile(cut.data(), cut.size(), p));
}

TEST(DibFile, TopDownPictureKeepsPositiveRowCount) {
  auto f = MakeBmp(3, -2, 8, 256, 0, 0, 0, 8);
  DibPicture p;
  ASSERT_TRUE(ParseDibFile(f.data(), f.size(), p));
  EXPECT_EQ(p.height, 2);
  EXPECT_EQ(GetLE32s(p.info.data() + 8), -2);
}

TEST(DibFile, TheBundledAboutPictureReads) {
  std::ifstream in(TW_SOURCE_DIR "/data/Tidewell.bmp", std::ios::binary);
  ASSERT_TRUE(in) << "data/Tidewell.bmp";
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  DibPicture p;
  ASSERT_TRUE(ParseDibFile(bytes.data(), bytes.size(), p));
  EXPECT_EQ(p.bitCount, 8);
  EXPECT_GT(p.colourCount, 0);
  EXPECT_GE(p.width, 200);
  EXPECT_GE(p.height, 150);
}


// A 16- or 32-bit BI_BITFIELDS file: `headerSize` bytes of info header, the three colour
// masks after a 40-byte header (inside a larger one), then the rows.
std::vector<uint8_t> MakeBitfieldsBmp(int width, int height, int bits, uint32_t headerSize, uint32_t sizeImage,
                                      size_t pixelBytes) {
  const size_t masksAfter = headerSize == 40 ? 12 : 0;
  const size_t offBits = 14 + headerSize + masksAfter;
  std::vector<uint8_t> f(offBits + pixelBytes);
  f[0] = 'B';
  f[1] = 'M';
  PutLE32(&f[2], static_cast<uint32_t>(f.size()));
  PutLE32(&f[10], static_cast<uint32_t>(offBits));
  PutLE32(&f[14], headerSize);
  PutLE32(&f[18], static_cast<uint32_t>(width));
  PutLE32(&f[22], static_cast<uint32_t>(height));
  PutLE16(&f[26], 1);
  PutLE16(&f[28], static_cast<uint16_t>(bits));
  PutLE32(&f[30], 3);  // BI_BITFIELDS
  PutLE32(&f[34], sizeImage);
  const uint32_t masks[3] = {bits == 16 ? 0xF800u : 0xFF0000u, bits == 16 ? 0x07E0u : 0xFF00u,
                             bits == 16 ? 0x001Fu : 0xFFu};
  for (int i = 0; i < 3; ++i) PutLE32(&f[54 + 4 * i], masks[i]);  // same place in both layouts
  for (size_t i = 0; i < pixelBytes; ++i) f[offBits + i] = static_cast<uint8_t>(0x30 + i);
  return f;
}

TEST(DibFile, BitfieldsPicturesCarryTheirMasksAndWholeRows) {
  struct Case {
    int bits;
    uint32_t headerSize;
    uint32_t sizeImage;  // as the file claims it; 0 and too small are both seen
  };
  for (const Case& c : {Case{16, 40, 0}, Case{16, 40, 4}, Case{32, 40, 0}, Case{32, 40, 8}, Case{16, 108, 0},
                        Case{32, 124, 0}, Case{32, 56, 0}}) {
    SCOPED_TRACE("bits " + std::to_string(c.bits) + " header " + std::to_string(c.headerSize));
    const size_t rows = DibImageBytes(3, 2, c.bits);
    auto f = MakeBitfieldsBmp(3, 2, c.bits, c.headerSize, c.sizeImage, rows);
    DibPicture p;
    ASSERT_TRUE(ParseDibFile(f.data(), f.size(), p));
    // What StretchDIBits reads: a 40-byte header followed by the three masks, and every row.
    ASSERT_EQ(p.info.size(), 40u + 12u);
    EXPECT_EQ(GetLE32(p.info.data()), 40u);
    EXPECT_EQ(GetLE32(p.info.data() + 16), 3u);
    EXPECT_EQ(GetLE32(p.info.data() + 40), c.bits == 16 ? 0xF800u : 0xFF0000u);
    EXPECT_EQ(GetLE32(p.info.data() + 48), c.bits == 16 ? 0x001Fu : 0xFFu);
    ASSERT_EQ(p.pixels.size(), rows);
    EXPECT_EQ(GetLE32(p.info.data() + 20), rows);
    EXPECT_EQ(p.pixels[0], 0x30) << "rows start behind the masks";
    EXPECT_EQ(p.colourCount, 0);

    auto cut = f;
    cut.pop_back();
    EXPECT_FALSE(ParseDibFile(cut.data(), cut.size(), p)) << "last row cut off";
    cut.resize(14 + c.headerSize + (c.headerSize == 40 ? 8 : 0));
    EXPECT_FALSE(ParseDibFile(cut.data(), cut.size(), p)) << "masks cut off";
  }
}

TEST(DibFile, BitfieldsOnlyWithSixteenOrThirtyTwoBits) {
  auto f = MakeBitfieldsBmp(4, 1, 16, 40, 0, 8);
  DibPicture p;
  PutLE16(&f[28], 8);
  EXPECT_FALSE(ParseDibFile(f.data(), f.size(), p));
  PutLE16(&f[28], 24);
  EXPECT_FALSE(ParseDibFile(f.data(), f.size(), p));
}

TEST(DibFile, LargerPlainHeaderIsCutToFortyBytes) {
  // A version 5 header without masks: the table and rows follow the 124 bytes.
  auto f = MakeBmp(4, 1, 8, 4, 4, 0, 0, 4);
  f.insert(f.begin() + 54, 124 - 40, 0);
  PutLE32(&f[14], 124);
  DibPicture p;
  ASSERT_TRUE(ParseDibFile(f.data(), f.size(), p));
  EXPECT_EQ(p.info.size(), 40u + 16u);
  EXPECT_EQ(GetLE32(p.info.data()), 40u);
  EXPECT_EQ(p.Colour(3), 0x030303u);
  EXPECT_EQ(p.pixels[0], 0xA0);
}

}  // namespace
}  // namespace tw
