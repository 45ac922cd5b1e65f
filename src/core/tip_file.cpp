#include "core/tip_file.h"

namespace tw {

namespace {
constexpr char kEndMarker = 0x1A;
constexpr int kMaxCount = 1000000;
}  // namespace

TipFile::TipFile(std::string bytes) : bytes_(std::move(bytes)) {
  if (bytes_.size() > kTipMaxBytes) bytes_.resize(kTipMaxBytes);
  const size_t head = bytes_.size() < kTipCountBytes ? bytes_.size() : kTipCountBytes;
  size_t i = 0;
  bool negative = false;
  if (i < head && bytes_[i] == '-') {
    negative = true;
    ++i;
  }
  int n = 0;
  for (; i < head && bytes_[i] >= '0' && bytes_[i] <= '9'; ++i)
    if (n < kMaxCount) n = n * 10 + (bytes_[i] - '0');
  count_ = negative ? -n : n;
}

bool TipFile::AtEnd() const { return pos_ >= bytes_.size() || bytes_[pos_] == kEndMarker; }

std::string TipFile::ReadLine() {
  std::string line;
  while (pos_ < bytes_.size()) {
    const char c = bytes_[pos_++];
    if (c == '\n') break;
    if (line.size() < kTipLineMax) line.push_back(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void TipFile::Skip(int lines) {
  for (int i = 0; i < lines; ++i) {
    if (AtEnd()) {
      pos_ = kTipCountBytes;
      return;
    }
    ReadLine();
  }
}

std::string TipFile::Next() {
  if (AtEnd()) pos_ = kTipCountBytes;
  if (AtEnd()) return {};
  return ReadLine();
}

}  // namespace tw
