#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "core/help_map.h"

namespace tw {
namespace {

std::string ReadHelpPage(const std::string& page) {
  std::ifstream in(std::string(TW_SOURCE_DIR) + "/data/help/" + page, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Every context number the program passes: menu commands in context-help mode (the
// recent files and the window list share 7106 and 7310), the two person window topics,
// the help buttons of the dialogs and property pages, and the controls of the dialogs
// that answer the help key with a context table.
std::vector<uint32_t> NumbersTheProgramPasses() {
  std::vector<uint32_t> n = {7100, 7101, 7102, 7103, 7104, 7105, 7106, 7200, 7201, 7202, 7203, 7204,
                             7205, 7206, 7207, 7210, 7211, 7212, 7213, 7214, 7215, 7216, 7217, 7218,
                             7219, 7301, 7302, 7303, 7304, 7305, 7310, 7401, 7402, 7403, 7404, 7405,
                             7496, 7499, 7500, 7501};
  for (uint32_t t = 8001; t <= 8028; ++t) n.push_back(t);
  for (uint32_t t : {8032u, 8034u, 1900u, 1901u, 1902u, 1903u, 9040u, 9041u, 9042u, 9100u, 9101u, 9102u,
                     9103u, 9104u, 9120u, 9121u, 9470u})
    n.push_back(t);
  return n;
}

TEST(HelpMap, EveryNumberLandsOnAnExistingAnchorWithAShortText) {
  for (uint32_t context : NumbersTheProgramPasses()) {
    const char* page = HelpPageFor(context);
    ASSERT_NE(page, nullptr) << context;
    std::string html = ReadHelpPage(page);
    ASSERT_FALSE(html.empty()) << page;
    std::string anchor = HelpAnchor(context);
    EXPECT_TRUE(HelpHasAnchor(html, anchor)) << page << "#" << anchor;
    std::string text = HelpSummary(html, anchor);
    EXPECT_GE(text.size(), 20u) << context << ": " << text;
    EXPECT_LE(text.size(), 299u) << context << " too long for a message box";
  }
}

TEST(HelpMap, TableIsSortedAndEveryAnchorIsUnique) {
  auto topics = HelpTopics();
  for (size_t i = 1; i < topics.size(); ++i) EXPECT_LT(topics[i - 1].context, topics[i].context);
  // Each number's anchor exists exactly once in the whole help set.
  for (const HelpTopic& t : topics) {
    int found = 0;
    for (const auto& e : std::filesystem::directory_iterator(std::string(TW_SOURCE_DIR) + "/data/help"))
      if (e.path().extension() == ".html" && HelpHasAnchor(ReadHelpPage(e.path().filename().string()), HelpAnchor(t.context)))
        ++found;
    EXPECT_EQ(found, 1) << t.context;
  }
  EXPECT_EQ(HelpPageFor(7107), nullptr) << "recent files map through their popup number";
  EXPECT_EQ(HelpPageFor(0), nullptr);
  EXPECT_EQ(HelpPageFor(99999), nullptr);
}

TEST(HelpMap, LinksBetweenPagesReachExistingPagesAndAnchors) {
  std::regex href("href=\"([^\"#]+)(#([^\"]+))?\"");
  std::set<std::string> linkedFromIndex;
  for (const auto& e : std::filesystem::directory_iterator(std::string(TW_SOURCE_DIR) + "/data/help")) {
    if (e.path().extension() != ".html") continue;
    std::string name = e.path().filename().string();
    std::string html = ReadHelpPage(name);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << name;
    for (std::sregex_iterator it(html.begin(), html.end(), href), end; it != end; ++it) {
      std::string target = (*it)[1];
      std::string linked = ReadHelpPage(target);
      EXPECT_FALSE(linked.empty()) << name << " links to missing " << target;
      if ((*it)[3].matched) {
        EXPECT_TRUE(HelpHasAnchor(linked, (*it)[3].str())) << name << " -> " << target;
      }
      if (name == kHelpIndexPage) linkedFromIndex.insert(target);
    }
  }
  for (const HelpTopic& t : HelpTopics()) EXPECT_TRUE(linkedFromIndex.count(t.page)) << t.page << " not in the index";
  EXPECT_FALSE(ReadHelpPage(kHelpOnHelpPage).empty());
}

TEST(HelpMap, PopupNumbersOfSharedMenuItems) {
  EXPECT_EQ(HelpPopupContext(7106), 7106u);
  EXPECT_EQ(HelpPopupContext(7113), 7106u);
  EXPECT_EQ(HelpPopupContext(7114), 7114u);
  EXPECT_EQ(HelpPopupContext(7310), 7310u);
  EXPECT_EQ(HelpPopupContext(7318), 7310u);
  EXPECT_EQ(HelpPopupContext(7319), 7319u);
  EXPECT_EQ(HelpPopupContext(7105), 7105u);
}

TEST(HelpSummary, TextOfTheAnchoredElementOnly) {
  std::string html =
      "<p id=\"h1\" class=\"kurz\">Erste <b>fette</b>\n   Zeile &amp; mehr</p><p id=\"h2\">Zweite</p>"
      "<dd data-id=\"h3\">falsch</dd><dd id=\"h3\">richtig</dd><div id='h4'>einfach</div>";
  EXPECT_EQ(HelpSummary(html, "h1"), "Erste fette Zeile & mehr");
  EXPECT_EQ(HelpSummary(html, "h2"), "Zweite");
  EXPECT_EQ(HelpSummary(html, "h3"), "richtig") << "data-id is not an id";
  EXPECT_EQ(HelpSummary(html, "h4"), "einfach");
  EXPECT_EQ(HelpSummary(html, "h5"), "");
  EXPECT_EQ(HelpSummary(html, "h"), "") << "a prefix of an anchor is not the anchor";
  EXPECT_EQ(HelpSummary(html, ""), "");
}

TEST(HelpSummary, Utf8AndEntitiesBecomeCp1252) {
  // "Öffnen – für „alle“ …" in UTF-8, and entities for the same letters.
  std::string html = "<p id=\"a\">\xC3\x96" "ffnen \xE2\x80\x93 f\xC3\xBCr \xE2\x80\x9E" "alle\xE2\x80\x9C "
                     "\xE2\x80\xA6 &auml;&#246;&#xFC; &euro; \xE2\x82\xAC \xE4\xB8\x80</p>";
  EXPECT_EQ(HelpSummary(html, "a"),
            "\xD6" "ffnen \x96 f\xFCr \x84" "alle\x93 \x85 \xE4\xF6\xFC &euro; \x80 ?");
  // A cut-off sequence at the end does not read past the text.
  EXPECT_EQ(HelpSummary("<p id=\"b\">x\xC3", "b"), "x?");
  // An element that is never closed runs to the end of the page.
  EXPECT_EQ(HelpSummary("<p id=\"c\">offen <i>bis", "c"), "offen bis");
}

TEST(HelpFileUrl, PathsBecomeFileUrlsWithEscapes) {
  EXPECT_EQ(HelpFileUrl("C:\\Programme\\Tidewell\\help", "index.html", ""),
            "file:///C:/Programme/Tidewell/help/index.html");
  EXPECT_EQ(HelpFileUrl("Z:\\work\\data\\help\\", "mondkalender.html", "h7501"),
            "file:///Z:/work/data/help/mondkalender.html#h7501");
  // Blanks, '#', '%' and CP1252 letters are escaped as UTF-8.
  EXPECT_EQ(HelpFileUrl("C:\\Mein Mond #1\\50%\\B\xE4r\x80", "a.html", "h1"),
            "file:///C:/Mein%20Mond%20%231/50%25/B%C3%A4r%E2%82%AC/a.html#h1");
}

// The help pages as a reader meets them: every page a help number leads to exists and
// explains its part of the program in German prose, not a stub or a placeholder, and no
// two help numbers share one copied text.
// The readable text of the page body: navigation and tags dropped, blanks collapsed.
std::string BodyText(const std::string& html) {
  std::string body = std::regex_replace(html, std::regex("<nav>[\\s\\S]*?</nav>|<head>[\\s\\S]*?</head>"), " ");
  body = std::regex_replace(body, std::regex("<[^>]*>"), " ");
  return std::regex_replace(body, std::regex("\\s+"), " ");
}

TEST(HelpPages, EveryPageAHelpNumberReachesIsRealGermanProse) {
  std::set<std::string> pages = {kHelpIndexPage, kHelpOnHelpPage};
  for (const HelpTopic& t : HelpTopics()) pages.insert(t.page);
  const std::regex placeholder("TODO|TBD|FIXME|XXX|Lorem|ipsum|Platzhalter|folgt später|Text folgt|"
                               "noch nicht beschrieben|\\?\\?\\?|\\.\\.\\.\\s*<",
                               std::regex::icase);
  // Words any German explanation of a program uses; an English or empty page has none.
  const std::regex paragraph("<p[ >]");
  const std::regex german("\\b(und|der|die|das|Sie|mit|ein|eine)\\b");
  for (const std::string& name : pages) {
    const std::string html = ReadHelpPage(name);
    ASSERT_FALSE(html.empty()) << name << " is missing or empty";
    EXPECT_NE(html.find("<html lang=\"de\">"), std::string::npos) << name;
    EXPECT_FALSE(std::regex_search(html, placeholder)) << name << " holds a placeholder";
    const std::string text = BodyText(html);
    EXPECT_GE(text.size(), 600u) << name << " says too little: " << text;
    const auto words = std::distance(std::sregex_iterator(text.begin(), text.end(), german), std::sregex_iterator());
    EXPECT_GE(words, 10) << name << " does not read as German prose";
    EXPECT_GE(std::distance(std::sregex_iterator(html.begin(), html.end(), paragraph), std::sregex_iterator()), 2)
        << name << " has fewer than two paragraphs";
  }
}

TEST(HelpPages, NoTwoHelpNumbersShareOneText) {
  std::map<std::string, uint32_t> seen;
  for (const HelpTopic& t : HelpTopics()) {
    const std::string text = HelpSummary(ReadHelpPage(t.page), HelpAnchor(t.context));
    auto [it, fresh] = seen.emplace(text, t.context);
    EXPECT_TRUE(fresh) << t.context << " repeats the text of " << it->second << ": " << text;
  }
}

}  // namespace
}  // namespace tw
