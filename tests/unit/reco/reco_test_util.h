// Helpers shared by the recommendation tests.
#pragma once
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reco/reco_tables.h"

namespace tw::testing {

inline RecoRecord MakeReco(const char* name, int category, int groupLink = 0) {
  RecoRecord r;
  r.SetName(name);
  r.category = static_cast<uint8_t>(category);
  r.groupLink = static_cast<int16_t>(groupLink);
  return r;
}

// A fresh empty directory under the system's temp dir; the path ends with a separator.
class TempDir {
 public:
  explicit TempDir(const std::string& tag) {
    // Named after the running test, so tests run in parallel processes never share one.
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "tw_reco_" + tag;
    if (info) name += std::string("_") + info->test_suite_name() + "_" + info->name();
    name += "_" + std::to_string(testing_counter()++);
    for (char& c : name)
      if (c == '/') c = '_';
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  std::string dir() const { return path_.string() + "/"; }
  std::filesystem::path path(const std::string& name) const { return path_ / name; }

 private:
  static int& testing_counter() {
    static int n = 0;
    return n;
  }
  std::filesystem::path path_;
};

inline std::vector<uint8_t> ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::filesystem::path& p, const std::vector<uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace tw::testing
