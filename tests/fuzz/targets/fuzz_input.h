// Small helpers shared by the fuzz targets: read typed values off the front of the input.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fuzz {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : p_(data), n_(size) {}
  uint8_t Byte() { return n_ ? (--n_, *p_++) : 0; }
  int32_t Int32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(Byte()) << (8 * i);
    return static_cast<int32_t>(v);
  }
  std::string_view Rest() { return {reinterpret_cast<const char*>(p_), n_}; }
  const uint8_t* data() const { return p_; }
  size_t size() const { return n_; }

 private:
  const uint8_t* p_;
  size_t n_;
};

}  // namespace fuzz
