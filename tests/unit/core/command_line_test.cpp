#include <gtest/gtest.h>

#include "core/command_line.h"

namespace tw {
namespace {

TEST(CommandLine, NumbersOtherThanZeroAreNoFileName) {
  EXPECT_EQ(CommandLineFileName("5"), "");
  EXPECT_EQ(CommandLineFileName("-12 abc"), "");
  EXPECT_EQ(CommandLineFileName("0"), "0");
  EXPECT_EQ(CommandLineFileName("2024 Plan.twd"), "");
  EXPECT_EQ(CommandLineFileName("a5.twd"), "a5.twd");
}

TEST(CommandLine, QuotesAndBlanksAroundTheNameGo) {
  EXPECT_EQ(CommandLineFileName("\"C:\\Eigene Dateien\\Erika Muster.twd\""), "C:\\Eigene Dateien\\Erika Muster.twd");
  EXPECT_EQ(CommandLineFileName("  C:\\a.twd  "), "C:\\a.twd");
  EXPECT_EQ(CommandLineFileName("\""), "\"");  // a lone quote is left as typed
  EXPECT_EQ(CommandLineFileName(""), "");
  EXPECT_EQ(CommandLineFileName("   "), "");
  EXPECT_EQ(CommandLineFileName(nullptr), "");
}

TEST(CommandLine, LongNamesArePassedOnWhole) {
  std::string name(300, 'x');
  EXPECT_EQ(CommandLineFileName(name.c_str()).size(), 300u);
}

}  // namespace
}  // namespace tw
