// Checks the resource library's script against the message table and the id header:
// every text the program loads exists, its placeholders match what the callers pass,
// it fits the caller's buffer, and the menus carry the commands the frame routes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "rc_reader.h"

namespace tw::test {
namespace {

const std::string kRoot = TW_SOURCE_DIR;

struct Library {
  RcFile rc;
  std::map<int, MessageSpec> table;
  std::vector<std::string> tableErrors;
  std::map<std::string, long> ids;
};

const Library& library() {
  static const Library lib = [] {
    Library l;
    l.rc = parseRc(readFile(kRoot + "/resources/lang/de/Tw-L.rc"));
    l.table = parseMessageArgs(readFile(kRoot + "/resources/lang/message_args.txt"),
                               l.tableErrors);
    l.ids = parseDefines(readFile(kRoot + "/resources/tw_ids.h"));
    return l;
  }();
  return lib;
}

// The toolbar's commands; each needs its tooltip under its own number.
const int kToolbarCommands[] = {7100, 7101, 7102, 7104, 7204, 7210, 7219, 7211,
                                7212, 7213, 7203, 7206, 7207, 7400, 7402};

std::vector<int> commandIds(const MenuNode& node) {
  std::vector<int> out;
  for (const MenuNode& c : node.children) {
    if (c.popup) {
      auto inner = commandIds(c);
      out.insert(out.end(), inner.begin(), inner.end());
    } else if (!c.separator) {
      out.push_back(c.id);
    }
  }
  return out;
}

// The mnemonic letter of a menu text (the character after a single '&'), lower-cased.
char mnemonic(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '&') {
      if (text[i + 1] == '&') {
        ++i;
        continue;
      }
      return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
    }
  }
  return 0;
}

void checkMnemonics(const MenuNode& node, const std::string& path) {
  std::set<char> seen;
  for (const MenuNode& c : node.children) {
    if (c.separator) continue;
    char m = mnemonic(c.text);
    if (m) {
      EXPECT_TRUE(seen.insert(m).second) << path << ": mnemonic '" << m << "' twice, at " << c.text;
    }
    if (c.popup) checkMnemonics(c, path + " > " + c.text);
  }
}

TEST(ResourceScript, ParsesWithoutProblems) {
  const Library& lib = library();
  for (const auto& e : lib.rc.errors) ADD_FAILURE() << e;
  for (const auto& e : lib.tableErrors) ADD_FAILURE() << e;
  EXPECT_GT(lib.rc.strings.size(), 300u);
  EXPECT_GT(lib.table.size(), 300u);
}

TEST(ResourceScript, EveryLoadedTextExistsAndNoStrayOnes) {
  const Library& lib = library();
  for (const auto& [id, spec] : lib.table)
    EXPECT_TRUE(lib.rc.strings.count(id)) << "message " << id << " missing from Tw-L.rc";
  std::set<int> tooltips(std::begin(kToolbarCommands), std::end(kToolbarCommands));
  for (const auto& [id, text] : lib.rc.strings) {
    EXPECT_TRUE(lib.table.count(id) || tooltips.count(id))
        << "string " << id << " is neither in message_args.txt nor a tooltip";
    EXPECT_FALSE(text.empty()) << "string " << id << " is empty";
  }
}

TEST(ResourceScript, PlaceholdersMatchTheCallersArguments) {
  const Library& lib = library();
  for (const auto& [id, spec] : lib.table) {
    auto it = lib.rc.strings.find(id);
    if (it == lib.rc.strings.end()) continue;
    std::vector<char> found = placeholders(it->second);
    EXPECT_EQ(std::string(found.begin(), found.end()),
              std::string(spec.args.begin(), spec.args.end()))
        << "message " << id << ": \"" << it->second << "\"";
  }
}

TEST(ResourceScript, TextsFitTheirBuffers) {
  const Library& lib = library();
  for (const auto& [id, spec] : lib.table) {
    auto it = lib.rc.strings.find(id);
    if (it == lib.rc.strings.end()) continue;
    const std::string& text = it->second;
    EXPECT_LE(static_cast<int>(text.size()), spec.maxLength) << "message " << id << ": " << text;
    int result = fixedLength(text);
    for (int m : spec.argMax) result += m;
    EXPECT_LE(result, 299) << "message " << id << " can format to " << result << " characters";
  }
  // Limits that callers state outright.
  EXPECT_LE(lib.rc.strings.at(3013).size(), 15u);
  EXPECT_LE(lib.rc.strings.at(4000).size(), 7u);
  EXPECT_LE(lib.rc.strings.at(4003).size(), 31u);
  EXPECT_LE(lib.rc.strings.at(4438).size(), 63u);
  for (int page : {3100, 3101, 3102, 3103, 3104, 3161, 4020, 4100, 3250, 4300, 4301, 4302,
                   4212, 4213, 4214, 4215})
    EXPECT_LE(lib.rc.strings.at(page).size(), 31u) << "page title " << page;
}

TEST(ResourceScript, SpecialTexts) {
  const Library& lib = library();
  EXPECT_EQ(lib.rc.strings.at(3013), "Tidewell");
  // The program turns every separator into NUL, so the filter must end with one and
  // come in pairs of description and pattern.
  const std::string& filter = lib.rc.strings.at(4132);
  ASSERT_FALSE(filter.empty());
  char sep = filter.back();
  EXPECT_EQ(std::count(filter.begin(), filter.end(), sep) % 2, 0) << filter;
  EXPECT_NE(filter.find("*.twd"), std::string::npos);
  // Umlauts arrive as single CP1252 bytes.
  EXPECT_EQ(lib.rc.strings.at(3039), "Schlie\xdf" "en");
  EXPECT_EQ(lib.rc.strings.at(3506), "L\xf6we");
  // Zodiac names of the summary and of the conditions tree are the same words.
  for (int s = 0; s < 12; ++s) EXPECT_EQ(lib.rc.strings.at(3502 + s), lib.rc.strings.at(3615 + s));
  // Month names of the chart and of the conditions tree, likewise.
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(lib.rc.strings.at(3044 + m), lib.rc.strings.at(3658 + m));
  // Weekdays are shown by their first two characters; those must differ.
  std::set<std::string> shortDays;
  for (int w = 1; w <= 7; ++w) shortDays.insert(lib.rc.strings.at(3671 + w).substr(0, 2));
  EXPECT_EQ(shortDays.size(), 7u);
}

TEST(ResourceScript, ToolbarTooltips) {
  const Library& lib = library();
  for (int cmd : kToolbarCommands) {
    auto it = lib.rc.strings.find(cmd);
    ASSERT_NE(it, lib.rc.strings.end()) << "tooltip for command " << cmd;
    // TOOLTIPTEXTA's own buffer holds 80 characters.
    EXPECT_LE(it->second.size(), 79u) << cmd;
  }
}

TEST(ResourceMenus, MainMenuCarriesTheFrameCommands) {
  const Library& lib = library();
  ASSERT_TRUE(lib.rc.menus.count(31));
  const MenuNode& main = lib.rc.menus.at(31);
  for (const MenuNode& top : main.children) EXPECT_TRUE(top.popup) << top.text;
  ASSERT_GE(main.children.size(), 3u);
  // The MDI client appends its window list to the third popup.
  auto window = commandIds(main.children[2]);
  for (int id : {7301, 7302, 7303, 7304, 7305})
    EXPECT_NE(std::find(window.begin(), window.end(), id), window.end()) << id;
  for (int id : window) EXPECT_TRUE(id >= 7301 && id <= 7305) << "stray item " << id;

  auto all = commandIds(main);
  std::set<int> unique(all.begin(), all.end());
  EXPECT_EQ(unique.size(), all.size()) << "a command appears twice in the main menu";
  for (int id : {7100, 7101, 7102, 7103, 7104, 7105, 7200, 7201, 7202, 7203, 7204, 7205, 7206,
                 7207, 7210, 7211, 7212, 7213, 7214, 7215, 7216, 7217, 7218, 7219, 7400, 7401,
                 7402, 7403, 7404, 7405})
    EXPECT_TRUE(unique.count(id)) << "command " << id << " missing";
  for (int id : all)
    EXPECT_TRUE((id >= 7100 && id <= 7113) || (id >= 7200 && id <= 7219) ||
                (id >= 7301 && id <= 7305) || (id >= 7400 && id <= 7405) || id == 7496)
        << "command " << id << " is not routed by the frame";
}

TEST(ResourceMenus, RecentFileItemsAreConsecutiveInTheFileMenu) {
  const MenuNode& file = library().rc.menus.at(31).children.at(0);
  std::vector<int> recent;
  for (const MenuNode& c : file.children)
    if (c.id >= 7106 && c.id <= 7113) recent.push_back(c.id);
  ASSERT_EQ(recent.size(), 8u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(recent[i], 7106 + i);
}

TEST(ResourceMenus, ContextMenus) {
  const Library& lib = library();
  struct Need {
    int menu;
    std::vector<int> ids;
  };
  const Need needs[] = {
      {33, {7219, 7211, 7212, 7213, 7206, 7207}},
      {34, {}},
      {35, {7500, 7501, 7502, 7503, 7504, 7505}},
  };
  for (const Need& n : needs) {
    ASSERT_TRUE(lib.rc.menus.count(n.menu)) << "menu " << n.menu;
    const MenuNode& m = lib.rc.menus.at(n.menu);
    // Shown through the first popup.
    ASSERT_FALSE(m.children.empty());
    ASSERT_TRUE(m.children[0].popup) << "menu " << n.menu;
    auto ids = commandIds(m.children[0]);
    EXPECT_FALSE(ids.empty());
    for (int id : n.ids)
      EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end())
          << "menu " << n.menu << " lacks " << id;
  }
}

TEST(ResourceMenus, MnemonicsAreUniqueOnEachLevel) {
  for (const auto& [id, menu] : library().rc.menus) {
    checkMnemonics(menu, "menu " + std::to_string(id));
    // Every command item can be reached by keyboard.
    std::vector<const MenuNode*> stack{&menu};
    while (!stack.empty()) {
      const MenuNode* n = stack.back();
      stack.pop_back();
      for (const MenuNode& c : n->children) {
        if (c.popup) stack.push_back(&c);
        if (!c.separator && id == 31) {
          EXPECT_NE(mnemonic(c.text), 0) << c.text;
        }
      }
    }
  }
}

TEST(ResourceIds, HeaderAgreesWithTheLibrary) {
  const Library& lib = library();
  ASSERT_GT(lib.ids.size(), 100u);
  for (const auto& [name, value] : lib.ids) {
    if (name.rfind("TWM_", 0) == 0) {
      EXPECT_TRUE(lib.rc.strings.count(value)) << name << " = " << value << " has no text";
      EXPECT_TRUE(lib.table.count(value)) << name << " = " << value << " not in message_args.txt";
    }
    if (name.rfind("IDR_", 0) == 0) {
      EXPECT_TRUE(lib.rc.menus.count(value)) << name;
    }
  }
}

// The reader itself: a wrong reading would make every check above meaningless.
TEST(RcReader, PlaceholdersAsWvsprintfReadsThem) {
  EXPECT_EQ(placeholders("%d of %s, %c"), (std::vector<char>{'d', 's', 'c'}));
  EXPECT_EQ(placeholders("100%% %ld %-5lu %08lX %.3s"), (std::vector<char>{'d', 'd', 'd', 's'}));
  EXPECT_EQ(placeholders("%f"), (std::vector<char>{'?'}));
  EXPECT_EQ(placeholders("no args"), std::vector<char>{});
  EXPECT_EQ(fixedLength("Seite %d"), 6);
  EXPECT_EQ(fixedLength("%d%%"), 1);
}

TEST(RcReader, ParsesStringsMenusAndEscapes) {
  RcFile rc = parseRc(
      "#include <windows.h>\n// comment\nSTRINGTABLE\nBEGIN\n  10, \"a\"\"b\\tc\"\n"
      "  11 \"\xc3\xa4\xe2\x80\x93\"\nEND\n"
      "5 MENU\nBEGIN\n POPUP \"&X\"\n BEGIN\n  MENUITEM \"&Y\", 7\n  MENUITEM SEPARATOR\n"
      " END\nEND\n");
  EXPECT_TRUE(rc.errors.empty());
  EXPECT_EQ(rc.strings.at(10), "a\"b\tc");
  EXPECT_EQ(rc.strings.at(11), "\xe4\x96");
  ASSERT_EQ(rc.menus.at(5).children.size(), 1u);
  EXPECT_EQ(rc.menus.at(5).children[0].children[0].id, 7);
  EXPECT_TRUE(rc.menus.at(5).children[0].children[1].separator);

  RcFile bad = parseRc("STRINGTABLE\nBEGIN\n 1, \"\xe2\x82\xbd\"\n 1, \"x\"\nEND\n");
  EXPECT_EQ(bad.errors.size(), 2u);  // rouble sign has no CP1252 byte; id twice
}

TEST(RcReader, MessageTableRangesAndLimits) {
  std::vector<std::string> errors;
  auto t = parseMessageArgs("# c\n10..12 d s:255 max=31\n13\n13\n", errors);
  EXPECT_EQ(errors.size(), 1u);
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t.at(11).args, (std::vector<char>{'d', 's'}));
  EXPECT_EQ(t.at(11).argMax, (std::vector<int>{11, 255}));
  EXPECT_EQ(t.at(12).maxLength, 31);
  EXPECT_EQ(t.at(13).maxLength, 127);
}

}  // namespace
}  // namespace tw::test
