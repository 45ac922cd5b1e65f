// Small readers over 8-bit text shared by the date parser and the line-based file readers.
// Every reader is bounded twice: by the length of the view it is given and by a NUL inside
// it, so a short or unterminated line can never be read past its end.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tw {

// Length of `text` up to its first NUL, at most `size` bytes (for fixed-size buffers).
std::string_view BoundedText(const char* text, size_t size);

// Advances over the non-blank characters at `pos`, then over the blanks after them
// (blank = the space character only). Returns the position of the next field.
size_t SkipToken(std::string_view text, size_t pos);

// Reads an optional '-' and the decimal digits after it, up to the first non-digit; no
// blanks are skipped and an empty field reads as 0. Values beyond the 32-bit range
// saturate instead of overflowing. `*next` (when given) receives the position after it.
int32_t ReadNumber(std::string_view text, size_t pos, size_t* next = nullptr);

// Copies the run of digits at `pos` into `field` (cut to `fieldSize` - 1 bytes and
// NUL-terminated), then skips every following non-digit. Returns the position of the next
// digit, or the end of the text.
size_t TakeDigitField(std::string_view text, size_t pos, char* field, size_t fieldSize);

// Upper case of one character; only the ASCII letters a..z change.
char UpperAscii(char c);

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace tw
