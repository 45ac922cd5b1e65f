// Whole-file reads and writes for documents that must never be left half written.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tw {

enum class ReadResult { kOk, kCannotOpen, kReadError, kNoMemory };
ReadResult ReadWholeFile(const std::string& path, std::vector<uint8_t>& out);

// Writes `bytes` to a new temporary file beside `path` and then puts it in place of `path`.
// Until the new file is complete the old one stays untouched; afterwards `path` holds
// exactly `bytes` with the old file's attributes. The temporary and set-aside names are
// ones no file has, so no other file of the folder is ever written or removed. False
// when any step failed; `path` is then as it was.
bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes);

// Puts the complete file `temp` in place of `target` (which may not exist) and keeps the
// target's attributes; false leaves both files as they were. The platform sets its own
// step at start; nullptr restores the portable one.
using ReplaceStep = bool (*)(const std::string& temp, const std::string& target);
void SetReplaceStep(ReplaceStep step);

// The first of `path` + ".~1." + `suffix`, ".~2." ... that names no file; empty when
// none of the first thousand is free.
std::string FreeSiblingName(const std::string& path, const char* suffix);

}  // namespace tw
