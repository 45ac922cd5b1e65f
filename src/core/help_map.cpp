#include "core/help_map.h"

#include <algorithm>
#include <cstdio>

namespace tw {

namespace {

constexpr char kWindow[] = "programmfenster.html";
constexpr char kHelp[] = "hilfe.html";
constexpr char kMoon[] = "mondkalender.html";
constexpr char kBio[] = "biorhythmus.html";
constexpr char kPersons[] = "personen.html";
constexpr char kReco[] = "empfehlungen.html";
constexpr char kSel[] = "auswahlen.html";
constexpr char kSpecial[] = "spezielle-tage.html";
constexpr char kOptions[] = "optionen.html";
constexpr char kPrint[] = "drucken.html";

// Sorted by context number: looked up by binary search.
constexpr HelpTopic kTopics[] = {
    // buttons that every dialog shares
    {1900, kHelp}, {1901, kHelp}, {1902, kHelp}, {1903, kHelp},
    // menu commands (popups in context-help mode)
    {7100, kPersons}, {7101, kPersons}, {7102, kPersons}, {7103, kPersons}, {7104, kPrint},
    {7105, kWindow}, {7106, kPersons},
    {7200, kReco}, {7201, kSel}, {7202, kPersons}, {7203, kBio}, {7204, kOptions},
    {7205, kSpecial}, {7206, kMoon}, {7207, kMoon},
    {7210, kMoon}, {7211, kBio}, {7212, kBio}, {7213, kBio}, {7214, kBio}, {7215, kBio},
    {7216, kBio}, {7217, kBio}, {7218, kWindow}, {7219, kMoon},
    {7301, kWindow}, {7302, kWindow}, {7303, kWindow}, {7304, kWindow}, {7305, kWindow},
    {7310, kWindow},
    {7401, kHelp}, {7402, kHelp}, {7403, kWindow}, {7404, kWindow}, {7405, kWindow},
    {7496, kHelp}, {7499, kHelp},
    // the two kinds of person window
    {7500, kBio}, {7501, kMoon},
    // dialogs and property pages
    {8001, kPersons}, {8002, kPersons}, {8003, kBio}, {8004, kPersons},
    {8005, kOptions}, {8006, kOptions}, {8007, kOptions}, {8008, kOptions}, {8009, kOptions},
    {8010, kOptions}, {8011, kOptions},
    {8012, kReco}, {8013, kReco}, {8014, kReco}, {8015, kSel}, {8016, kSel}, {8017, kReco},
    {8018, kSpecial},
    {8019, kPrint}, {8020, kPrint}, {8021, kPrint}, {8022, kPrint}, {8023, kPrint},
    {8024, kPrint}, {8025, kPrint},
    {8026, kReco}, {8027, kReco}, {8028, kReco},
    {8032, kOptions}, {8034, kWindow},
    // controls of the day mark popup and the person and password dialogs
    {9040, kPersons}, {9041, kPersons}, {9042, kPersons},
    {9100, kPersons}, {9101, kPersons}, {9102, kPersons}, {9103, kPersons}, {9104, kPersons},
    {9120, kPersons}, {9121, kPersons}, {9470, kPersons},
};

// CP1252 0x80..0x9F; 0 marks the five unused positions.
constexpr uint16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Cp1252FromCodePoint(uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] && kCp1252High[i] == cp) return static_cast<char>(0x80 + i);
  if (cp == 0x2212) return '-';  // minus sign
  return '?';
}

uint32_t CodePointOfCp1252(unsigned char c) {
  if (c >= 0x80 && c < 0xA0) return kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : '?';
  return c;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `i`; an invalid byte counts as one '?'.
uint32_t NextCodePoint(std::string_view s, size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i++]);
  if (c < 0x80) return c;
  int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
  if (more < 0 || c >= 0xF8) return '?';
  uint32_t cp = c & (0x3F >> more);
  for (int k = 0; k < more; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return '?';
    cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return cp;
}

struct Entity {
  const char* name;
  uint32_t cp;
};
constexpr Entity kEntities[] = {
    {"amp", '&'},     {"lt", '<'},       {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
    {"nbsp", 0xA0},   {"auml", 0xE4},    {"ouml", 0xF6},    {"uuml", 0xFC},    {"Auml", 0xC4},
    {"Ouml", 0xD6},   {"Uuml", 0xDC},    {"szlig", 0xDF},   {"ndash", 0x2013}, {"mdash", 0x2014},
    {"bdquo", 0x201E}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"hellip", 0x2026}, {"copy", 0xA9},
};

// Resolves the entity starting at `i` (after '&'); returns false when it is none we know.
bool ReadEntity(std::string_view s, size_t& i, uint32_t& cp) {
  size_t semi = s.find(';', i);
  if (semi == std::string_view::npos || semi - i > 10 || semi == i) return false;
  std::string_view name = s.substr(i, semi - i);
  if (name[0] == '#') {
    uint32_t v = 0;
    bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
    size_t k = hex ? 2 : 1;
    if (k >= name.size()) return false;
    for (; k < name.size(); ++k) {
      char c = name[k];
      int d = (c >= '0' && c <= '9') ? c - '0'
              : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
              : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
      if (d < 0 || v > 0x10FFFF) return false;
      v = v * (hex ? 16 : 10) + static_cast<uint32_t>(d);
    }
    cp = v;
  } else {
    const Entity* e = std::find_if(std::begin(kEntities), std::end(kEntities),
                                   [&](const Entity& x) { return name == x.name; });
    if (e == std::end(kEntities)) return false;
    cp = e->cp;
  }
  i = semi + 1;
  return true;
}

// Position of the '<' of the element that carries id="anchor", or npos.
size_t FindAnchorTag(std::string_view html, std::string_view anchor) {
  if (anchor.empty()) return std::string_view::npos;
  for (const char* quote : {"\"", "'"}) {
    std::string needle = std::string("id=") + quote + std::string(anchor) + quote;
    size_t at = html.find(needle);
    while (at != std::string_view::npos) {
      // The attribute must stand on its own, not end a longer name such as data-id.
      if (at > 0 && (html[at - 1] == ' ' || html[at - 1] == '\t' || html[at - 1] == '\n' || html[at - 1] == '\r')) {
        size_t open = html.rfind('<', at);
        if (open != std::string_view::npos && html.find('>', open) > at) return open;
      }
      at = html.find(needle, at + 1);
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

const char* HelpPageFor(uint32_t context) {
  const HelpTopic* end = std::end(kTopics);
  const HelpTopic* it = std::lower_bound(std::begin(kTopics), end, context,
                                         [](const HelpTopic& t, uint32_t c) { return t.context < c; });
  return it != end && it->context == context ? it->page : nullptr;
}

std::string HelpAnchor(uint32_t context) { return "h" + std::to_string(context); }

uint32_t HelpPopupContext(int commandId) {
  if (commandId >= 7106 && commandId <= 7113) return 7106;
  if (commandId >= 7310 && commandId <= 7318) return 7310;
  return static_cast<uint32_t>(commandId);
}

std::string HelpFileUrl(std::string_view helpDir, std::string_view page, std::string_view anchor) {
  std::string path(helpDir);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '/';
  path += page;
  std::string url = "file:///";
  for (char ch : path) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c == '\\') {
      url += '/';
    } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               std::string_view("-._~/:").find(static_cast<char>(c)) != std::string_view::npos) {
      url += static_cast<char>(c);
    } else {
      std::string utf8;
      AppendUtf8(utf8, CodePointOfCp1252(c));
      for (unsigned char b : utf8) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", b);
        url += hex;
      }
    }
  }
  if (!anchor.empty()) {
    url += '#';
    url += anchor;
  }
  return url;
}

bool HelpHasAnchor(std::string_view html, std::string_view anchor) {
  return FindAnchorTag(html, anchor) != std::string_view::npos;
}

std::string HelpSummary(std::string_view html, std::string_view anchor) {
  size_t open = FindAnchorTag(html, anchor);
  if (open == std::string_view::npos) return {};
  // The element's name decides where its text ends.
  size_t nameEnd = open + 1;
  while (nameEnd < html.size() && html[nameEnd] != ' ' && html[nameEnd] != '>' && html[nameEnd] != '\t' &&
         html[nameEnd] != '\n' && html[nameEnd] != '\r')
    ++nameEnd;
  std::string close = "</" + std::string(html.substr(open + 1, nameEnd - open - 1)) + ">";
  size_t start = html.find('>', open);
  if (start == std::string_view::npos) return {};
  ++start;
  size_t end = html.find(close, start);
  if (end == std::string_view::npos) end = html.size();
  std::string_view body = html.substr(start, end - start);

  std::string out;
  bool pendingBlank = false;
  size_t i = 0;
  while (i < body.size()) {
    char c = body[i];
    uint32_t cp;
    if (c == '<') {
      size_t gt = body.find('>', i);
      i = gt == std::string_view::npos ? body.size() : gt + 1;
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      pendingBlank = !out.empty();
      ++i;
      continue;
    }
    if (c == '&') {
      size_t j = i + 1;
      if (ReadEntity(body, j, cp)) {
        i = j;
      } else {
        cp = '&';
        ++i;
      }
    } else {
      cp = NextCodePoint(body, i);
    }
    if (pendingBlank) out += ' ';
    pendingBlank = false;
    out += Cp1252FromCodePoint(cp);
  }
  return out;
}

}  // namespace tw
