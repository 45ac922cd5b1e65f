// Helpers shared by the person document tests: temporary files and document checks.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "doc/person_document.h"

namespace tw::testing {

// A fresh directory under the system's temporary directory, removed with the object.
class TempDir {
 public:
  TempDir() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("tw_doc_" + std::to_string(std::random_device{}()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::vector<uint8_t> out;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) out.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
  }
  return out;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// Every day that has an entry points at a complete entry below `used`.
inline void ExpectIndexValid(const PersonDocument& doc) {
  ASSERT_LE(doc.notes.used, doc.notes.capacity());
  for (int i = 0; i < kNoteDays; ++i) {
    const int32_t off = doc.dayIndex[i];
    if (off < 0) continue;
    ASSERT_LT(static_cast<size_t>(off), doc.notes.used) << i;
    ASSERT_NE(DayEntryLength(doc.notes.data.data() + off, doc.notes.used - off), 0u) << i;
  }
}

}  // namespace tw::testing
