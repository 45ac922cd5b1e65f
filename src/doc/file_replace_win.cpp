// The Windows replace step: ReplaceFile keeps the replaced file's attributes, security and
// creation time, which a rename of the temporary file would lose.
#include <windows.h>

#include "doc/file_replace.h"

namespace tw {

namespace {

bool ReplaceKeepingAttributes(const std::string& temp, const std::string& target) {
  if (GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES)
    return MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  // With a backup name the old file is never lost: should the last move fail, it is
  // still there under that name and comes back.
  const std::string backup = FreeSiblingName(target, "old");
  if (backup.empty()) return false;
  if (ReplaceFileA(target.c_str(), temp.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                   nullptr)) {
    DeleteFileA(backup.c_str());
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
