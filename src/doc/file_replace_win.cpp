// The Windows replace step: ReplaceFile keeps the replaced file's attributes, security and
// creation time, which a rename of the temporary file would lose.
#include <windows.h>

#include "doc/file_replace.h"

namespace tw {

namespace {

// What SetFileAttributes can give back.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool ReplaceKeepingAttributes(const std::string& temp, const std::string& target) {
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  // With a backup name the old file is never lost: should the last move fail, it is
  // still there under that name and comes back.
  const std::string backup = FreeSiblingName(target, "old");
  if (backup.empty()) return false;
  if (ReplaceFileA(target.c_str(), temp.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                   nullptr)) {
    DeleteFileA(backup.c_str());
    // Not every implementation of ReplaceFile carries the attributes over (Wine's does not).
    const DWORD now = GetFileAttributesA(target.c_str());
    if (now != INVALID_FILE_ATTRIBUTES && (now & kSettableAttributes) != (attributes & kSettableAttributes))
      SetFileAttributesA(target.c_str(), (now & ~kSettableAttributes) | (attributes & kSettableAttributes));
    return true;
  }
  if (GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES) MoveFileA(backup.c_str(), target.c_str());
  return false;
}

struct Registrar {
  Registrar() { SetReplaceStep(ReplaceKeepingAttributes); }
} g_replaceStep;

}  // namespace

}  // namespace tw
