// Little-endian access to fixed-layout file structures, byte by byte, so the same code
// is right on every compiler and word size.
#pragma once
#include <cstdint>
#include <cstring>

namespace tw {

inline uint16_t GetLE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline int16_t GetLE16s(const uint8_t* p) { return static_cast<int16_t>(GetLE16(p)); }
inline uint32_t GetLE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline int32_t GetLE32s(const uint8_t* p) { return static_cast<int32_t>(GetLE32(p)); }
inline void PutLE16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutLE32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}

// Copies a fixed-size, NUL-terminated text field; never reads past `size` bytes.
inline void GetFixedText(const uint8_t* p, size_t size, char* out) {
  size_t n = 0;
  while (n + 1 < size && p[n] != 0) {
    out[n] = static_cast<char>(p[n]);
    ++n;
  }
  out[n] = 0;
}
inline void PutFixedText(uint8_t* p, size_t size, const char* text) {
  std::memset(p, 0, size);
  size_t n = 0;
  while (n + 1 < size && text[n] != 0) {
    p[n] = static_cast<uint8_t>(text[n]);
    ++n;
  }
}

}  // namespace tw
