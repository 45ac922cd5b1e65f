// mkperson SOURCE OUTFILE: compiles a readable person source (UTF-8 text, see
// sample_person.txt) into a person document, written by the program's own writer.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/cp1252.h"
#include "core/daynumber.h"
#include "doc/person_document.h"
#include "doc/person_file.h"

namespace {

using namespace tw;

bool ParseDate(const std::string& text, DayNumber* day) {
  int d = 0, m = 0, y = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%d.%d.%d%c", &d, &m, &y, &tail) != 3) return false;
  if (m < 1 || m > 12 || d < 1 || d > MonthLength(y, m)) return false;
  *day = DayFromDate(y, m, d);
  return true;
}

// "r", "y" and one of "+ x -" in any order, or "."; -1 when the token is none of these.
int ParseMarks(const std::string& token, int* symbol, bool* red, bool* yellow) {
  *symbol = 0;
  *red = *yellow = false;
  if (token == ".") return 0;
  for (char c : token) {
    if (c == 'r') *red = true;
    else if (c == 'y') *yellow = true;
    else if (c == '+') *symbol = 1;
    else if (c == 'x') *symbol = 2;
    else if (c == '-') *symbol = 3;
    else return -1;
  }
  return 0;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

int Fail(const std::string& source, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: %s\n", source.c_str(), line, what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: mkperson SOURCE OUTFILE\n");
    return 2;
  }
  const std::string source = argv[1];
  std::ifstream in(source, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "mkperson: cannot read %s\n", source.c_str());
    return 1;
  }
  PersonDocument doc;
  // The first of January of the notes year; a fixed "today" keeps the output the same.
  InitNewPersonDocument(doc, CivilDate{2020, 1, 1}, DocumentDefaults{});
  static const char* kLabels[kMarkLabelCount] = {"label-red", "label-yellow", "label-plus", "label-x",
                                                 "label-minus"};
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    std::string utf8 = Trim(raw);
    if (utf8.empty() || utf8[0] == '#') continue;
    std::string line;
    if (!Utf8ToCp1252(utf8, &line)) return Fail(source, lineNo, "text outside code page 1252");
    if (line.rfind("day ", 0) == 0) {
      std::istringstream words(line.substr(4));
      std::string date, marks;
      words >> date >> marks;
      std::string note;
      std::getline(words, note);
      DayNumber day;
      int symbol;
      bool red, yellow;
      if (!ParseDate(date, &day)) return Fail(source, lineNo, "bad date");
      if (ParseMarks(marks, &symbol, &red, &yellow) < 0) return Fail(source, lineNo, "bad marks");
      int flags = (red ? kMarkSetRed : 0) | (yellow ? kMarkSetYellow : 0);
      if (!SetDayEntryFor(doc, day, flags ? flags : kMarkNoChange, Trim(note).c_str()).applied ||
          !SetDayEntryFor(doc, day, symbol, nullptr).applied)
        return Fail(source, lineNo, "day outside the twenty years of notes");
      continue;
    }
    size_t colon = line.find(':');
    if (colon == std::string::npos) return Fail(source, lineNo, "expected KEY: VALUE or day ...");
    const std::string key = line.substr(0, colon), value = Trim(line.substr(colon + 1));
    DayNumber day;
    if (key == "name") {
      doc.header.SetName(value);
    } else if (key == "description") {
      doc.header.SetDescription(value);
    } else if (key == "birthday" || key == "notes-from") {
      if (!ParseDate(value, &day)) return Fail(source, lineNo, "bad date");
      if (key == "birthday") doc.header.SetBirthday(day);
      else if (!doc.HasNoteData()) doc.header.SetNotesStart(day);
      else return Fail(source, lineNo, "notes-from must come before the first day");
    } else {
      int i = 0;
      while (i < kMarkLabelCount && key != kLabels[i]) ++i;
      if (i == kMarkLabelCount) return Fail(source, lineNo, "unknown key");
      doc.header.SetMarkLabel(i, value);
    }
  }
  RecordingSink sink;
  if (!SavePersonFile(doc, argv[2], sink)) {
    std::fprintf(stderr, "mkperson: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
