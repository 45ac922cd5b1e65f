#include <gtest/gtest.h>

#include "core/platform.h"
#include "doc/recent_files.h"

namespace tw {
namespace {

RecentList Numbered(int count) {
  RecentList l;
  for (int i = 0; i < count; ++i) l[i] = "C:\\p\\f" + std::to_string(i + 1) + ".twd";
  return l;
}

TEST(RecentList, NameAlreadyFirstChangesNothing) {
  RecentList l = Numbered(8);
  const RecentList before = l;
  EXPECT_FALSE(AddRecent(l, l[0]));
  EXPECT_EQ(l, before);
  EXPECT_FALSE(AddRecent(l, ""));
  EXPECT_EQ(l, before);
}

TEST(RecentList, FifthMovesToTopAndOnlyTheOnesAboveShift) {
  RecentList l = Numbered(8);
  const RecentList before = l;
  EXPECT_TRUE(AddRecent(l, before[4]));
  EXPECT_EQ(l[0], before[4]);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(l[j], before[j - 1]) << j;
  for (int j = 5; j < 8; ++j) EXPECT_EQ(l[j], before[j]) << j;
}

TEST(RecentList, NewNamePushesTheEighthOutAndComparesCaseSensitively) {
  RecentList l = Numbered(8);
  const RecentList before = l;
  EXPECT_TRUE(AddRecent(l, "C:\\P\\F3.TWD"));  // not the same text as entry 3
  EXPECT_EQ(l[0], "C:\\P\\F3.TWD");
  for (int j = 1; j < 8; ++j) EXPECT_EQ(l[j], before[j - 1]);
  // A short list grows without losing anything.
  RecentList s = Numbered(2);
  AddRecent(s, "x.twd");
  EXPECT_EQ(s[0], "x.twd");
  EXPECT_EQ(s[2], "C:\\p\\f2.twd");
  EXPECT_EQ(s[3], "");
}

TEST(RecentList, RemovingAnEntryEmptiesTheLastSlot) {
  RecentList l = Numbered(8);
  const RecentList before = l;
  RemoveRecent(l, 2);
  EXPECT_EQ(l[0], before[0]);
  EXPECT_EQ(l[1], before[1]);
  for (int j = 2; j < 7; ++j) EXPECT_EQ(l[j], before[j + 1]);
  EXPECT_EQ(l[7], "");
  RecentList m = Numbered(8);
  RemoveRecent(m, 7);
  EXPECT_EQ(m[6], before[6]);
  EXPECT_EQ(m[7], "");
  RemoveRecent(m, 8);  // outside: untouched
  RemoveRecent(m, -1);
  EXPECT_EQ(m[0], before[0]);
}

TEST(RecentList, RoundTripThroughTheSettingsSection) {
  MemoryProfile p;
  RecentList l = Numbered(3);
  WriteRecentFiles(p, l);
  std::string v;
  ASSERT_TRUE(p.Get("TidewellRecentFileList", "File2", v));
  EXPECT_EQ(v, l[1]);
  EXPECT_EQ(ReadRecentFiles(p), l);
  // A name longer than the key's 255 characters is cut on reading.
  p.Set("TidewellRecentFileList", "File1", std::string(300, 'a'));
  EXPECT_EQ(ReadRecentFiles(p)[0].size(), 255u);
}

TEST(RecentMenu, FileInTheDataFolderShowsBare) {
  EXPECT_EQ(RecentMenuText(0, "C:\\Tidewell\\Anna.twd", "C:\\Tidewell\\"), "&1 Anna.twd");
  // Only exactly that folder: a subfolder or another case shows the full name.
  EXPECT_EQ(RecentMenuText(1, "C:\\Tidewell\\x\\A.twd", "C:\\Tidewell\\"), "&2 C:\\Tidewell\\x\\A.twd");
  EXPECT_EQ(RecentMenuText(1, "c:\\tidewell\\A.twd", "C:\\Tidewell\\"), "&2 c:\\tidewell\\A.twd");
  // A drive-relative name splits after the colon.
  EXPECT_EQ(RecentMenuText(2, "D:A.twd", "D:"), "&3 A.twd");
  EXPECT_EQ(RecentMenuText(7, "", "C:\\"), "&8 ");
}

TEST(RecentMenu, LongNamesKeepTheirTailFromABackslash) {
  const std::string dir = "C:\\Tidewell\\";
  // 30 characters exactly stay whole.
  const std::string n30 = "C:\\abcdefghij\\klmnopqrs.twd";  // "&1 " + 27
  ASSERT_EQ(3 + n30.size(), 30u);
  EXPECT_EQ(RecentMenuText(0, n30, dir), "&1 " + n30);
  // One more character and it is shortened.
  EXPECT_EQ(RecentMenuText(0, "C:\\abcdefghijk\\klmnopqrs.twd", dir), "&1 ...\\klmnopqrs.twd");
  const std::string longName = "C:\\Eigene Dateien\\Personen\\Familie\\Anna.twd";
  const std::string t = RecentMenuText(3, longName, dir);
  EXPECT_EQ(t, "&4 ...\\Familie\\Anna.twd");
  // The backslash must lie among the last 24 characters of the whole text.
  const std::string text = "&4 " + longName;
  EXPECT_GE(text.find("\\Familie"), text.size() - 24);
  // Without a backslash there, the long name stays whole.
  const std::string noSlash = "C:\\" + std::string(40, 'n') + ".twd";
  EXPECT_EQ(RecentMenuText(0, noSlash, dir), "&1 " + noSlash);
  // A two-digit-free ninth index is never asked for; index 7 gives "&8".
  EXPECT_EQ(RecentMenuText(7, longName, dir).substr(0, 6), "&8 ...");
}

}  // namespace
}  // namespace tw
