#include "reco/reco_export.h"

#include <gtest/gtest.h>

#include "reco_test_util.h"

namespace tw {
namespace {

using testing::MakeReco;

const std::array<std::string, 3> kLabels = {"Pflanzen/Tiere", "Gesundheit", "Allgemein"};

TEST(RecoExport, GroupsIndentMembersEmptyCategoriesStayAndDisplayOrderRules) {
  RecoTables t;
  t.Occupy(4, MakeReco("Zwiebeln stecken", 1));
  t.Occupy(1, MakeReco("Aussaat", 1, -40));
  t.Occupy(2, MakeReco("M\xF6hren", 1, 40));
  t.Occupy(3, MakeReco("Bohnen", 1, 40));
  t.Occupy(5, MakeReco("", 3));
  t.Occupy(6, MakeReco("verwaist", 2, 99));  // has no header: not listed, as in the tree
  EXPECT_EQ(RecoExportText(t, kLabels),
            "Pflanzen/Tiere\r\n"
            "   Aussaat\r\n"
            "      Bohnen\r\n"
            "      M\xF6hren\r\n"
            "   Zwiebeln stecken\r\n"
            "Gesundheit\r\n"
            "Allgemein\r\n"
            "   \r\n");
}

TEST(RecoExport, LongCategoryLabelsAreCut) {
  RecoTables t;
  std::array<std::string, 3> labels = {std::string(60, 'x'), "b", "c"};
  EXPECT_EQ(RecoExportText(t, labels).substr(0, 43), std::string(41, 'x') + "\r\n");
}

TEST(RecoExport, ShorterListingReplacesALongerOne) {
  testing::TempDir dir("export");
  const std::string path = dir.dir() + "Reco.txt";
  RecoTables t;
  for (int n = 0; n < 30; ++n) t.Occupy(n, MakeReco("Eine lange Empfehlung", 1));
  ASSERT_TRUE(ExportRecoTxt(path, t, kLabels));
  RecoTables empty;
  ASSERT_TRUE(ExportRecoTxt(path, empty, kLabels));
  std::vector<uint8_t> bytes = testing::ReadAll(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), RecoExportText(empty, kLabels));
  EXPECT_FALSE(ExportRecoTxt(dir.dir() + "fehlt/Reco.txt", t, kLabels));
}

}  // namespace
}  // namespace tw
