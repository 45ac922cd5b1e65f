// The tips file "TwTips.dat": a count in its first six bytes, then one rich-text tip per
// line until a line starting with Ctrl+Z or the end of the file. Read once into memory;
// every position stays within the bytes that were read.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

constexpr size_t kTipCountBytes = 6;
constexpr size_t kTipMaxBytes = 1u << 20;  // more is not read
constexpr size_t kTipLineMax = 16 * 1024;  // the display buffer of one tip

class TipFile {
 public:
  // Takes the file's bytes (at most kTipMaxBytes are kept).
  explicit TipFile(std::string bytes);

  // The count of the first six bytes: optional "-", digits, ended by any non-digit.
  int Count() const { return count_; }
  // Moves past `lines` tips; running off the end goes back to the first tip.
  void Skip(int lines);
  // The tip at the current position, which then moves on; after the last tip (or at the
  // Ctrl+Z line) the first one follows. Empty when the file holds no tip line at all.
  std::string Next();

 private:
  bool AtEnd() const;
  std::string ReadLine();

  std::string bytes_;
  int count_ = 0;
  size_t pos_ = kTipCountBytes;
};

}  // namespace tw
