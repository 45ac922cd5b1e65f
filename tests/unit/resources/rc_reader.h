// A small reader for the subset of resource-script syntax that Tw-L.rc uses
// (one STRINGTABLE, MENU blocks with POPUP and MENUITEM), plus the id header and
// the message argument table. Texts are converted to the CP1252 bytes the program sees.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tw::test {

std::string readFile(const std::string& path);

// UTF-8 to CP1252; nullopt when a character has no CP1252 byte.
std::optional<std::string> utf8ToCp1252(const std::string& utf8);

struct MenuNode {
  bool popup = false;
  bool separator = false;
  int id = 0;
  std::string text;  // CP1252, escapes resolved
  std::vector<MenuNode> children;
};

struct RcFile {
  std::map<int, std::string> strings;  // id -> CP1252 text
  std::map<int, MenuNode> menus;       // menu id -> root (children = top-level entries)
  std::vector<std::string> errors;     // syntax problems, duplicates, bad characters
};

RcFile parseRc(const std::string& text);

std::map<std::string, long> parseDefines(const std::string& text);

struct MessageSpec {
  std::vector<char> args;     // 'd', 'c', 's'
  std::vector<int> argMax;    // longest text of each argument
  int maxLength = 127;
};

// Returns id -> spec; problems go to errors.
std::map<int, MessageSpec> parseMessageArgs(const std::string& text,
                                            std::vector<std::string>& errors);

// The placeholders of a wvsprintf format, as 'd', 'c' or 's'; '?' for one that
// wvsprintf would not understand.
std::vector<char> placeholders(const std::string& format);

// Length of the format's fixed text (placeholders removed, "%%" counted once).
int fixedLength(const std::string& format);

}  // namespace tw::test
