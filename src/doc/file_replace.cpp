#include "doc/file_replace.h"

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
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace

bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string temp = path + ".tmp";
  if (!WriteAll(temp, bytes)) {
    std::remove(temp.c_str());
    return false;
  }
  // POSIX replaces in one step; the Windows C runtime refuses to rename onto an existing
  // file, so there the old file steps aside first and comes back if the swap fails.
  if (std::rename(temp.c_str(), path.c_str()) == 0) return true;
  if (!Exists(path)) {
    std::remove(temp.c_str());
    return false;
  }
  const std::string old = path + ".old";
  std::remove(old.c_str());
  if (std::rename(path.c_str(), old.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::rename(old.c_str(), path.c_str());
    std::remove(temp.c_str());
    return false;
  }
  std::remove(old.c_str());
  return true;
}

}  // namespace tw
