#include "rc_reader.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace tw::test {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::optional<std::string> utf8ToCp1252(const std::string& utf8) {
  // CP1252's 0x80..0x9F; 0 marks the five unassigned bytes.
  static const unsigned short k80[32] = {
      0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
      0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = utf8[i];
    unsigned cp;
    int len;
    if (c < 0x80) {
      cp = c;
      len = 1;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      len = 2;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      len = 3;
    } else {
      return std::nullopt;
    }
    if (i + len > utf8.size()) return std::nullopt;
    for (int k = 1; k < len; ++k) {
      unsigned char t = utf8[i + k];
      if ((t & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (t & 0x3F);
    }
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    bool found = false;
    for (int k = 0; k < 32; ++k) {
      if (k80[k] != 0 && k80[k] == cp) {
        out += static_cast<char>(0x80 + k);
        found = true;
        break;
      }
    }
    if (!found) return std::nullopt;
  }
  return out;
}

namespace {

struct Lexer {
  const std::string& s;
  size_t pos = 0;
  int line = 1;

  void skipSpace() {
    for (;;) {
      while (pos < s.size() && std::isspace(static_cast<unsigned char>(s[pos]))) {
        if (s[pos] == '\n') ++line;
        ++pos;
      }
      if (s.compare(pos, 2, "//") == 0) {
        while (pos < s.size() && s[pos] != '\n') ++pos;
      } else if (s.compare(pos, 2, "/*") == 0) {
        size_t end = s.find("*/", pos + 2);
        for (size_t k = pos; k < std::min(end, s.size()); ++k)
          if (s[k] == '\n') ++line;
        pos = end == std::string::npos ? s.size() : end + 2;
      } else if (pos < s.size() && s[pos] == '#') {  // preprocessor line
        while (pos < s.size() && s[pos] != '\n') ++pos;
      } else {
        return;
      }
    }
  }
  bool atEnd() {
    skipSpace();
    return pos >= s.size();
  }
  // A word, a number, a quoted string (returned with its quotes) or one punctuation mark.
  std::string next() {
    skipSpace();
    if (pos >= s.size()) return {};
    size_t start = pos;
    if (s[pos] == '"') {
      ++pos;
      for (;;) {
        if (pos >= s.size()) break;
        if (s[pos] == '"') {
          if (pos + 1 < s.size() && s[pos + 1] == '"') {
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        if (s[pos] == '\\' && pos + 1 < s.size()) ++pos;
        if (s[pos] == '\n') ++line;
        ++pos;
      }
      return s.substr(start, pos - start);
    }
    if (std::isalnum(static_cast<unsigned char>(s[pos])) || s[pos] == '_') {
      while (pos < s.size() &&
             (std::isalnum(static_cast<unsigned char>(s[pos])) || s[pos] == '_'))
        ++pos;
      return s.substr(start, pos - start);
    }
    ++pos;
    return s.substr(start, 1);
  }
  std::string peek() {
    size_t p = pos;
    int l = line;
    std::string t = next();
    pos = p;
    line = l;
    return t;
  }
};

bool isNumber(const std::string& t) {
  if (t.empty()) return false;
  for (char c : t)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// Resolves the escapes windres knows in a quoted string and converts it to CP1252.
std::optional<std::string> unquote(const std::string& quoted, std::string& problem) {
  std::string raw;
  for (size_t i = 1; i + 1 < quoted.size(); ++i) {
    char c = quoted[i];
    if (c == '"' && quoted[i + 1] == '"') {
      raw += '"';
      ++i;
    } else if (c == '\\') {
      char e = quoted[++i];
      switch (e) {
        case 't': raw += '\t'; break;
        case 'n': raw += '\n'; break;
        case 'r': raw += '\r'; break;
        case 'a': raw += '\b'; break;
        case '\\': raw += '\\'; break;
        case '"': raw += '"'; break;
        default:
          problem = std::string("unknown escape \\") + e;
          return std::nullopt;
      }
    } else {
      raw += c;
    }
  }
  auto cp = utf8ToCp1252(raw);
  if (!cp) problem = "text has characters outside CP1252: " + raw;
  return cp;
}

std::string where(const Lexer& lx) { return "line " + std::to_string(lx.line) + ": "; }

bool parseMenuBody(Lexer& lx, MenuNode& parent, std::vector<std::string>& errors) {
  if (lx.next() != "BEGIN") {
    errors.push_back(where(lx) + "BEGIN expected in menu");
    return false;
  }
  for (;;) {
    std::string t = lx.next();
    if (t == "END") return true;
    if (t.empty()) {
      errors.push_back(where(lx) + "menu not closed");
      return false;
    }
    MenuNode node;
    if (t == "POPUP") {
      node.popup = true;
      std::string problem;
      auto text = unquote(lx.next(), problem);
      if (!text) errors.push_back(where(lx) + problem);
      node.text = text.value_or("");
      if (!parseMenuBody(lx, node, errors)) return false;
    } else if (t == "MENUITEM") {
      std::string q = lx.next();
      if (q == "SEPARATOR") {
        node.separator = true;
      } else {
        std::string problem;
        auto text = unquote(q, problem);
        if (!text) errors.push_back(where(lx) + problem);
        node.text = text.value_or("");
        if (lx.next() != ",") errors.push_back(where(lx) + "comma expected after item text");
        std::string id = lx.next();
        if (!isNumber(id)) errors.push_back(where(lx) + "numeric item id expected, got " + id);
        else node.id = std::stoi(id);
        // Options such as CHECKED or GRAYED are not used in the library.
        if (lx.peek() == ",") errors.push_back(where(lx) + "item options are not expected");
      }
    } else {
      errors.push_back(where(lx) + "unexpected " + t + " in menu");
      return false;
    }
    parent.children.push_back(std::move(node));
  }
}

}  // namespace

RcFile parseRc(const std::string& text) {
  RcFile rc;
  Lexer lx{text};
  while (!lx.atEnd()) {
    std::string t = lx.next();
    if (t == "STRINGTABLE") {
      if (lx.next() != "BEGIN") {
        rc.errors.push_back(where(lx) + "BEGIN expected after STRINGTABLE");
        return rc;
      }
      for (;;) {
        std::string id = lx.next();
        if (id == "END") break;
        if (!isNumber(id)) {
          rc.errors.push_back(where(lx) + "string id expected, got " + id);
          return rc;
        }
        std::string q = lx.next();
        if (q == ",") q = lx.next();
        if (q.empty() || q[0] != '"') {
          rc.errors.push_back(where(lx) + "string expected for " + id);
          return rc;
        }
        std::string problem;
        auto value = unquote(q, problem);
        if (!value) rc.errors.push_back(where(lx) + id + ": " + problem);
        int n = std::stoi(id);
        if (rc.strings.count(n)) rc.errors.push_back(where(lx) + "string " + id + " defined twice");
        rc.strings[n] = value.value_or("");
      }
    } else if (isNumber(t) && lx.peek() == "MENU") {
      lx.next();
      int id = std::stoi(t);
      MenuNode root;
      root.popup = true;
      if (!parseMenuBody(lx, root, rc.errors)) return rc;
      if (rc.menus.count(id)) rc.errors.push_back("menu " + t + " defined twice");
      rc.menus[id] = std::move(root);
    } else {
      rc.errors.push_back(where(lx) + "unexpected " + t);
      return rc;
    }
  }
  return rc;
}

std::map<std::string, long> parseDefines(const std::string& text) {
  std::map<std::string, long> out;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream ls(line);
    std::string hash, name, value;
    ls >> hash >> name >> value;
    if (hash == "#define" && !value.empty() && std::isdigit(static_cast<unsigned char>(value[0])))
      out[name] = std::stol(value, nullptr, 0);
  }
  return out;
}

std::map<int, MessageSpec> parseMessageArgs(const std::string& text,
                                            std::vector<std::string>& errors) {
  std::map<int, MessageSpec> out;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t hash = line.find('#');
    if (hash != std::string::npos) line.resize(hash);
    std::istringstream ls(line);
    std::string range;
    if (!(ls >> range)) continue;
    std::string prefix = "message_args.txt line " + std::to_string(lineNo) + ": ";
    int first = 0, last = 0;
    size_t dots = range.find("..");
    try {
      first = std::stoi(range.substr(0, dots));
      last = dots == std::string::npos ? first : std::stoi(range.substr(dots + 2));
    } catch (...) {
      errors.push_back(prefix + "bad id " + range);
      continue;
    }
    if (last < first) errors.push_back(prefix + "empty range " + range);
    MessageSpec spec;
    std::string tok;
    while (ls >> tok) {
      if (tok.rfind("max=", 0) == 0) {
        spec.maxLength = std::stoi(tok.substr(4));
      } else if (tok == "d" || tok == "c") {
        spec.args.push_back(tok[0]);
        spec.argMax.push_back(tok == "d" ? 11 : 1);
      } else if (tok == "s" || tok.rfind("s:", 0) == 0) {
        spec.args.push_back('s');
        spec.argMax.push_back(tok == "s" ? 63 : std::stoi(tok.substr(2)));
      } else {
        errors.push_back(prefix + "unknown token " + tok);
      }
    }
    for (int id = first; id <= last; ++id) {
      if (out.count(id)) errors.push_back(prefix + "id " + std::to_string(id) + " listed twice");
      out[id] = spec;
    }
  }
  return out;
}

namespace {

// Walks the placeholders the way wvsprintf reads them: %[-][#][0][width][.prec][l|h]type.
template <typename F>
void walkFormat(const std::string& f, F&& onPlaceholder, int& fixed) {
  fixed = 0;
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] != '%') {
      ++fixed;
      continue;
    }
    size_t j = i + 1;
    if (j < f.size() && f[j] == '%') {
      ++fixed;
      i = j;
      continue;
    }
    while (j < f.size() && (f[j] == '-' || f[j] == '#' || f[j] == '0')) ++j;
    while (j < f.size() && std::isdigit(static_cast<unsigned char>(f[j]))) ++j;
    if (j < f.size() && f[j] == '.') {
      ++j;
      while (j < f.size() && std::isdigit(static_cast<unsigned char>(f[j]))) ++j;
    }
    if (j < f.size() && (f[j] == 'l' || f[j] == 'h')) ++j;
    char type = j < f.size() ? f[j] : '\0';
    char kind = '?';
    switch (type) {
      case 'd': case 'i': case 'u': case 'x': case 'X': kind = 'd'; break;
      case 'c': case 'C': kind = 'c'; break;
      case 's': case 'S': kind = 's'; break;
      default: break;
    }
    onPlaceholder(kind);
    i = j < f.size() ? j : f.size();
  }
}

}  // namespace

std::vector<char> placeholders(const std::string& format) {
  std::vector<char> out;
  int fixed;
  walkFormat(format, [&](char k) { out.push_back(k); }, fixed);
  return out;
}

int fixedLength(const std::string& format) {
  int fixed;
  walkFormat(format, [](char) {}, fixed);
  return fixed;
}

}  // namespace tw::test
