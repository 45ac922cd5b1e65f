// Whole-file reads and writes for documents that must never be left half written.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tw {

enum class ReadResult { kOk, kCannotOpen, kReadError, kNoMemory };
ReadResult ReadWholeFile(const std::string& path, std::vector<uint8_t>& out);

// Writes `bytes` to a temporary file beside `path` and then puts it in place of `path`.
// Until the new file is complete the old one stays untouched; afterwards `path` holds
// exactly `bytes`. False when any step failed; `path` is then as it was.
bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace tw
