#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/platform.h"
#include "core/settings.h"
#include "core/settings_values.h"
#include "settings_test_util.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

class FileProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tw_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "ORV.INI").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& text) {
    std::ofstream f(path_, std::ios::binary);
    f << text;
  }
  std::string Read() const {
    std::ifstream f(path_, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }

  fs::path dir_;
  std::string path_;
};

TEST_F(FileProfileTest, EditsInPlaceKeepingCommentsAndOrder) {
  Write("; Einstellungen\r\n[TidewellGeneral]\r\nZeta=1\r\nAlpha=2\r\n\r\n[Other]\r\nx=y\r\n");
  FileProfile p(path_);
  p.Set("TidewellGeneral", "alpha", "5");  // matched without regard to case
  p.Set("TidewellGeneral", "Mid", "7");    // new: after the last key of its section
  p.Set("New", "k", "v");                  // new section at the end
  EXPECT_EQ(Read(),
            "; Einstellungen\r\n[TidewellGeneral]\r\nZeta=1\r\nAlpha=5\r\nMid=7\r\n\r\n"
            "[Other]\r\nx=y\r\n[New]\r\nk=v\r\n");
}

TEST_F(FileProfileTest, FirstOfDuplicateKeysCountsAndIsTheOneWritten) {
  Write("[S]\nk=first\nk=second\n");
  FileProfile p(path_);
  EXPECT_EQ(Stored(p, "S", "K"), "first");
  p.Set("S", "k", "third");
  EXPECT_EQ(Read(), "[S]\r\nk=third\r\nk=second\r\n");
  FileProfile again(path_);
  EXPECT_EQ(Stored(again, "S", "k"), "third");
}

TEST_F(FileProfileTest, ValuesAreTrimmedAndUnquoted) {
  Write("[S]\n a = 1 2 \nb=\"  quoted  \"\nc=\"\nnovalue\n;d=3\n");
  FileProfile p(path_);
  std::string v;
  EXPECT_EQ(Stored(p, "S", "a"), "1 2");
  EXPECT_EQ(Stored(p, "S", "b"), "  quoted  ");
  EXPECT_EQ(Stored(p, "S", "c"), "\"");
  EXPECT_FALSE(p.Get("S", "novalue", v));
  EXPECT_FALSE(p.Get("S", ";d", v));
  EXPECT_FALSE(p.Get("S", "d", v));
}

TEST_F(FileProfileTest, LineBreaksInAValueCannotAddKeys) {
  FileProfile p(path_);
  p.Set("TidewellText", "TextRed", "rot\r\nPath=C:\\");
  FileProfile back(path_);
  std::string v;
  EXPECT_EQ(Stored(back, "TidewellText", "TextRed"), "rotPath=C:\\");
  EXPECT_FALSE(back.Get("TidewellText", "Path", v));
}

TEST_F(FileProfileTest, MissingFileThenExitWritesAndStartReadsThemBack) {
  LocaleValues locale;
  ScreenMetrics screen{1600, 1200};
  SettingsValues v;
  {
    FileProfile p(path_);  // no file yet: every default
    LoadStartValues(p, locale, screen, true, v);
    EXPECT_EQ(v.infoWidth, 256);
    EXPECT_EQ(v.lastReco, 0);
    v.posX = -20;
    v.width = 800;
    v.height = 600;
    v.infoWidth = 333;
    v.sound = 1;
    v.showNameday = 1;
    v.testYear = 2020;
    v.searchEnd = 140000;
    v.saveWidths[9] = 321;
    v.colours.entry[13] = 0x00ff00;
    WriteExitValues(p, v);
    WriteRhythmColours(p, v.colours);
    SetSettingText(p, kSetC3, "Z Zeit");
  }
  ASSERT_TRUE(fs::exists(path_));
  FileProfile p(path_);
  SettingsValues back;
  LoadStartValues(p, locale, screen, true, back);
  EXPECT_EQ(back.posX, -20);
  EXPECT_EQ(back.width, 800);
  EXPECT_EQ(back.height, 600);
  EXPECT_EQ(back.infoWidth, 333);
  EXPECT_EQ(back.sound, 1);
  EXPECT_EQ(back.showNameday, 1);
  EXPECT_EQ(back.testYear, 2020);
  EXPECT_EQ(back.searchEnd, 140000);
  EXPECT_EQ(back.saveWidths[9], 321);
  EXPECT_EQ(back.colours.entry[13], 0x00ff00u);
  EXPECT_EQ(back.colours.entry[14], 0xff0000u);
  EXPECT_EQ(back.rhythmTexts[2], "Z Zeit");
  std::string text = Read();
  EXPECT_NE(text.find("[TidewellGeneral]\r\nPosX=-20\r\nPosY=0\r\nWidth=800\r\n"), std::string::npos);
  EXPECT_NE(text.find("Color=ff00,ff0000,"), std::string::npos);
  EXPECT_NE(text.find("C3=Z Zeit"), std::string::npos);
  // Umlauts stay single CP1252 bytes in the file.
  SetSettingText(p, kSetTextYellow, "gelbgrün");
  EXPECT_NE(Read().find("TextYellow=gelbgr\xFCn\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tw
