// twcal: the calendar core on the command line, for checking days, Easter and day
// numbers without the program.
//   twcal day YYYY-MM-DD [--data DIR] [--json] [--sternbild]
//   twcal easter YEAR | twcal daynumber YYYY-MM-DD | twcal date N
// Exit codes: 0 done, 2 bad input or unusable data.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "calendar/day_report.h"
#include "calendar/daynumber.h"
#include "calendar/moon_data.h"
#include "calendar/special_days.h"
#include "calendar/year_table.h"
#include "core/platform.h"

namespace {

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
               "usage: twcal day YYYY-MM-DD [--data DIR] [--json] [--sternbild]\n"
               "       twcal easter YEAR\n"
               "       twcal daynumber YYYY-MM-DD\n"
               "       twcal date N\n");
  return kExitBadInput;
}

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
  std::string dataDir = "data/";
  bool json = false;
  bool sternbild = false;
};

bool ParseOptions(int argc, char** argv, Options* o, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--json") {
      o->json = true;
    } else if (a == "--sternbild") {
      o->sternbild = true;
    } else if (a == "--data") {
      if (i + 1 >= argc) {
        *error = "--data needs a directory";
        return false;
      }
      o->dataDir = argv[++i];
    } else if (a.rfind("--", 0) == 0) {
      *error = "unknown option " + a;
      return false;
    } else {
      o->words.push_back(a);
    }
  }
  return true;
}

int RunDay(const Options& o) {
  tw::DayNumber d = 0;
  if (!tw::ParseIsoDate(o.words[1], &d)) return Fail("unknown date '" + o.words[1] + "' (want YYYY-MM-DD)");
  if (d < tw::kFirstMoonDay || d > tw::kLastMoonDay)
    return Fail("day " + o.words[1] + " lies outside the moon data (1950-01-01 .. 2049-12-31)");
  std::string dir = o.dataDir;
  if (dir.empty()) dir = "./";
  if (dir.back() != '/' && dir.back() != '\\') dir += '/';
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) return Fail("data directory '" + dir + "' not found");

  StderrSink sink;
  tw::MoonData moon(sink);
  if (!moon.Open(dir)) return kExitBadInput;
  tw::SpecialDayTable table;
  table.Load(dir);
  tw::DayReport report;
  if (!tw::BuildDayReport(moon, &table, d, o.sternbild, &report))
    return Fail("no moon data for " + o.words[1] + " in " + moon.path());
  std::string text = o.json ? tw::DayReportJson(report) : tw::Cp1252ToUtf8(tw::DayReportText(report));
  std::fputs(text.c_str(), stdout);
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

}  // namespace

int main(int argc, char** argv) {
  Options o;
  std::string error;
  if (!ParseOptions(argc, argv, &o, &error)) {
    Fail(error);
    return Usage();
  }
  if (o.words.size() != 2) return Usage();
  const std::string& command = o.words[0];
  if (command == "day") return RunDay(o);
  if (command == "easter") return RunEaster(o);
  if (command == "daynumber") return RunDayNumber(o);
  if (command == "date") return RunDate(o);
  Fail("unknown command '" + command + "'");
  return Usage();
}
