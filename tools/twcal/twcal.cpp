// twcal: the calendar, recommendation and biorhythm core on the command line, for checking
// days, searches and rhythm values without the program.
//   twcal day YYYY-MM-DD [--data DIR] [--json] [--sternbild] [--selection N]
//   twcal find YYYY-MM-DD [--back] [--selection N] [--data DIR] [--sternbild]
//   twcal bio BIRTHDAY DATE [--higher] [--saw]
//   twcal compat BIRTHDAY1 BIRTHDAY2 [--higher]
//   twcal search BIRTHDAY DATE --cond "w1,...,w7" [--back] [--higher] [--saw]
//   twcal export --from DATE --to DATE --format csv|ics [--selection N] [--sternbild] [-o FILE]
//   twcal export-reco [--data DIR]
//   twcal easter YEAR | twcal daynumber YYYY-MM-DD | twcal date N
// Exit codes: 0 done, 1 a search found no day, 2 bad input or unusable data.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "bio/bio_report.h"
#include "bio/curve_search.h"
#include "bio/rhythm_label.h"
#include "calendar/day_report.h"
#include "core/daynumber.h"
#include "calendar/moon_data.h"
#include "calendar/special_days.h"
#include "calendar/year_table.h"
#include "core/platform.h"
#include "reco/reco_eval.h"
#include "reco/reco_export.h"
#include "reco/reco_report.h"
#include "views/calendar_export.h"

namespace {

constexpr int kExitNotFound = 1;
constexpr int kExitBadInput = 2;

// Messages of the core go to stderr as their number and arguments.
class StderrSink : public tw::MessageSink {
 public:
  int Show(int, int id, const std::vector<tw::MessageArg>& args) override {
    std::string line = "message " + std::to_string(id) + ":";
    for (size_t i = 0; i < args.size(); ++i) {
      line += i == 0 ? " " : ", ";
      line += args[i].isText ? tw::Cp1252ToUtf8(args[i].text) : std::to_string(args[i].number);
    }
    std::fprintf(stderr, "%s\n", line.c_str());
    return tw::kAnswerOk;
  }
};

int Fail(const std::string& text) {
  std::fprintf(stderr, "twcal: %s\n", text.c_str());
  return kExitBadInput;
}

int Usage() {
  std::fprintf(stderr,
               "usage: twcal day YYYY-MM-DD [--data DIR] [--json] [--sternbild] [--selection N]\n"
               "       twcal find YYYY-MM-DD [--back] [--selection N] [--data DIR] [--sternbild]\n"
               "       twcal bio BIRTHDAY DATE [--higher] [--saw]\n"
               "       twcal compat BIRTHDAY1 BIRTHDAY2 [--higher]\n"
               "       twcal search BIRTHDAY DATE --cond \"w1,...,w7\" [--back] [--higher] [--saw]\n"
               "       twcal export --from DATE --to DATE --format csv|ics [--selection N] [--sternbild]\n"
               "                    [-o FILE] [--data DIR]\n"
               "       twcal export-reco [--data DIR]\n"
               "       twcal easter YEAR\n"
               "       twcal daynumber YYYY-MM-DD\n"
               "       twcal date N\n"
               "Dates are YYYY-MM-DD. find and search print the day found after (or with --back\n"
               "before) DATE, or nothing and exit 1 when there is none.\n");
  return kExitBadInput;
}

void PrintCp1252(const std::string& text) { std::fputs(tw::Cp1252ToUtf8(text).c_str(), stdout); }

// A whole decimal number, optionally negative; nothing else, not even blanks.
bool ParseInt(const std::string& text, long* out) {
  size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
  if (i == text.size() || text.size() - i > 9) return false;
  long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
  }
  *out = text[0] == '-' ? -v : v;
  return true;
}

struct Options {
  std::vector<std::string> words;
  std::set<std::string> given;  // the options named on the command line
  std::string dataDir = "data/";
  bool json = false;
  bool sternbild = false;
  bool back = false;
  bool higher = false;
  bool saw = false;
  std::string selectionText = "0";
  std::string cond;
  std::string from, to, format, output;
};

bool ParseOptions(int argc, char** argv, Options* o, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    bool* flag = a == "--json"        ? &o->json
                 : a == "--sternbild" ? &o->sternbild
                 : a == "--back"      ? &o->back
                 : a == "--higher"    ? &o->higher
                 : a == "--saw"       ? &o->saw
                                      : nullptr;
    std::string* value = a == "--data"        ? &o->dataDir
                         : a == "--selection" ? &o->selectionText
                         : a == "--cond"      ? &o->cond
                         : a == "--from"      ? &o->from
                         : a == "--to"        ? &o->to
                         : a == "--format"    ? &o->format
                         : a == "-o"          ? &o->output
                                              : nullptr;
    if (flag) {
      *flag = true;
    } else if (value) {
      if (i + 1 >= argc) {
        *error = a + " needs a value";
        return false;
      }
      *value = argv[++i];
    } else if (a.rfind("--", 0) == 0) {
      *error = "unknown option " + a;
      return false;
    } else {
      o->words.push_back(a);
      continue;
    }
    o->given.insert(a);
  }
  return true;
}

struct Command {
  const char* name;
  size_t arguments;
  std::set<std::string> options;
  int (*run)(const Options&);
};

// --- data ---------------------------------------------------------------------------

bool DataDir(const Options& o, std::string* dir, int* rc) {
  *dir = o.dataDir.empty() ? "./" : o.dataDir;
  if (dir->back() != '/' && dir->back() != '\\') *dir += '/';
  std::error_code ec;
  if (std::filesystem::is_directory(*dir, ec)) return true;
  *rc = Fail("data directory '" + *dir + "' not found");
  return false;
}

bool ParseDay(const std::string& text, const char* what, tw::DayNumber* d, int* rc) {
  if (tw::ParseIsoDate(text, d)) return true;
  *rc = Fail(std::string("unknown ") + what + " '" + text + "' (want YYYY-MM-DD, 1600 .. 2049)");
  return false;
}

bool ParseMoonDay(const std::string& text, tw::DayNumber* d, int* rc) {
  if (!ParseDay(text, "date", d, rc)) return false;
  if (*d >= tw::kFirstMoonDay && *d <= tw::kLastMoonDay) return true;
  *rc = Fail("day " + text + " lies outside the moon data (1950-01-01 .. 2049-12-31)");
  return false;
}

// The moon data (its own message says why it cannot be opened) and the special days.
bool OpenCalendar(const std::string& dir, tw::MoonData& moon, tw::SpecialDayTable& table) {
  if (!moon.Open(dir)) return false;
  table.Load(dir);
  return true;
}

// The recommendation tables and the selection the options name.
bool LoadReco(const Options& o, const std::string& dir, tw::MessageSink& sink, tw::RecoTables* tables,
              int* selection, int* rc) {
  long n = 0;
  if (!ParseInt(o.selectionText, &n) || n < 0 || n >= tw::kRecoSelEntries) {
    *rc = Fail("selection '" + o.selectionText + "' outside 0 .. 127");
    return false;
  }
  std::string error;
  if (!tw::LoadRecoTablesForReport(dir, *tables, sink, &error)) {
    *rc = Fail(error);
    return false;
  }
  if (!tw::SelectionUsable(*tables, static_cast<int>(n))) {
    *rc = Fail("selection " + o.selectionText + " is not in use in " + dir + "RecoSel.dat");
    return false;
  }
  *selection = static_cast<int>(n);
  return true;
}

// --- commands -----------------------------------------------------------------------

int RunDay(const Options& o) {
  int rc = 0;
  tw::DayNumber d = 0;
  std::string dir;
  if (!ParseMoonDay(o.words[1], &d, &rc) || !DataDir(o, &dir, &rc)) return rc;
  StderrSink sink;
  tw::MoonData moon(sink);
  tw::SpecialDayTable table;
  if (!OpenCalendar(dir, moon, table)) return kExitBadInput;
  tw::DayReport report;
  tw::RecoDay recoDay;
  if (!tw::BuildDayReport(moon, &table, d, o.sternbild, &report) ||
      !tw::PrepareRecoDay(moon, d, o.sternbild, &recoDay))
    return Fail("no moon data for " + o.words[1] + " in " + moon.path());
  tw::RecoTables tables;
  int selection = 0;
  if (!LoadReco(o, dir, sink, &tables, &selection, &rc)) return rc;
  report.recoSelection = selection;
  for (const tw::HoldingRecommendation& h : tw::HoldingRecommendations(tables, recoDay, selection))
    report.recommendations.push_back({h.category, tw::RecoCategoryLabels()[h.category - 1], h.name});
  if (o.json) std::fputs(tw::DayReportJson(report).c_str(), stdout);
  else PrintCp1252(tw::DayReportText(report));
  return 0;
}

int RunFind(const Options& o) {
  int rc = 0;
  tw::DayNumber d = 0;
  std::string dir;
  if (!ParseMoonDay(o.words[1], &d, &rc) || !DataDir(o, &dir, &rc)) return rc;
  StderrSink sink;
  tw::MoonData moon(sink);
  if (!moon.Open(dir)) return kExitBadInput;
  // The search stops silently where the data ends; unreadable data must not pass for
  // "no day found".
  if (!moon.Fetch(d)) return Fail("no moon data for " + o.words[1] + " in " + moon.path());
  tw::RecoTables tables;
  int selection = 0;
  if (!LoadReco(o, dir, sink, &tables, &selection, &rc)) return rc;
  tw::DayNumber found = 0;
  if (!tw::FindRecommendedDay(tables, moon, d, o.back ? -1 : 1, selection, o.sternbild, &found))
    return kExitNotFound;
  std::printf("%s\n", tw::IsoDate(found).c_str());
  return 0;
}

// A person's rhythms start on the birthday; no value or search reaches before it.
bool ParsePersonDay(const Options& o, tw::DayNumber* birthday, tw::DayNumber* day, int* rc) {
  if (!ParseDay(o.words[1], "birthday", birthday, rc) || !ParseDay(o.words[2], "date", day, rc))
    return false;
  if (*day >= *birthday) return true;
  *rc = Fail("date " + o.words[2] + " lies before the birthday " + o.words[1]);
  return false;
}

int RunBio(const Options& o) {
  int rc = 0;
  tw::DayNumber birthday = 0, day = 0;
  if (!ParsePersonDay(o, &birthday, &day, &rc)) return rc;
  for (const std::string& line : tw::BioReportLines(birthday, day, o.higher, o.saw, tw::BuiltInRhythmLabels()))
    PrintCp1252(line + "\n");
  return 0;
}

int RunCompat(const Options& o) {
  int rc = 0;
  tw::DayNumber b1 = 0, b2 = 0;
  if (!ParseDay(o.words[1], "birthday", &b1, &rc) || !ParseDay(o.words[2], "birthday", &b2, &rc)) return rc;
  for (const std::string& line : tw::CompatReportLines(b1, b2, o.higher, tw::BuiltInRhythmLabels()))
    PrintCp1252(line + "\n");
  return 0;
}

int RunSearch(const Options& o) {
  int rc = 0;
  tw::DayNumber birthday = 0, day = 0;
  if (!ParsePersonDay(o, &birthday, &day, &rc)) return rc;
  if (!o.given.count("--cond")) return Fail("search needs --cond \"w1,...,w7\"");
  tw::ConditionWords words{};
  std::string error;
  if (!tw::ParseConditionWords(o.cond, &words, &error)) return Fail("--cond: " + error);
  bool any = false;
  for (int r = 0; r < tw::ShownRhythmCount(o.higher); ++r) any = any || words[r] != 0;
  if (!any)
    return Fail(o.higher ? "--cond sets no criterion" : "--cond sets no criterion for rhythms 1..3 (--higher for 4..7)");
  tw::CurveSearchRequest request;
  request.selectedDay = day;
  request.birthday = birthday;
  request.higherCurves = o.higher;
  request.sawtooth = o.saw;
  request.direction = o.back ? -1 : 1;
  request.searchEnd = tw::kLastCalendarDay;
  tw::RecordingSink quiet;  // the no-hit message; the exit code says it here
  const tw::DayNumber found = tw::CurveSearch(request, words, quiet);
  if (found == day) return kExitNotFound;
  std::printf("%s\n", tw::IsoDate(found).c_str());
  return 0;
}

// MEZ times become UTC in the iCalendar file; the period must lie within the moon data.
int RunExport(const Options& o) {
  int rc = 0;
  std::string dir;
  tw::DayNumber from = 0, to = 0;
  if (!o.given.count("--from") || !o.given.count("--to") || !o.given.count("--format"))
    return Fail("export needs --from DATE --to DATE --format csv|ics");
  const bool ics = o.format == "ics";
  if (!ics && o.format != "csv") return Fail("unknown format '" + o.format + "' (want csv or ics)");
  if (!ParseMoonDay(o.from, &from, &rc) || !ParseMoonDay(o.to, &to, &rc)) return rc;
  if (to < from) return Fail("period " + o.from + " .. " + o.to + " ends before it starts");
  if (!DataDir(o, &dir, &rc)) return rc;
  StderrSink sink;
  tw::MoonData moon(sink);
  tw::SpecialDayTable table;
  if (!OpenCalendar(dir, moon, table)) return kExitBadInput;
  tw::RecoTables tables;
  int selection = 0;
  if (!LoadReco(o, dir, sink, &tables, &selection, &rc)) return rc;

  std::FILE* out = stdout;
  if (!o.output.empty() && !(out = std::fopen(o.output.c_str(), "wb")))
    return Fail("cannot write '" + o.output + "'");
  char stamp[24];
  const std::time_t now = std::time(nullptr);
  std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", std::gmtime(&now));
  tw::ExportCollector collector(moon, &table, &tables, selection, o.sternbild);
  auto put = [out](const std::string& text) { std::fwrite(text.data(), 1, text.size(), out); };
  put(ics ? tw::IcsBegin() : tw::CsvHeader(o.sternbild));
  tw::ExportDay day;
  for (tw::DayNumber d = from; d <= to && rc == 0; ++d) {
    if (!collector.Collect(d, &day)) rc = Fail("no moon data for " + tw::IsoDate(d) + " in " + moon.path());
    else put(ics ? tw::IcsDay(day, o.sternbild, selection, stamp) : tw::CsvRow(day, o.sternbild));
  }
  if (ics && rc == 0) put(tw::IcsEnd());
  if (out != stdout && std::fclose(out) != 0 && rc == 0) rc = Fail("cannot write '" + o.output + "'");
  if (out == stdout) std::fflush(stdout);
  if (rc != 0 && out != stdout) std::remove(o.output.c_str());
  return rc;
}

int RunExportReco(const Options& o) {
  int rc = 0;
  std::string dir;
  if (!DataDir(o, &dir, &rc)) return rc;
  StderrSink sink;
  tw::RecoTables tables;
  std::string error;
  if (!tw::LoadRecoTablesForReport(dir, tables, sink, &error)) return Fail(error);
  // Reco.txt ends its lines with CR LF; the terminal gets plain line feeds.
  std::string text = tw::RecoExportText(tables, tw::RecoCategoryLabels()), lf;
  for (char c : text)
    if (c != '\r') lf += c;
  PrintCp1252(lf);
  return 0;
}

int RunEaster(const Options& o) {
  long year = 0;
  if (!ParseInt(o.words[1], &year) || year < 1600 || year > 2099)
    return Fail("year '" + o.words[1] + "' outside 1600 .. 2099");
  std::printf("%s\n", tw::IsoDate(tw::EasterSunday(static_cast<int>(year))).c_str());
  return 0;
}

int RunDayNumber(const Options& o) {
  tw::DayNumber d = 0;
  if (!tw::ParseIsoDate(o.words[1], &d))
    return Fail("unknown date '" + o.words[1] + "' (want YYYY-MM-DD, 1600 .. 2049)");
  std::printf("%d\n", static_cast<int>(d));
  return 0;
}

int RunDate(const Options& o) {
  long n = 0;
  if (!ParseInt(o.words[1], &n) || n < tw::kFirstCalendarDay || n > tw::kLastCalendarDay)
    return Fail("day number '" + o.words[1] + "' outside 0 .. 164358");
  std::printf("%s\n", tw::IsoDate(static_cast<tw::DayNumber>(n)).c_str());
  return 0;
}

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"day", 1, {"--data", "--json", "--sternbild", "--selection"}, RunDay},
      {"find", 1, {"--data", "--back", "--sternbild", "--selection"}, RunFind},
      {"bio", 2, {"--higher", "--saw"}, RunBio},
      {"compat", 2, {"--higher"}, RunCompat},
      {"search", 2, {"--cond", "--back", "--higher", "--saw"}, RunSearch},
      {"export", 0, {"--data", "--from", "--to", "--format", "--selection", "--sternbild", "-o"}, RunExport},
      {"export-reco", 0, {"--data"}, RunExportReco},
      {"easter", 1, {}, RunEaster},
      {"daynumber", 1, {}, RunDayNumber},
      {"date", 1, {}, RunDate},
  };
  return commands;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  std::string error;
  if (!ParseOptions(argc, argv, &o, &error)) {
    Fail(error);
    return Usage();
  }
  if (o.words.empty()) return Usage();
  for (const Command& c : Commands()) {
    if (o.words[0] != c.name) continue;
    if (o.words.size() != c.arguments + 1) return Usage();
    for (const std::string& option : o.given)
      if (!c.options.count(option)) return Fail("option " + option + " does not apply to '" + c.name + "'");
    return c.run(o);
  }
  Fail("unknown command '" + o.words[0] + "'");
  return Usage();
}
