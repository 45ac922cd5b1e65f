// Conversion between the program's 8-bit text (code page 1252) and UTF-8, for the tools
// and text sources that live in UTF-8.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

// Lossless: the five bytes 1252 leaves unassigned keep their C1 code points.
std::string Cp1252ToUtf8(std::string_view text);
// False, with the offset of the first offending byte, for text that is not UTF-8 or holds a
// character 1252 cannot store. A leading byte-order mark is skipped.
bool Utf8ToCp1252(std::string_view utf8, std::string* out, size_t* badOffset = nullptr);

}  // namespace tw
