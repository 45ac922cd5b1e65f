#include "view_test_util.h"

#include <gtest/gtest.h>

#include <cctype>

#include "../resources/rc_reader.h"

namespace tw::viewtest {

const std::map<int, std::string>& Messages() {
  static const std::map<int, std::string> strings =
      test::parseRc(test::readFile(std::string(TW_SOURCE_DIR) + "/resources/lang/de/Tw-L.rc")).strings;
  return strings;
}

MessageLookup Lookup() {
  return [](int id) {
    auto it = Messages().find(id);
    return it == Messages().end() ? std::string() : it->second;
  };
}

CellContext ScreenContext() {
  CellContext c;
  c.message = Lookup();
  c.dates.locale = LocaleValues{};
  c.dates.display.showDayOfWeek = true;
  c.dates.display.showYear = true;
  c.dates.display.show2DigitYear = true;
  c.dates.display.showDate2Lines = false;
  return c;
}

namespace {

// Skips a whole group starting at rtf[i] == '{'; returns the index after its '}'.
size_t SkipGroup(const std::string& rtf, size_t i) {
  int depth = 0;
  for (; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
      continue;
    }
    if (rtf[i] == '{') ++depth;
    if (rtf[i] == '}' && --depth == 0) return i + 1;
  }
  return i;
}

// Reads a control word at rtf[i] == '\\'; returns its name (or the escaped character) and
// moves i past it and its delimiting blank.
std::string ReadControl(const std::string& rtf, size_t& i) {
  ++i;
  if (i >= rtf.size()) return {};
  if (!std::isalpha(static_cast<unsigned char>(rtf[i]))) {
    if (rtf[i] == '\'' && i + 2 < rtf.size()) {
      const std::string hex = rtf.substr(i + 1, 2);
      i += 3;
      return std::string(1, static_cast<char>(std::stoi(hex, nullptr, 16))) + "\x01";
    }
    return std::string(1, rtf[i++]) + "\x01";  // an escaped character
  }
  size_t start = i;
  while (i < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i]))) ++i;
  while (i < rtf.size() && (std::isdigit(static_cast<unsigned char>(rtf[i])) || rtf[i] == '-')) ++i;
  std::string word = rtf.substr(start, i - start);
  if (i < rtf.size() && rtf[i] == ' ') ++i;
  return word;
}

template <class F>
void Walk(const std::string& rtf, F&& onChar) {
  int font = 1;
  for (size_t i = 0; i < rtf.size();) {
    const char c = rtf[i];
    if (c == '{') {
      if (rtf.compare(i, 9, "{\\fonttbl") == 0 || rtf.compare(i, 10, "{\\colortbl") == 0) {
        i = SkipGroup(rtf, i);
      } else {
        ++i;
      }
      continue;
    }
    if (c == '}') {
      ++i;
      continue;
    }
    if (c == '\\') {
      std::string w = ReadControl(rtf, i);
      if (w.size() == 2 && w[1] == '\x01') {
        onChar(w[0], font);
      } else if (w == "par") {
        onChar('\n', font);
      } else if (w == "tab") {
        onChar('\t', font);
      } else if (w.rfind("f", 0) == 0 && w.size() > 1 && std::isdigit(static_cast<unsigned char>(w[1]))) {
        font = std::stoi(w.substr(1));
      }
      continue;
    }
    if (c != '\r' && c != '\n') onChar(c, font);
    ++i;
  }
}

}  // namespace

std::string Plain(const std::string& rtf) {
  std::string out;
  Walk(rtf, [&](char c, int) { out += c; });
  return out;
}

std::string SymbolRuns(const std::string& rtf) {
  std::string out;
  Walk(rtf, [&](char c, int font) {
    if (font == 2) out += c;
  });
  return out;
}

DayNumber Day(int y, int m, int d) { return DayFromDate(y, m, d); }

ShippedData::ShippedData() {
  EXPECT_TRUE(moon.Open(kData));
  special.Load(kData);
  EXPECT_TRUE(LoadRecoTable(kData, reco, sink));
  EXPECT_TRUE(LoadRecoSelTable(kData, reco, sink));
  eval = std::make_unique<RecoEvaluator>(reco, moon, sink);
  eval->specialDays = &special;
  eval->settings.showHoliday = true;
}

ShippedData& Shipped() {
  static ShippedData data;
  return data;
}

}  // namespace tw::viewtest
