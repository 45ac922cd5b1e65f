#include "doc/file_replace.h"

#include <sys/stat.h>

#include <cstdio>
#include <new>

namespace tw {

ReadResult ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
  out.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return ReadResult::kCannotOpen;
  ReadResult result = ReadResult::kOk;
  uint8_t chunk[65536];
  for (;;) {
    const size_t n = std::fread(chunk, 1, sizeof chunk, f);
    if (n > 0) {
      try {
        out.insert(out.end(), chunk, chunk + n);
      } catch (const std::bad_alloc&) {
        result = ReadResult::kNoMemory;
        break;
      }
    }
    if (n < sizeof chunk) {
      if (std::ferror(f)) result = ReadResult::kReadError;
      break;
    }
  }
  std::fclose(f);
  return result;
}

namespace {

bool WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  return ok;
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// The permission bits (on Windows the read-only flag) of `from`, given to `to`.
void CopyMode(const std::string& from, const std::string& to) {
  struct stat st;
  if (stat(from.c_str(), &st) == 0) chmod(to.c_str(), st.st_mode & 0777);
}

bool PortableReplace(const std::string& temp, const std::string& target) {
  const bool existed = Exists(target);
  if (existed) CopyMode(target, temp);
  // POSIX replaces in one step; the Windows C runtime refuses to rename onto an existing
  // file, so there the old file steps aside under a free name and comes back if the swap
  // fails.
  if (std::rename(temp.c_str(), target.c_str()) == 0) return true;
  if (!existed) return false;
  const std::string aside = FreeSiblingName(target, "old");
  if (aside.empty() || std::rename(target.c_str(), aside.c_str()) != 0) return false;
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    std::rename(aside.c_str(), target.c_str());
    return false;
  }
  std::remove(aside.c_str());
  return true;
}

ReplaceStep g_replaceStep = PortableReplace;

}  // namespace

void SetReplaceStep(ReplaceStep step) { g_replaceStep = step ? step : PortableReplace; }

std::string FreeSiblingName(const std::string& path, const char* suffix) {
  for (int n = 1; n <= 1000; ++n) {
    std::string name = path + ".~" + std::to_string(n) + "." + suffix;
    if (!Exists(name)) return name;
  }
  return std::string();
}

bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string temp = FreeSiblingName(path, "tmp");
  if (temp.empty()) return false;
  // From here the temporary name is ours: whatever fails, it goes again.
  if (!WriteAll(temp, bytes) || !g_replaceStep(temp, path)) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace tw
