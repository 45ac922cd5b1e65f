#include "calendar/special_days.h"

#include <cstdio>
#include <cstring>

#include "calendar/calendar_messages.h"
#include "calendar/year_table.h"
#include "core/text_util.h"

namespace tw {

namespace {

struct CategoryFile {
  int category;
  const char* data;
  const char* backup;
};
constexpr CategoryFile kFiles[3] = {
    {kSpecialHoliday, "TwHd.dat", "TwHd.bak"},
    {kSpecialNameDay, "TwNd.dat", "TwNd.bak"},
    {kSpecialBirthday, "TwBd.dat", "TwBd.bak"},
};

const CategoryFile& FileOf(int category) {
  for (const CategoryFile& f : kFiles)
    if (f.category == category) return f;
  return kFiles[0];
}

char CharAt(std::string_view line, size_t pos) {
  return pos < line.size() ? UpperAscii(line[pos]) : 0;
}

// Reads one line: up to the line feed, which is not kept, and a carriage return before it
// dropped. At most kSpecialLineMax bytes are kept; the rest of a longer line is skipped
// rather than read as a line of its own, which would turn the tail of a name into a rule.
// False at end of file when nothing was read.
bool ReadLine(std::FILE* f, std::string& line) {
  line.clear();
  bool any = false;
  for (int c; (c = std::fgetc(f)) != EOF;) {
    any = true;
    if (c == '\n') break;
    if (line.size() < kSpecialLineMax) line.push_back(static_cast<char>(c));
  }
  // A final carriage return without its line feed is a line end as well.
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return any;
}

int ColourOf(char c) {
  switch (c) {
    case 'R': return 1;
    case 'G': return 2;
    case 'B': return 3;
    default: return 0;
  }
}

int16_t ToValue(int32_t v) {
  // Saturate rather than wrap: 99999 must not turn into a negative offset.
  if (v > INT16_MAX) return INT16_MAX;
  if (v < INT16_MIN) return INT16_MIN;
  return static_cast<int16_t>(v);
}

bool WriteAll(std::FILE* f, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), f) == text.size();
}

}  // namespace

void SpecialDay::SetName(const char* text) {
  std::string_view t = BoundedText(text, kSpecialNameMax);
  std::memset(name, 0, sizeof name);
  std::memcpy(name, t.data(), t.size());
}

bool UsesGermanLetters(int country) {
  if (country == 0) country = 49;
  return country == 49 || country == 41 || country == 43;
}

SpecialDay ParseSpecialDayLine(std::string_view line, int category) {
  SpecialDay e;
  size_t pos = 0;
  if (category == kSpecialHoliday) {
    e.flags = 0;
  } else {
    e.flags = static_cast<uint16_t>(category | kSpecialKindFixed);
  }
  if (CharAt(line, 0) == 'A') e.flags |= kSpecialActive;
  pos = SkipToken(line, pos);
  if (category == kSpecialHoliday) {
    switch (CharAt(line, pos)) {
      case 'F': e.flags |= kSpecialKindFixed; break;
      case 'O':
      case 'E': e.flags |= kSpecialKindEaster; break;
      case 'A': e.flags |= kSpecialKindAdvent; break;
      default:
        // Only the kind bits: a stray number must not set category, state or colour.
        e.flags |= static_cast<uint16_t>(ReadNumber(line, pos) & kSpecialKindMask);
        break;
    }
    pos = SkipToken(line, pos);
  }
  e.value = ToValue(ReadNumber(line, pos));
  pos = SkipToken(line, pos);
  if (category == kSpecialHoliday) {
    if (CharAt(line, pos) == 'O') e.flags |= kSpecialOfficial;
    pos = SkipToken(line, pos);
  }
  e.flags |= static_cast<uint16_t>(ColourOf(CharAt(line, pos)) << kSpecialColourShift);
  pos = SkipToken(line, pos);
  std::string_view rest = pos < line.size() ? line.substr(pos) : std::string_view();
  std::string name(BoundedText(rest.data(), rest.size()));
  e.SetName(name.c_str());
  e.day = kNoSpecialDay;
  return e;
}

std::string FormatSpecialDayLine(const SpecialDay& entry, int category, int country) {
  const bool german = UsesGermanLetters(country);
  std::string line;
  line += entry.active() ? 'A' : 'I';
  line += ' ';
  if (category == kSpecialHoliday) {
    const int kind = entry.kind();
    if (kind == kSpecialKindFixed)
      line += 'F';
    else if (kind == kSpecialKindEaster)
      line += german ? 'O' : 'E';
    else if (kind == kSpecialKindAdvent)
      line += 'A';
    else
      line += std::to_string(kind);
    line += ' ';
  }
  line += std::to_string(entry.value);
  line += ' ';
  if (category == kSpecialHoliday) {
    line += entry.official() ? 'O' : 'I';
    line += ' ';
  }
  static const char kColourLetters[4] = {0, 'R', 'G', 'B'};
  const int colour = entry.colour();
  line += colour == 0 ? (german ? 'S' : 'K') : kColourLetters[colour];
  line += ' ';
  // A line end inside a name would split the rule in two on the next load.
  std::string_view name = BoundedText(entry.name, sizeof entry.name);
  line += name.substr(0, name.find_first_of("\r\n"));
  return line;
}

std::string SpecialDayTable::FileName(const std::string& dataDir, int category, bool backup) {
  const CategoryFile& f = FileOf(category);
  return dataDir + (backup ? f.backup : f.data);
}

size_t SpecialDayTable::Load(const std::string& dataDir) {
  entries.clear();
  entries.reserve(kMaxSpecialDays);
  std::string line;
  for (const CategoryFile& file : kFiles) {
    std::FILE* f = std::fopen((dataDir + file.data).c_str(), "rb");
    if (!f) continue;
    while (entries.size() < kMaxSpecialDays && ReadLine(f, line)) {
      if (line.empty() || line[0] == 26) break;
      entries.push_back(ParseSpecialDayLine(line, file.category));
    }
    std::fclose(f);
  }
  entries.shrink_to_fit();
  return entries.size();
}

bool SpecialDayTable::Save(const std::string& dataDir, std::span<const SpecialDay> holidays,
                           std::span<const SpecialDay> nameDays,
                           std::span<const SpecialDay> birthdays, int country,
                           MessageSink& sink) {
  const std::span<const SpecialDay> lists[3] = {holidays, nameDays, birthdays};
  std::vector<SpecialDay> written;
  for (int i = 0; i < 3; ++i) {
    const CategoryFile& file = kFiles[i];
    const std::string path = dataDir + file.data;
    const std::string backup = dataDir + file.backup;
    std::remove(backup.c_str());
    std::rename(path.c_str(), backup.c_str());  // a missing data file is no error

    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f != nullptr;
    for (const SpecialDay& entry : lists[i]) {
      const std::string line = FormatSpecialDayLine(entry, file.category, country);
      if (ok) ok = WriteAll(f, line + "\r\n");
      // The table holds what the next load will read back from the file.
      if (written.size() < kMaxSpecialDays) written.push_back(ParseSpecialDayLine(line, file.category));
    }
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) {
      sink.ShowMessage(kMsgError, kMsgSaveSpecialDaysFailed, {path});
      return false;
    }
  }
  entries = std::move(written);
  return true;
}

int HolidayTest(DayNumber d, SpecialDayTable& table, YearTable& year) {
  year.Compute(d, &table);
  for (const SpecialDay& e : table.entries)
    if (e.active() && e.category() == kSpecialHoliday && e.day == d) return e.official() ? 2 : 1;
  return 0;
}

char* SpecialDaysText(char* pos, const char* end, DayNumber d, const SpecialTextOptions& options,
                      SpecialDayTable& table, YearTable& year, const RtfStyle& style) {
  if (!options.holidays && !options.nameDays && !options.birthdays) return pos;
  year.Compute(d, &table);
  bool holidayTaken = false;
  bool pendingComma = false;
  for (const SpecialDay& e : table.entries) {
    if (!e.active() || e.day != d) continue;
    const int category = e.category();
    bool wanted = (category == kSpecialHoliday && options.holidays && !holidayTaken) ||
                  (category == kSpecialNameDay && options.nameDays) ||
                  (category == kSpecialBirthday && options.birthdays);
    if (!wanted) continue;
    if (category == kSpecialHoliday) holidayTaken = true;

    // Once a piece does not fit, nothing more is written: no name may lose its colour
    // switch or leave a separator behind it.
    bool ok = true;
    // Entries filled by hand may use all 68 bytes without a NUL.
    char name[kSpecialNameSize + 1];
    const std::string_view n = BoundedText(e.name, sizeof e.name);
    std::memcpy(name, n.data(), n.size());
    name[n.size()] = 0;
    if (options.rich) {
      pos = RtfControls(pos, end, kRtfForeColour | RtfFore(e.colour()), options.fontChoice, 0,
                        style, &ok);
      if (ok) pos = RtfPlainToRich(pos, end, name, &ok);
      if (ok)
        pos = RtfControls(pos, end, kRtfForeColour | RtfFore(kRtfBlack), options.fontChoice, 0,
                          style, &ok);
    } else {
      pos = RtfRaw(pos, end, name, &ok);
    }
    if (!ok) break;
    pendingComma = false;
    if (options.oneLine) {
      pos = RtfRaw(pos, end, ", ", &ok);
      pendingComma = ok;
    } else if (!options.noBreak) {
      pos = RtfLineBreak(pos, end, false, options.rich, &ok);
    }
    if (!ok) break;
    if (holidayTaken && !options.nameDays && !options.birthdays) break;
  }
  if (pendingComma) {
    pos -= 2;
    *pos = 0;
    if (!options.noBreak) pos = RtfLineBreak(pos, end, false, options.rich);
  }
  return pos;
}

}  // namespace tw
