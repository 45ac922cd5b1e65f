#include "reco/reco_source.h"

#include <cstring>
#include <vector>

#include "reco/reco_vocabulary.h"

namespace tw {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> SplitList(std::string_view s) {
  std::vector<std::string_view> items;
  for (;;) {
    const size_t comma = s.find(',');
    items.push_back(Trim(s.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    s.remove_prefix(comma + 1);
  }
  return items;
}

// Strips a leading "nicht" and reports it.
bool TakeNot(std::string_view& value) {
  const std::string n = NormaliseWord(value);
  if (n == "nicht" || n.rfind("nicht ", 0) == 0) {
    value = Trim(value.substr(5));
    return true;
  }
  return false;
}

int CategoryWord(std::string_view word) {
  const std::string w = NormaliseWord(word);
  if (w == "1" || w == "pflanzen/tiere" || w == "pflanzen und tiere") return 1;
  if (w == "2" || w == "gesundheit") return 2;
  if (w == "3" || w == "allgemein") return 3;
  return 0;
}

class Parser {
 public:
  Parser(RecoTables* t, RecoSourceError* e) : t_(*t), err_(*e) {}

  bool Line(int number, std::string_view raw) {
    line_ = number;
    if (raw.find('\0') != std::string_view::npos) return Fail("NUL character in the line");
    std::string_view s = Trim(raw);
    if (s.empty() || s.front() == '#') return true;
    const size_t colon = s.find(':');
    if (colon == std::string_view::npos) return Fail("expected \"Key: value\"");
    const std::string key = NormaliseWord(s.substr(0, colon));
    std::string_view value = Trim(s.substr(colon + 1));

    if (key == "auswahl alle" || key == "auswahl keine") {
      RecoSelEntry& e = t_.selections[key == "auswahl alle" ? 0 : 1];
      if (value.size() > kRecoSelNameMax) return Fail("selection name longer than 29 characters");
      e.inUse = 1;
      e.SetName(std::string(value).c_str());
      return true;
    }
    if (key == "auswahlen") {
      for (std::string_view name : SplitList(value))
        if (Selection(name) < 0) return false;
      return true;
    }
    if (key == "kategorie") {
      category_ = CategoryWord(value);
      if (category_ == 0) return Fail("unknown category \"" + std::string(value) + "\"");
      group_ = 0;
      record_ = -1;
      return true;
    }
    if (key == "gruppe") {
      record_ = -1;
      if (value.empty()) {
        group_ = 0;
        return true;
      }
      const int slot = NewRecord(value);
      if (slot < 0) return false;
      group_ = ++groups_;
      t_.records[slot].groupLink = static_cast<int16_t>(-group_);
      return true;
    }
    if (key == "empfehlung") {
      const int slot = NewRecord(value);
      if (slot < 0) return false;
      t_.records[slot].groupLink = static_cast<int16_t>(group_);
      record_ = slot;
      seen_.clear();
      return true;
    }

    if (record_ < 0) return Fail("\"" + std::string(s.substr(0, colon)) + "\" outside a recommendation");
    RecoRecord& r = t_.records[record_];
    if (key != "fixtag") {
      for (const std::string& k : seen_)
        if (k == key) return Fail("\"" + std::string(s.substr(0, colon)) + "\" given twice");
      seen_.push_back(key);
    }
    if (key == "farbe") {
      const int c = ColourWord(value);
      if (c < 0) return Fail("unknown colour \"" + std::string(value) + "\"");
      r.colorIndex = static_cast<uint8_t>(c);
      return true;
    }
    if (key == "stil") {
      const int st = StyleWord(value);
      if (st < 0) return Fail("unknown style \"" + std::string(value) + "\"");
      r.styleIndex = static_cast<uint8_t>(st);
      return true;
    }
    if (key == "zeichen") {
      const std::string w = NormaliseWord(value);
      if (w == "entweder") r.signsEither = 3;
      else if (w == "beide") r.signsEither = 0;
      else return Fail("\"Zeichen\" is \"entweder\" or \"beide\"");
      return true;
    }
    if (key == "\xFC" "brige tage") {
      const std::string w = NormaliseWord(value);
      if (w == "nicht") r.otherDays = static_cast<uint16_t>(kCondExcluded << 14);
      else if (w == "egal") r.otherDays = 0;
      else return Fail("\"\xDC" "brige Tage\" is \"nicht\" or \"egal\"");
      return true;
    }
    if (key == "fixtag") return FixedDays(r, value);
    if (key == "auswahl") {
      for (std::string_view name : SplitList(value)) {
        const int k = Selection(name);
        if (k < 0) return false;
        t_.selections[k].members.Set(record_, true);
      }
      return true;
    }
    if (const CondFieldInfo* f = FindCondField(key)) return Condition(r, *f, value);
    return Fail("unknown key \"" + std::string(s.substr(0, colon)) + "\"");
  }

  bool Fail(const std::string& message) {
    err_.line = line_;
    err_.message = message;
    return false;
  }

 private:
  int NewRecord(std::string_view name) {
    if (category_ == 0) return Fail("no \"Kategorie:\" before the first record"), -1;
    if (name.empty()) return Fail("empty name"), -1;
    if (name.size() >= kRecoNameSize) return Fail("name longer than 99 characters"), -1;
    if (next_ >= kRecoSlots) return Fail("more than 768 records"), -1;
    RecoRecord r;
    r.SetName(std::string(name).c_str());
    r.category = static_cast<uint8_t>(category_);
    t_.Occupy(next_, r);
    return next_++;
  }

  int Selection(std::string_view name) {
    if (name.empty()) return Fail("empty selection name"), -1;
    if (name.size() > kRecoSelNameMax) return Fail("selection name longer than 29 characters"), -1;
    const std::string n(name);
    for (int k = kFirstUserSelection; k < kRecoSelEntries; ++k)
      if (t_.selections[k].inUse && n == t_.selections[k].name) return k;
    const int k = t_.FirstFreeSelection();
    if (k < 0) return Fail("more than 126 selections"), -1;
    t_.selections[k].inUse = 1;
    t_.selections[k].SetName(n.c_str());
    return k;
  }

  bool Condition(RecoRecord& r, const CondFieldInfo& f, std::string_view value) {
    const bool excluded = TakeNot(value);
    uint32_t mask = 0;
    for (std::string_view word : SplitList(value)) {
      const uint32_t slots = CondValueSlots(f.field, word);
      if (slots == 0)
        return Fail("unknown value \"" + std::string(word) + "\" for \"" + f.key + "\"");
      mask |= slots;
    }
    uint64_t field = 0;
    for (int k = 0; k < 32; ++k) {
      if (!(f.leafSlots & (1u << k))) continue;
      CondMode m = excluded ? ((mask & (1u << k)) ? kCondExcluded : kCondAny)
                            : ((mask & (1u << k)) ? kCondRequired : kCondExcluded);
      field = WithCond64(field, k, m);
    }
    if (f.offset == kOffPhaseCond) {
      r.phaseCond = field;
    } else {
      r.SetFieldAt(f.offset, static_cast<uint32_t>(field));
    }
    return true;
  }

  bool FixedDays(RecoRecord& r, std::string_view value) {
    const CondMode mode = TakeNot(value) ? kCondExcluded : kCondRequired;
    for (std::string_view word : SplitList(value)) {
      const int code = FixedDayWordCode(word);
      if (code == 0) return Fail("unknown fixed day \"" + std::string(word) + "\"");
      int i = 0;
      while (i < kFixedDayEntries && r.fixedDays[i] != 0) ++i;
      if (i == kFixedDayEntries) return Fail("more than 31 fixed days");
      r.fixedDays[i] = MakeFixedDay(code, mode);
    }
    return true;
  }

  RecoTables& t_;
  RecoSourceError& err_;
  int line_ = 0;
  int category_ = 0;
  int group_ = 0;
  int groups_ = 0;
  int record_ = -1;
  int next_ = 0;
  std::vector<std::string> seen_;
};

}  // namespace

bool ParseRecoSource(std::string_view text, RecoTables* tables, RecoSourceError* error) {
  RecoSourceError scratch;
  Parser p(tables, error ? error : &scratch);
  int number = 0;
  while (!text.empty()) {
    const size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    ++number;
    if (!p.Line(number, line)) return false;
    if (nl == std::string_view::npos) break;
    text.remove_prefix(nl + 1);
  }
  return true;
}

}  // namespace tw
