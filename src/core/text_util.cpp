#include "core/text_util.h"

namespace tw {

namespace {
// A NUL ends the text even when the view runs on behind it.
bool At(std::string_view text, size_t pos) { return pos < text.size() && text[pos] != 0; }
}  // namespace

std::string_view BoundedText(const char* text, size_t size) {
  if (!text) return {};
  size_t n = 0;
  while (n < size && text[n] != 0) ++n;
  return std::string_view(text, n);
}

size_t SkipToken(std::string_view text, size_t pos) {
  while (At(text, pos) && text[pos] != ' ') ++pos;
  while (At(text, pos) && text[pos] == ' ') ++pos;
  return pos;
}

int32_t ReadNumber(std::string_view text, size_t pos, size_t* next) {
  bool negative = false;
  if (At(text, pos) && text[pos] == '-') {
    negative = true;
    ++pos;
  }
  int64_t value = 0;
  while (At(text, pos) && IsDigit(text[pos])) {
    if (value <= INT32_MAX) value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) value = INT32_MAX;
  if (value < INT32_MIN) value = INT32_MIN;
  if (next) *next = pos;
  return static_cast<int32_t>(value);
}

size_t TakeDigitField(std::string_view text, size_t pos, char* field, size_t fieldSize) {
  size_t n = 0;
  while (At(text, pos) && IsDigit(text[pos])) {
    if (n + 1 < fieldSize) field[n++] = text[pos];
    ++pos;
  }
  if (fieldSize > 0) field[n] = 0;
  while (At(text, pos) && !IsDigit(text[pos])) ++pos;
  return pos;
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace tw
