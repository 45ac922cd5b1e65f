#include "core/cp1252.h"

#include <cstdint>

namespace tw {

namespace {
// Code points of 0x80..0x9F; 0 where the code page has no character.
constexpr uint16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    unsigned u = static_cast<unsigned char>(c);
    if (u >= 0x80 && u < 0xA0 && kCp1252High[u - 0x80]) u = kCp1252High[u - 0x80];
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x800) {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (u >> 12));
      out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

bool Utf8ToCp1252(std::string_view in, std::string* out, size_t* badOffset) {
  out->clear();
  size_t i = 0;
  if (in.size() >= 3 && in.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
  while (i < in.size()) {
    const unsigned char c = static_cast<unsigned char>(in[i]);
    uint32_t cp = 0;
    size_t len = 0;
    if (c < 0x80) {
      cp = c, len = 1;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F, len = 2;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F, len = 3;
    } else if ((c & 0xF8) == 0xF0) {
      cp = c & 0x07, len = 4;
    }
    bool ok = len > 0 && i + len <= in.size();
    for (size_t k = 1; ok && k < len; ++k) {
      const unsigned char t = static_cast<unsigned char>(in[i + k]);
      ok = (t & 0xC0) == 0x80;
      cp = (cp << 6) | (t & 0x3F);
    }
    char byte = 0;
    if (ok) {
      if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        byte = static_cast<char>(cp);
        ok = len == 1 || cp >= 0x80;  // no overlong forms of ASCII
      } else {
        ok = false;
        for (int k = 0; k < 32; ++k)
          if (kCp1252High[k] != 0 && kCp1252High[k] == cp) {
            byte = static_cast<char>(0x80 + k);
            ok = true;
          }
      }
    }
    if (!ok) {
      if (badOffset) *badOffset = i;
      return false;
    }
    *out += byte;
    i += len;
  }
  return true;
}

}  // namespace tw
