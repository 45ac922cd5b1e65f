// Bitmap files (Tidewell.bmp, Ell.bmp): the reader and the palette colours it offers.
#include "core/dib_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tw::DibPicture picture;
  if (!tw::ParseDibFile(data, size, picture)) return 0;
  for (int i = 0; i < picture.colourCount; ++i) picture.Colour(i);
  // What the drawing calls read: the header, the masks, the table and the rows.
  if (picture.info.size() < 40u + picture.masks + 4u * picture.colourCount) __builtin_trap();
  if (picture.pixels.size() < tw::DibImageBytes(picture.width, picture.height, picture.bitCount) &&
      picture.info[16] == 0)
    __builtin_trap();
  return 0;
}
