// A Windows bitmap file read into the two blocks the drawing calls take: the info header
// with its colour table, and the pixel rows. Portable, so every check runs natively.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw {

struct DibPicture {
  int width = 0;
  int height = 0;   // rows, positive (a top-down file keeps its sign in `info`)
  int bitCount = 0;
  int colourCount = 0;           // entries of the colour table and of the palette
  int masks = 0;                 // bytes of BI_BITFIELDS masks after the header: 0 or 12
  std::vector<uint8_t> info;     // 40-byte info header, the masks, then colourCount RGBQUADs
  std::vector<uint8_t> pixels;   // imageSize bytes
  // Colour `i` of the table as 0x00RRGGBB.
  uint32_t Colour(int i) const;
};

// Bytes of one padded row and of all rows of an uncompressed picture; 0 when the
// dimensions are out of reach.
size_t DibRowBytes(int width, int bitCount);
size_t DibImageBytes(int width, int height, int bitCount);

// False (picture missing) unless `data` is a bitmap file: "BM", an info header of 40 to
// 124 bytes, and the masks, colour table and pixels all inside the file. Uncompressed,
// BI_BITFIELDS (16 and 32 bits) and RLE pictures are read; `info` always holds a 40-byte
// header so the drawing calls read exactly the block this returns.
bool ParseDibFile(const uint8_t* data, size_t size, DibPicture& out);

}  // namespace tw
