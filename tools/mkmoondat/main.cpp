// mkmoondat: writes, lists and checks the moon data file.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "check.h"
#include "records.h"

using namespace tw;
using namespace tw::moondat;

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: mkmoondat -o FILE [--utc-offset MINUTES] [--ephe-path DIR] [--threads N] [--time]\n"
               "       mkmoondat --dump FROM TO [FILE]   (dates YYYY-MM-DD; without FILE the days are computed)\n"
               "       mkmoondat --check FILE\n");
  return 2;
}

bool ParseDate(const char* text, DayNumber* day) {
  int y, m, d;
  char extra;
  if (std::sscanf(text, "%d-%d-%d%c", &y, &m, &d, &extra) != 3) return false;
  if (y < 1950 || y > 2049 || m < 1 || m > 12 || d < 1 || d > MonthLength(y, m)) return false;
  *day = DayFromDate(y, m, d);
  return true;
}

bool ReadFile(const std::string& path, std::vector<uint8_t>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int Check(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!ReadFile(path, &bytes)) {
    std::fprintf(stderr, "mkmoondat: cannot read %s\n", path.c_str());
    return 1;
  }
  std::vector<std::string> problems;
  FileCounts n;
  bool ok = CheckFile(bytes, &problems, &n);
  for (const std::string& p : problems) std::fprintf(stderr, "%s\n", p.c_str());
  std::printf(
      "%s: %d new moons, %d full moons, %d season starts, %d/%d sun sign/constellation changes, "
      "%d/%d moon sign/constellation changes, %d height, %d distance, %d node events: %s\n",
      path.c_str(), n.newMoons, n.fullMoons, n.seasonStarts, n.sunSignChanges, n.sunConstellationChanges,
      n.moonSignChanges, n.moonConstellationChanges, n.heightEvents, n.distanceEvents, n.nodeEvents,
      ok ? "OK" : "FAILED");
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  GenerateOptions options;
  options.threads = static_cast<int>(std::thread::hardware_concurrency());
  std::string output, checkPath, dumpPath;
  bool dump = false, timing = false;
  DayNumber from = 0, to = 0;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    bool more = i + 1 < argc;
    if (a == "-o" && more) {
      output = argv[++i];
    } else if (a == "--utc-offset" && more) {
      char* end;
      long v = std::strtol(argv[++i], &end, 10);
      if (*end || v < -720 || v > 840) return Usage();
      options.utcOffsetMinutes = static_cast<int>(v);
    } else if (a == "--ephe-path" && more) {
      options.ephePath = argv[++i];
    } else if (a == "--threads" && more) {
      options.threads = std::atoi(argv[++i]);
      if (options.threads < 1 || options.threads > 64) return Usage();
    } else if (a == "--time") {
      timing = true;
    } else if (a == "--check" && more) {
      checkPath = argv[++i];
    } else if (a == "--dump" && i + 2 < argc) {
      dump = true;
      if (!ParseDate(argv[i + 1], &from) || !ParseDate(argv[i + 2], &to) || from > to) return Usage();
      i += 2;
      if (i + 1 < argc && argv[i + 1][0] != '-') dumpPath = argv[++i];
    } else {
      return Usage();
    }
  }
  if (!checkPath.empty()) return Check(checkPath);

  std::vector<DayValues> days;
  std::string error;
  if (dump && !dumpPath.empty()) {
    std::vector<uint8_t> bytes;
    if (!ReadFile(dumpPath, &bytes) || bytes.size() < kMoonFileSize) {
      std::fprintf(stderr, "mkmoondat: %s is not a complete moon data file\n", dumpPath.c_str());
      return 1;
    }
    for (DayNumber d = from; d <= to; ++d)
      days.push_back(DecodeDay(MoonDayRecord::FromBytes(&bytes[static_cast<size_t>(d - kFirstMoonDay) * kMoonRecordSize])));
    DumpDays(stdout, from, days);
    return 0;
  }
  if (!dump && output.empty()) return Usage();

  auto start = std::chrono::steady_clock::now();
  Ephemeris eph;
  if (!eph.Open(options.ephePath, &error)) {
    std::fprintf(stderr, "mkmoondat: %s\n", error.c_str());
    return 1;
  }
  if (dump) {
    if (!GenerateDays(eph, options, from, to, &days, &error)) {
      std::fprintf(stderr, "mkmoondat: %s\n", error.c_str());
      return 1;
    }
    DumpDays(stdout, from, days);
    return 0;
  }
  std::vector<uint8_t> bytes;
  if (!GenerateFile(eph, options, &bytes, &error)) {
    std::fprintf(stderr, "mkmoondat: %s\n", error.c_str());
    return 1;
  }
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "mkmoondat: cannot write %s\n", output.c_str());
    return 1;
  }
  if (timing) {
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "mkmoondat: %zu records written in %.2f s\n", bytes.size() / kMoonRecordSize, s);
  }
  return 0;
}
