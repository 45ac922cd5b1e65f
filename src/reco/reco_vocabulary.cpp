#include "reco/reco_vocabulary.h"

#include "core/cp1252.h"

#include <array>
#include <vector>

#include "reco/reco_record.h"

namespace tw {

namespace {

constexpr uint32_t Range(int first, int last) {
  uint32_t m = 0;
  for (int k = first; k <= last; ++k) m |= 1u << k;
  return m;
}

const CondFieldInfo kFields[kCondFieldCount] = {
    {CondField::Phase, "Phase", kOffPhaseCond, Range(0, 13) | Range(16, 29)},
    {CondField::Height, "H\xF6he", kOffHeightCond, Range(0, 15)},
    {CondField::Distance, "Distanz", kOffDistanceCond, Range(0, 15)},
    {CondField::Node, "Knoten", kOffNodeCond, Range(0, 14)},
    {CondField::MoonSign, "Mondzeichen", kOffMoonSignCond, Range(0, 11)},
    {CondField::SunSign, "Sonnenzeichen", kOffSunSignCond, Range(0, 11)},
    {CondField::Season, "Jahreszeit", kOffSeasonCond, Range(0, 3)},
    {CondField::Month, "Monat", kOffMonthCond, Range(0, 11)},
    {CondField::Weekday, "Wochentag", kOffWeekdayCond, Range(0, 6)},
};

const char* const kSigns[12] = {"Widder", "Stier", "Zwillinge", "Krebs", "L\xF6we", "Jungfrau",
                                "Waage", "Skorpion", "Sch\xFctze", "Steinbock", "Wassermann",
                                "Fische"};
const char* const kElements[4] = {"Feuer", "Erde", "Luft", "Wasser"};
const char* const kSeasons[4] = {"Fr\xFChling", "Sommer", "Herbst", "Winter"};
const char* const kMonths[12] = {"Januar", "Februar", "M\xE4rz", "April", "Mai", "Juni", "Juli",
                                 "August", "September", "Oktober", "November", "Dezember"};
const char* const kWeekdays[7] = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag",
                                  "Samstag", "Sonntag"};
// Codes 3800..3812 in order.
const char* const kMovable[13] = {"Aschermittwoch", "Karfreitag", "Karsamstag", "Ostersonntag",
                                  "Ostermontag", "Christi Himmelfahrt", "Pfingstsonntag",
                                  "Pfingstmontag", "Fronleichnam", "1. Advent", "2. Advent",
                                  "3. Advent", "4. Advent"};
const char* const kColours[4] = {"schwarz", "rot", "gr\xFCn", "blau"};
const char* const kStyles[4] = {"normal", "fett", "kursiv", "fett kursiv"};

struct Word {
  std::string word;     // as shown
  std::string key;      // normalised
  uint32_t slots;
};

class Vocabulary {
 public:
  Vocabulary() {
    auto& ph = words_[static_cast<int>(CondField::Phase)];
    Add(ph, "Neumond", 1u << 0);
    Add(ph, "Vollmond", 1u << 16);
    for (int n = 1; n <= 6; ++n) {
      Add(ph, "Neumond+" + std::to_string(n), 1u << n);
      Add(ph, "Neumond-" + std::to_string(n), 1u << (30 - n));
      Add(ph, "Vollmond+" + std::to_string(n), 1u << (16 + n));
      Add(ph, "Vollmond-" + std::to_string(n), 1u << (14 - n));
    }
    Add(ph, "zunehmend Mitte", 1u << 7);
    Add(ph, "abnehmend Mitte", 1u << 23);
    Add(ph, "zunehmend", Range(1, 13));
    Add(ph, "abnehmend", Range(17, 29));

    Cycle(words_[static_cast<int>(CondField::Height)], "Tiefstand", "H\xF6" "chststand",
          "aufsteigend", "absteigend");
    Cycle(words_[static_cast<int>(CondField::Distance)], "Erdn\xE4he", "Erdferne", "entfernend",
          "ann\xE4hernd");

    auto& nd = words_[static_cast<int>(CondField::Node)];
    Add(nd, "aufsteigender Knoten", 1u << 3);
    Add(nd, "absteigender Knoten", 1u << 10);
    for (int n = 1; n <= 3; ++n) {
      Add(nd, "aufsteigender Knoten-" + std::to_string(n), 1u << (3 - n));
      Add(nd, "aufsteigender Knoten+" + std::to_string(n), 1u << (3 + n));
      Add(nd, "absteigender Knoten-" + std::to_string(n), 1u << (10 - n));
      Add(nd, "absteigender Knoten+" + std::to_string(n), 1u << (10 + n));
    }
    Add(nd, "kein Knoten", 1u << 14);

    for (CondField f : {CondField::MoonSign, CondField::SunSign}) {
      auto& sg = words_[static_cast<int>(f)];
      for (int s = 0; s < 12; ++s) Add(sg, kSigns[s], 1u << s);
      for (int e = 0; e < 4; ++e) Add(sg, kElements[e], (1u << e) | (1u << (e + 4)) | (1u << (e + 8)));
    }
    for (int s = 0; s < 4; ++s) Add(words_[static_cast<int>(CondField::Season)], kSeasons[s], 1u << s);
    for (int m = 0; m < 12; ++m) Add(words_[static_cast<int>(CondField::Month)], kMonths[m], 1u << m);
    for (int w = 0; w < 7; ++w) Add(words_[static_cast<int>(CondField::Weekday)], kWeekdays[w], 1u << w);
  }

  const std::vector<Word>& Of(CondField f) const { return words_[static_cast<int>(f)]; }

 private:
  static void Add(std::vector<Word>& list, const std::string& word, uint32_t slots) {
    list.push_back({word, NormaliseWord(word), slots});
  }
  // Sixteen states: low event, three days after, rising, three before the high event, high
  // event, three after, falling, three before the low event.
  static void Cycle(std::vector<Word>& list, const std::string& low, const std::string& high,
                    const std::string& rising, const std::string& falling) {
    Add(list, low, 1u << 0);
    Add(list, high, 1u << 8);
    for (int n = 1; n <= 3; ++n) {
      Add(list, low + "+" + std::to_string(n), 1u << n);
      Add(list, low + "-" + std::to_string(n), 1u << (16 - n));
      Add(list, high + "+" + std::to_string(n), 1u << (8 + n));
      Add(list, high + "-" + std::to_string(n), 1u << (8 - n));
    }
    Add(list, rising + " Mitte", 1u << 4);
    Add(list, falling + " Mitte", 1u << 12);
    Add(list, rising, Range(1, 7));
    Add(list, falling, Range(9, 15));
  }

  std::array<std::vector<Word>, kCondFieldCount> words_;
};

const Vocabulary& Vocab() {
  static const Vocabulary v;
  return v;
}

char LowerCp1252(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  return c;
}

int IndexOfWord(const char* const* words, int count, std::string_view word) {
  const std::string key = NormaliseWord(word);
  for (int i = 0; i < count; ++i)
    if (NormaliseWord(words[i]) == key) return i;
  return -1;
}

}  // namespace

std::string NormaliseWord(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      if (!out.empty() && out.back() != ' ' && out.back() != '+' && out.back() != '-') out += ' ';
      continue;
    }
    if ((c == '+' || c == '-') && !out.empty() && out.back() == ' ') out.pop_back();
    out += LowerCp1252(c);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

const CondFieldInfo* FindCondField(std::string_view key) {
  const std::string k = NormaliseWord(key);
  for (const CondFieldInfo& f : kFields)
    if (NormaliseWord(f.key) == k) return &f;
  return nullptr;
}

const CondFieldInfo& CondFieldOf(CondField field) { return kFields[static_cast<int>(field)]; }

uint32_t CondValueSlots(CondField field, std::string_view word) {
  const std::string key = NormaliseWord(word);
  for (const Word& w : Vocab().Of(field))
    if (w.key == key) return w.slots;
  return 0;
}

std::string CondSlotWord(CondField field, int slot) {
  if (slot < 0 || slot > 31) return "";
  for (const Word& w : Vocab().Of(field))
    if (w.slots == (1u << slot)) return w.word;
  return "";
}

int FixedDayWordCode(std::string_view word) {
  const int movable = IndexOfWord(kMovable, 13, word);
  if (movable >= 0) return 3800 + movable;
  const std::string w = NormaliseWord(word);
  // d.m or d.m.
  size_t i = 0;
  int day = 0, month = 0, digits = 0;
  while (i < w.size() && w[i] >= '0' && w[i] <= '9' && digits < 3) day = day * 10 + (w[i++] - '0'), ++digits;
  if (digits == 0 || digits > 2 || i >= w.size() || w[i] != '.') return 0;
  ++i;
  digits = 0;
  while (i < w.size() && w[i] >= '0' && w[i] <= '9' && digits < 3) month = month * 10 + (w[i++] - '0'), ++digits;
  if (digits == 0 || digits > 2) return 0;
  if (i < w.size() && w[i] == '.') ++i;
  if (i != w.size()) return 0;
  static const int kDays[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1 || day > kDays[month]) return 0;
  return day * 100 + month;
}

std::string FixedDayCodeWord(int code) {
  if (code >= 3800 && code <= 3812) return kMovable[code - 3800];
  const int day = code / 100, month = code % 100;
  if (code <= 0 || month < 1 || month > 12 || day < 1 || day > 31) return "";
  return std::to_string(day) + "." + std::to_string(month) + ".";
}

int ColourWord(std::string_view word) { return IndexOfWord(kColours, 4, word); }
int StyleWord(std::string_view word) { return IndexOfWord(kStyles, 4, word); }
const char* ColourWordOf(int colour) { return colour >= 0 && colour < 4 ? kColours[colour] : ""; }
const char* StyleWordOf(int style) { return style >= 0 && style < 4 ? kStyles[style] : ""; }

bool RecoTextFromUtf8(std::string_view in, std::string* out, size_t* badOffset) {
  return Utf8ToCp1252(in, out, badOffset);
}

std::string RecoTextToUtf8(std::string_view text) { return Cp1252ToUtf8(text); }

}  // namespace tw
