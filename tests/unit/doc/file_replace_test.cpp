#include "doc/file_replace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "doc_test_util.h"

namespace tw {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::set<std::string> FilesIn(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

std::string DirOf(const TempDir& d) { return std::filesystem::path(d.File("x")).parent_path().string(); }

// The user's own x.twd.tmp and x.twd.old (and a name like the temporary one) are not
// ours to overwrite or delete, whichever way the file is put in place.
TEST(FileReplace, NeighbouringFilesSurviveByteForByte) {
  for (bool ownStep : {false, true}) {
    SCOPED_TRACE(ownStep ? "replace step of the platform" : "portable replace step");
    TempDir dir;
    const std::string path = dir.File("x.twd");
    const std::vector<uint8_t> tmp(300, 0x11), old(200, 0x22), tilde(100, 0x33), newBytes(5000, 0x44);
    WriteBytes(path, std::vector<uint8_t>(4000, 0x55));
    WriteBytes(path + ".tmp", tmp);
    WriteBytes(path + ".old", old);
    WriteBytes(path + ".~1.tmp", tilde);
    if (ownStep)
      SetReplaceStep([](const std::string& temp, const std::string& target) {
        std::remove(target.c_str());
        return std::rename(temp.c_str(), target.c_str()) == 0;
      });
    const bool ok = WriteFileReplacing(path, newBytes);
    SetReplaceStep(nullptr);
    ASSERT_TRUE(ok);
    EXPECT_EQ(ReadBytes(path), newBytes);
    EXPECT_EQ(ReadBytes(path + ".tmp"), tmp);
    EXPECT_EQ(ReadBytes(path + ".old"), old);
    EXPECT_EQ(ReadBytes(path + ".~1.tmp"), tilde);
    EXPECT_EQ(FilesIn(DirOf(dir)), (std::set<std::string>{"x.twd", "x.twd.tmp", "x.twd.old", "x.twd.~1.tmp"}))
        << "nothing left behind";
  }
}

TEST(FileReplace, AFailedReplaceLeavesTheOldFileAndNoTemporaryOne) {
  TempDir dir;
  const std::string path = dir.File("x.twd");
  const std::vector<uint8_t> before(4000, 0x55);
  WriteBytes(path, before);
  SetReplaceStep([](const std::string&, const std::string&) { return false; });
  const bool ok = WriteFileReplacing(path, std::vector<uint8_t>(10, 1));
  SetReplaceStep(nullptr);
  EXPECT_FALSE(ok);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(FilesIn(DirOf(dir)), std::set<std::string>{"x.twd"});
}

TEST(FileReplace, NewFileAndFileWithoutFolder) {
  TempDir dir;
  EXPECT_TRUE(WriteFileReplacing(dir.File("neu.twd"), {1, 2, 3}));
  EXPECT_EQ(ReadBytes(dir.File("neu.twd")), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(WriteFileReplacing(dir.File("fehlt/neu.twd"), {1}));
}

#ifndef _WIN32
// Windows keeps the attributes through ReplaceFile (the program's replace step); here the
// portable step has to carry the permissions over itself.
TEST(FileReplace, ReplacedFileKeepsItsPermissions) {
  TempDir dir;
  const std::string path = dir.File("x.twd");
  WriteBytes(path, {9});
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileReplacing(path, {1, 2}));
  struct stat st = {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}
#endif

}  // namespace
}  // namespace tw
