#include "core/settings.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace tw {
namespace {

constexpr SettingKey Num(const char* name, int section, int32_t def) {
  return SettingKey{name, section, kSettingNumber, def, nullptr, 0};
}
constexpr SettingKey Text(const char* name, int section, int chars, const char* def) {
  return SettingKey{name, section, kSettingText, 0, def, chars};
}
constexpr SettingKey List(const char* name, int section, int count, const char* def) {
  return SettingKey{name, section, kSettingNumberList, 0, def, count};
}
constexpr SettingKey Colours(const char* name, int section, int count, const char* def) {
  return SettingKey{name, section, kSettingColourList, 0, def, count};
}

constexpr int G = kSectionGeneral, F = kSectionFonts, C = kSectionColors, P = kSectionPrint,
              K = kSectionConditions, T = kSectionText, R = kSectionRecentFileList;

const SettingKey kKeys[] = {
    Text("Path", G, 126, ""),
    Num("PosX", G, 0),
    Num("PosY", G, 0),
    Num("Width", G, 0),
    Num("Height", G, 0),
    Num("InfoWidth", G, 256),
    Num("InfoHeight", G, 76),
    Num("LegendHeight", G, 0),
    Num("Preference", G, 46448),
    Num("DaySize", G, 2),
    Num("Sound", G, 0),
    Num("NewVersion", G, 1),
    Num("Liste", G, 1),
    Num("Oskelin", G, 0),
    Num("Sternbild", G, 0),
    Num("Data", G, 255),
    Num("ShowDayOfWeek", G, 1),
    Num("ShowYear", G, 1),
    Num("Show2DigitYear", G, 0),  // 1 when the locale shows two-digit years
    Num("ShowDate2Lines", G, 0),
    Num("ShowHoliday", G, 1),
    Num("ShowNameday", G, 0),
    Num("ShowBirthday", G, 0),
    Num("StartLastFile", G, 1),
    Num("ShowHidden", G, 1),
    Num("ApplyToAllWindows", G, 1),
    Num("ConditionHeight", G, 0),
    Num("LastReco", G, 32000),
    Num("TipOnStart", G, 1),
    Num("TestYear", G, 1997),
    Num("NumberofTestYears", G, 1),
    Num("NumberofTestYearsAllTests", G, 10),
    Text("HelpFile", G, 255, "tw-d.hlp"),
    Num("NextSave", G, 1),
    List("SaveWidths", G, 10, "22 178 134 30 34 480 250 250 250 200"),
    Num("Test", G, 0),

    Text("Font", F, 31, "Arial"),
    List("FontSize", F, 2, "100 400"),
    Text("PrintFont", F, 31, "Arial"),
    List("PrintFontSize", F, 2, "110 400"),

    Colours("Color", C, 7, "ff,ff0000,ff00,80ff,ff00ff,ffff00,4000c0"),
    Colours("ElementColor", C, 4, "ff,47a8,a9f5ee,daa556"),

    List("Margins", P, 11, "10 8 10 8 1 3 2 1 1 0 0"),
    Num("SizeElement", P, 4),
    Num("SizeDate", P, 26),
    Num("SizeMoon", P, 39),
    Num("SizeSun", P, 10),
    Num("SizePflanz", P, 6),
    Num("SizeEmpf", P, 90),
    Num("SizePlAni", P, 30),
    Num("SizeHealth", P, 30),
    Num("SizeCommon", P, 30),
    Num("SizeNote", P, 24),
    Num("QSizeElement", P, 4),
    Num("QSizeDate", P, 26),
    Num("QSizeMoon", P, 39),
    Num("QSizeSun", P, 10),
    Num("QSizePflanz", P, 6),
    Num("QSizeEmpf", P, 156),
    Num("QSizePlAni", P, 52),
    Num("QSizeHealth", P, 52),
    Num("QSizeCommon", P, 52),
    Num("QSizeNote", P, 36),

    Num("Cond", K, 0),
    List("Cond1", K, 14, ""),
    List("Cond3", K, 14, ""),
    List("Cond5", K, 14, ""),
    List("Cond7", K, 14, ""),
    Text("CText1", K, 31, ""),
    Text("CText2", K, 31, ""),
    Text("CText3", K, 31, ""),
    Text("CText4", K, 31, ""),
    Text("CText5", K, 31, ""),
    Text("CText6", K, 31, ""),
    Text("CText7", K, 31, ""),
    Text("CText8", K, 31, ""),
    Num("LastRecoSel", K, 0),
    Num("SearchEnd", K, 149747),

    Text("C1", T, 32, ""),
    Text("C2", T, 32, ""),
    Text("C3", T, 32, ""),
    Text("C4", T, 32, ""),
    Text("C5", T, 32, ""),
    Text("C6", T, 32, ""),
    Text("C7", T, 32, ""),
    Text("TextRed", T, 15, ""),
    Text("TextYellow", T, 15, ""),
    Text("Text+", T, 15, ""),
    Text("Textx", T, 15, ""),
    Text("Text-", T, 15, ""),

    Text("File1", R, 255, ""),
    Text("File2", R, 255, ""),
    Text("File3", R, 255, ""),
    Text("File4", R, 255, ""),
    Text("File5", R, 255, ""),
    Text("File6", R, 255, ""),
    Text("File7", R, 255, ""),
    Text("File8", R, 255, ""),
};
static_assert(sizeof kKeys / sizeof kKeys[0] == kSettingCount, "key table and SettingId differ");

const char* const kSectionNames[kSectionCount] = {
    "General", "Fonts", "Colors", "Print", "Conditions", "Text", "RecentFileList"};

bool EqualNoCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
      return false;
  return *a == *b;
}

bool ReadRaw(const Profile& profile, int id, std::string& out) {
  const SettingKey& k = SettingKeyAt(id);
  return profile.Get(FileSectionName(k.section), k.name, out);
}

size_t CopyLimited(const std::string& text, char* buf, size_t size, size_t limit) {
  if (buf == nullptr || size == 0) return 0;
  size_t n = text.size();
  if (n > size - 1) n = size - 1;
  if (n > limit) n = limit;
  std::memcpy(buf, text.data(), n);
  buf[n] = 0;
  return n;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

const SettingKey& SettingKeyAt(int id) {
  if (id < 0 || id >= kSettingCount) id = 0;
  return kKeys[id];
}

int FindSetting(const char* name) {
  if (name == nullptr) return -1;
  for (int i = 0; i < kSettingCount; ++i)
    if (EqualNoCase(kKeys[i].name, name)) return i;
  return -1;
}

const char* SectionName(int section) {
  return section >= 0 && section < kSectionCount ? kSectionNames[section] : nullptr;
}

std::string FileSectionName(int section) {
  const char* name = SectionName(section);
  return std::string("Tidewell") + (name ? name : "");
}

int32_t ParseSettingNumber(const char* text) {
  if (text == nullptr) return 0;
  size_t i = 0;
  bool negative = false;
  if (text[0] == '-') {
    negative = true;
    i = 1;
  }
  int64_t v = 0;
  // Fifteen characters hold at most 15 digits, so the 64-bit sum cannot overflow.
  for (; i < 15 && text[i] >= '0' && text[i] <= '9'; ++i) v = v * 10 + (text[i] - '0');
  if (negative) v = -v;
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

void ParseNumberList(const char* text, int32_t* out, int count) {
  const char* p = text ? text : "";
  for (int i = 0; i < count; ++i) {
    out[i] = *p ? ParseSettingNumber(p) : 0;
    while (*p && !IsBlank(*p)) ++p;
    while (IsBlank(*p)) ++p;
  }
}

std::string FormatNumberList(const int32_t* values, int count) {
  std::string s;
  char tmp[16];
  for (int i = 0; i < count; ++i) {
    std::snprintf(tmp, sizeof tmp, i ? " %ld" : "%ld", static_cast<long>(values[i]));
    s += tmp;
  }
  return s;
}

void ParseColourList(const char* text, uint32_t* slots, int count) {
  const char* p = text ? text : "";
  for (int i = 0; i < count && *p; ++i) {
    uint32_t v = 0;
    for (; *p && *p != ','; ++p) {
      int digit = std::toupper(static_cast<unsigned char>(*p)) - '0';
      if (digit > 9) digit -= 7;
      v = v * 16 + static_cast<uint32_t>(digit);
    }
    // A colour value has no high byte; one there would mean a palette reference to GDI.
    slots[i] = v & 0x00FFFFFF;
    if (*p == ',') ++p;
  }
}

std::string FormatColour(uint32_t colour) {
  const unsigned r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
  char tmp[8];
  char* p = tmp;
  if (b != 0) p += std::snprintf(p, 3, "%02x", b);
  if (g != 0 || b != 0) p += std::snprintf(p, 3, "%02x", g);
  std::snprintf(p, 3, "%02x", r);
  return tmp;
}

std::string FormatColourList(const uint32_t* colours, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) {
    if (i) s += ',';
    s += FormatColour(colours[i]);
  }
  return s;
}

int32_t GetSettingNumber(const Profile& profile, int id, int32_t def) {
  std::string raw;
  if (!ReadRaw(profile, id, raw) || raw.empty()) return def;
  return ParseSettingNumber(raw.substr(0, 15).c_str());
}

size_t GetSettingText(const Profile& profile, int id, char* buf, size_t size, const char* def) {
  std::string raw;
  if (!ReadRaw(profile, id, raw)) raw = def ? def : "";
  const SettingKey& k = SettingKeyAt(id);
  size_t limit = k.type == kSettingText ? static_cast<size_t>(k.size) : raw.size();
  return CopyLimited(raw, buf, size, limit);
}

std::string GetSettingString(const Profile& profile, int id, const char* def) {
  std::string raw;
  if (!ReadRaw(profile, id, raw)) raw = def ? def : "";
  const SettingKey& k = SettingKeyAt(id);
  if (k.type == kSettingText && raw.size() > static_cast<size_t>(k.size)) raw.resize(k.size);
  return raw;
}

void SetSettingNumber(Profile& profile, int id, int32_t value) {
  char tmp[16];
  std::snprintf(tmp, sizeof tmp, "%ld", static_cast<long>(value));
  SetSettingText(profile, id, tmp);
}

void SetSettingText(Profile& profile, int id, const char* text) {
  const SettingKey& k = SettingKeyAt(id);
  profile.Set(FileSectionName(k.section), k.name, text ? text : "");
}

void GetSettingNumberList(const Profile& profile, int id, int32_t* out, int count) {
  std::string raw = GetSettingString(profile, id, SettingKeyAt(id).defaultText);
  ParseNumberList(raw.c_str(), out, count);
}

void SetSettingNumberList(Profile& profile, int id, const int32_t* values, int count) {
  SetSettingText(profile, id, FormatNumberList(values, count).c_str());
}

size_t GetProfileTextByName(const Profile& profile, const char* section, const char* key,
                            char* buf, size_t size, const char* def) {
  std::string raw;
  if (section == nullptr || key == nullptr || !profile.Get(section, key, raw)) raw = def ? def : "";
  return CopyLimited(raw, buf, size, raw.size());
}

}  // namespace tw
