#include "core/dib_file.h"

#include "core/bytes.h"

namespace tw {

namespace {

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;     // BITMAPINFOHEADER
constexpr size_t kMaxInfoHeader = 124; // BITMAPV5HEADER
constexpr size_t kMaskBytes = 12;      // red, green and blue masks of BI_BITFIELDS
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;
constexpr int kMaxSide = 16384;  // far beyond any picture the program shows

}  // namespace

uint32_t DibPicture::Colour(int i) const {
  if (i < 0 || i >= colourCount) return 0;
  const uint8_t* q = info.data() + kInfoHeader + static_cast<size_t>(masks) + 4 * static_cast<size_t>(i);
  return (static_cast<uint32_t>(q[2]) << 16) | (static_cast<uint32_t>(q[1]) << 8) | q[0];
}

size_t DibRowBytes(int width, int bitCount) {
  if (width <= 0 || width > kMaxSide || bitCount <= 0 || bitCount > 32) return 0;
  return (static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32 * 4;
}

size_t DibImageBytes(int width, int height, int bitCount) {
  if (height <= 0 || height > kMaxSide) return 0;
  return DibRowBytes(width, bitCount) * static_cast<size_t>(height);
}

bool ParseDibFile(const uint8_t* data, size_t size, DibPicture& out) {
  out = DibPicture();
  if (!data || size < kFileHeader + kInfoHeader) return false;
  if (data[0] != 'B' || data[1] != 'M') return false;
  const uint8_t* ih = data + kFileHeader;
  // Later header versions only add fields after the first 40 bytes; the drawing calls get
  // a plain 40-byte header, so no field of a longer one (a colour profile offset, say) can
  // send them outside the block.
  const uint32_t headerSize = GetLE32(ih);
  if (headerSize < kInfoHeader || headerSize > kMaxInfoHeader) return false;
  int32_t width = GetLE32s(ih + 4);
  int32_t height = GetLE32s(ih + 8);
  int bits = GetLE16(ih + 14);
  uint32_t compression = GetLE32(ih + 16);
  uint32_t sizeImage = GetLE32(ih + 20);
  uint32_t clrUsed = GetLE32(ih + 32);
  if (height < -kMaxSide) return false;  // INT32_MIN has no positive counterpart
  int rows = height < 0 ? -height : height;
  if (width <= 0 || width > kMaxSide || rows <= 0 || rows > kMaxSide) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  const bool bitfields = compression == kBitfields;
  if (bitfields && ((bits != 16 && bits != 32) || (headerSize > kInfoHeader && headerSize < kInfoHeader + kMaskBytes)))
    return false;
  if (compression != kRgb && !bitfields && compression != kRle8 && compression != kRle4) return false;

  // The three colour masks follow a 40-byte header and sit inside any longer one, at the
  // same offset; the drawing calls read them right after the header either way.
  const size_t masksInFile = bitfields && headerSize == kInfoHeader ? kMaskBytes : 0;
  if (bitfields && kFileHeader + kInfoHeader + kMaskBytes > size) return false;
  const size_t tableAt = kFileHeader + headerSize + masksInFile;

  int maxColours = bits <= 8 ? (1 << bits) : 0;
  // A table shorter than the full one is what the header's colour count says; taking the
  // full size would read pixels as colours and start the rows too late.
  int colours = maxColours;
  if (maxColours && clrUsed > 0 && clrUsed < static_cast<uint32_t>(maxColours)) colours = static_cast<int>(clrUsed);
  size_t tableBytes = 4 * static_cast<size_t>(colours);
  if (tableAt + tableBytes > size) return false;

  size_t computed = DibImageBytes(width, rows, bits);
  size_t imageBytes = sizeImage;
  // Uncompressed rows are drawn by their computed size whatever the header claims, so the
  // block must hold at least that much.
  if ((compression == kRgb || bitfields) && imageBytes < computed) imageBytes = computed;
  if (imageBytes == 0) return false;

  uint32_t offBits = GetLE32(data + 10);
  // A 16- or 32-bit file may carry a palette hint after the masks; the rows follow it.
  const size_t hintBytes = bits > 8 && clrUsed <= 256 ? 4 * static_cast<size_t>(clrUsed) : 0;
  size_t start = offBits != 0 ? offBits : tableAt + tableBytes + hintBytes;
  if (start > size || imageBytes > size - start) return false;

  const size_t masks = bitfields ? kMaskBytes : 0;
  out.width = width;
  out.height = rows;
  out.bitCount = bits;
  out.colourCount = colours;
  out.info.assign(ih, ih + kInfoHeader);
  if (bitfields) out.info.insert(out.info.end(), ih + kInfoHeader, ih + kInfoHeader + kMaskBytes);
  out.info.insert(out.info.end(), data + tableAt, data + tableAt + tableBytes);
  PutLE32(out.info.data(), static_cast<uint32_t>(kInfoHeader));
  PutLE32(out.info.data() + 20, static_cast<uint32_t>(imageBytes));
  PutLE32(out.info.data() + 32, static_cast<uint32_t>(colours));
  out.masks = static_cast<int>(masks);
  out.pixels.assign(data + start, data + start + imageBytes);
  return true;
}

}  // namespace tw
