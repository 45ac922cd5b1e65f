#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/data_location.h"

namespace tw {
namespace {

// Files with contents and folders, as the rules see them; folders can be made unwritable.
struct FakeFs : FileSystem {
  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  bool canMakeFolders = true;
  bool canCopy = true;
  bool Exists(const std::string& p) const override { return files.count(p) > 0; }
  bool MakeFolder(const std::string& p) override {
    if (folders.count(p)) return true;
    if (!canMakeFolders) return false;
    folders.insert(p);
    return true;
  }
  bool Copy(const std::string& from, const std::string& to) override {
    if (!canCopy || !files.count(from) || files.count(to)) return false;
    files[to] = files[from];
    return true;
  }
};

const std::string kUser = "C:\\Users\\erika\\AppData\\Roaming\\Tidewell\\";
const std::string kProgram = "C:\\Program Files\\Tidewell\\";
const std::string kWinIni = "C:\\windows\\ORV.INI";
const std::string kVirtualIni = "C:\\Users\\erika\\AppData\\Local\\VirtualStore\\Windows\\ORV.INI";

FakeFs Installed() {
  FakeFs fs;
  for (const char* f : {"Moon.dat", "Reco.dat", "RecoSel.dat", "TwHd.dat", "TwNd.dat", "TwBd.dat", "TwTips.dat"})
    fs.files[kProgram + f] = std::string("default ") + f;
  return fs;
}

TEST(SettingsFile, LivesInTheUserFolderAndTakesOverAnOldOneOnce) {
  struct Case {
    const char* what;
    bool userIni, virtualIni, winIni;
    std::string expectedFrom;  // "" = nothing taken over
    std::string expectedText;  // content of the user's file afterwards, "" = none
  } cases[] = {
      {"fresh user", false, false, false, "", ""},
      {"old file in the Windows directory", false, false, true, kWinIni, "win"},
      {"virtualized copy shadows the real one", false, true, true, kVirtualIni, "virtual"},
      {"the user's own file wins: no second take-over", true, true, true, "", "user"},
  };
  for (const Case& c : cases) {
    FakeFs fs;
    if (c.userIni) fs.files[kUser + "ORV.INI"] = "user";
    if (c.virtualIni) fs.files[kVirtualIni] = "virtual";
    if (c.winIni) fs.files[kWinIni] = "win";
    SettingsLocation loc = ChooseSettingsFile(kUser, {kVirtualIni, kWinIni}, fs);
    EXPECT_EQ(loc.file, kUser + "ORV.INI") << c.what;
    EXPECT_EQ(loc.takenFrom, c.expectedFrom) << c.what;
    std::string text = fs.files.count(loc.file) ? fs.files[loc.file] : "";
    EXPECT_EQ(text, c.expectedText) << c.what;
    if (c.winIni) EXPECT_EQ(fs.files[kWinIni], "win") << c.what << ": the old file stays as it was";
  }
}

TEST(SettingsFile, WithoutAUserFolderTheBareNameStays) {
  FakeFs fs;
  EXPECT_EQ(ChooseSettingsFile("", {kWinIni}, fs).file, "ORV.INI");
  fs.canMakeFolders = false;
  SettingsLocation loc = ChooseSettingsFile(kUser, {kWinIni}, fs);
  EXPECT_EQ(loc.file, "ORV.INI");
  EXPECT_EQ(loc.takenFrom, "");
}

TEST(SettingsFile, AFailedCopyStartsFreshInTheUserFolder) {
  FakeFs fs;
  fs.files[kWinIni] = "win";
  fs.canCopy = false;
  SettingsLocation loc = ChooseSettingsFile(kUser, {kVirtualIni, kWinIni}, fs);
  EXPECT_EQ(loc.file, kUser + "ORV.INI");
  EXPECT_EQ(loc.takenFrom, "");
}

TEST(DataFolders, WhichFolderEachKindOfCopyUses) {
  struct Case {
    const char* what;
    std::string path;
    bool installed;
    std::string program, user;
  } cases[] = {
      {"installed copy", "", true, kProgram, kUser},
      {"Path setting on an installed copy", "D:\\Mond\\", true, "D:\\Mond\\", "D:\\Mond\\"},
      {"portable copy: current directory", "", false, "", ""},
      {"Path setting on a portable copy", "D:\\Mond\\", false, "D:\\Mond\\", "D:\\Mond\\"},
  };
  for (const Case& c : cases) {
    FakeFs fs = c.installed ? Installed() : FakeFs();
    DataFolders d = ChooseDataFolders(c.path, kProgram, kUser, fs);
    EXPECT_EQ(d.program, c.program) << c.what;
    EXPECT_EQ(d.user, c.user) << c.what;
    EXPECT_EQ(d.seeded, c.installed && c.path.empty()) << c.what;
  }
}

TEST(DataFolders, SeedingCopiesOnlyMissingUserFilesAndNeverTheReadOnlyOnes) {
  FakeFs fs = Installed();
  fs.files[kUser + "Reco.dat"] = "edited";
  DataFolders d = ChooseDataFolders("", kProgram, kUser, fs);
  ASSERT_EQ(d.user, kUser);
  EXPECT_EQ(fs.files[kUser + "Reco.dat"], "edited");
  for (const char* f : {"RecoSel.dat", "TwHd.dat", "TwNd.dat", "TwBd.dat"})
    EXPECT_EQ(fs.files[kUser + f], std::string("default ") + f) << f;
  EXPECT_FALSE(fs.Exists(kUser + "Moon.dat"));
  EXPECT_FALSE(fs.Exists(kUser + "TwTips.dat"));

  // Second start: everything is there, nothing is copied again.
  fs.files[kUser + "TwHd.dat"] = "edited holidays";
  EXPECT_FALSE(ChooseDataFolders("", kProgram, kUser, fs).seeded);
  EXPECT_EQ(fs.files[kUser + "TwHd.dat"], "edited holidays");
}

TEST(DataFolders, WithoutAUserFolderTheInstalledDefaultsServe) {
  FakeFs fs = Installed();
  fs.canMakeFolders = false;
  DataFolders d = ChooseDataFolders("", kProgram, kUser, fs);
  EXPECT_EQ(d.program, kProgram);
  EXPECT_EQ(d.user, kProgram);
  EXPECT_FALSE(d.seeded);
  d = ChooseDataFolders("", kProgram, "", fs);
  EXPECT_EQ(d.user, kProgram);
}

}  // namespace
}  // namespace tw
