#include "calendar/day_report.h"

#include <cstdio>

#include "calendar/moon_derived.h"
#include "calendar/special_days.h"
#include "calendar/year_table.h"
#include "core/rtf_builder.h"

namespace tw {

namespace {

const char* const kSignNames[12] = {"Widder", "Stier",     "Zwillinge", "Krebs",
                                    "Löwe",   "Jungfrau",  "Waage",     "Skorpion",
                                    "Schütze", "Steinbock", "Wassermann", "Fische"};
const char* const kElementNames[4] = {"Feuer", "Erde", "Luft", "Wasser"};
const char* const kWeekdayNames[7] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                      "Freitag", "Samstag",  "Sonntag"};

struct TimeField {
  const char* name;
  MoonEvent event;
};
constexpr TimeField kTimeFields[kMoonEventCount] = {
    {"seasonTime", MoonEvent::Season},
    {"sunSignTime", MoonEvent::SunSign},
    {"sunConstellationTime", MoonEvent::SunConstellation},
    {"moonSignTime", MoonEvent::MoonSign},
    {"moonConstellationTime", MoonEvent::MoonConstellation},
    {"phaseTime", MoonEvent::Phase},
    {"heightTime", MoonEvent::Height},
    {"distanceTime", MoonEvent::Distance},
    {"nodeTime", MoonEvent::Node},
};

// A magnitude shares its byte with its event's time: it exists only without that event.
struct Magnitude {
  const char* name;
  MoonEvent event;
  int (MoonDayRecord::*value)() const;
};
constexpr Magnitude kMagnitudes[3] = {
    {"illumination", MoonEvent::Phase, &MoonDayRecord::illumination},
    {"height", MoonEvent::Height, &MoonDayRecord::height},
    {"distance", MoonEvent::Distance, &MoonDayRecord::distance},
};

struct IntField {
  const char* name;
  int value;
};

std::string JsonString(std::string_view cp1252) {
  std::string out = "\"";
  for (char c : Cp1252ToUtf8(cp1252)) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// Writes `"name": value` pairs as one line of a JSON object.
class JsonLine {
 public:
  void Add(const char* name, const std::string& jsonValue) {
    text_ += text_.empty() ? "{" : ", ";
    text_ += "\"";
    text_ += name;
    text_ += "\": " + jsonValue;
  }
  void Add(const char* name, int value) { Add(name, std::to_string(value)); }
  std::string Done() const { return text_.empty() ? "{}" : text_ + "}"; }

 private:
  std::string text_;
};

std::vector<IntField> RecordFlags(const MoonDayRecord& m) {
  return {{"waxing", m.waxing()},
          {"ascending", m.ascending()},
          {"approaching", m.approaching()},
          {"nodeKind", m.nodeKind()}};
}
std::vector<IntField> RecordSigns(const MoonDayRecord& m) {
  return {{"sunSign", m.sunSign()},
          {"sunConstellation", m.sunConstellation()},
          {"moonSign", m.moonSign()},
          {"moonConstellation", m.moonConstellation()}};
}
std::vector<IntField> AttributeFields(const DayAttributes& a) {
  return {{"phase", a.phase},       {"height", a.height},     {"distance", a.distance},
          {"node", a.node},         {"sunSign", a.sunSign},   {"moonSign", a.moonSign},
          {"month", a.month},       {"weekday", a.weekday},   {"season", a.season}};
}

int SeasonStartedOrNone(const MoonDayRecord& m) {
  return m.HasEvent(MoonEvent::Season) ? SeasonStarted(m) : -1;
}

void TextLine(std::string& out, int indent, const char* name, const std::string& value) {
  std::string line(indent, ' ');
  line += name;
  while (line.size() < 24) line += ' ';
  out += line + value + "\n";
}

}  // namespace

bool BuildDayReport(MoonRecordSource& moon, SpecialDayTable* table, DayNumber d, bool sternbild,
                    DayReport* out) {
  DayReport r;
  r.day = d;
  r.sternbild = sternbild;
  DateFromDay(d, &r.year, &r.month, &r.dayOfMonth);
  if (table) {
    YearTable year;
    r.holiday = HolidayTest(d, *table, year);
    SpecialTextOptions options;
    options.oneLine = true;
    options.holidays = options.nameDays = options.birthdays = true;
    char buffer[4096] = {};
    RtfStyle style;
    char* end = SpecialDaysText(buffer, buffer + sizeof buffer, d, options, *table, year, style);
    r.specialDays.assign(buffer, static_cast<size_t>(end - buffer));
    // The one-line form ends with a line break; the report keeps only the names.
    while (!r.specialDays.empty() && (r.specialDays.back() == '\n' || r.specialDays.back() == '\r'))
      r.specialDays.pop_back();
  }
  if (!ComputeDayAttributes(moon, d, r.month - 1, WeekdayMonday(d), sternbild, &r.attributes))
    return false;
  const MoonDayRecord* rec = moon.Fetch(d);
  if (!rec) return false;
  r.record = *rec;
  *out = std::move(r);
  return true;
}

std::string DayReportJson(const DayReport& r) {
  const MoonDayRecord& m = r.record;
  JsonLine record;
  for (const IntField& f : RecordFlags(m)) record.Add(f.name, f.value);
  for (const IntField& f : RecordSigns(m)) record.Add(f.name, f.value);
  for (const TimeField& f : kTimeFields) {
    int t = m.EventTime(f.event);
    record.Add(f.name, t == kNoEvent ? std::string("null") : JsonString(EventClock(t)));
  }
  for (const Magnitude& f : kMagnitudes)
    record.Add(f.name, m.HasEvent(f.event) ? std::string("null") : std::to_string((m.*f.value)()));

  JsonLine derived;
  derived.Add("sunElement", ElementOf(SunPosition(m, r.sternbild).sign));
  derived.Add("moonElement", ElementOf(MoonPosition(m, r.sternbild).sign));
  derived.Add("phasePicture", PhasePicture(m));
  derived.Add("moonSize", MoonSizePercent(m));
  int started = SeasonStartedOrNone(m);
  derived.Add("seasonStarted", started < 0 ? std::string("null") : std::to_string(started));

  JsonLine attributes;
  for (const IntField& f : AttributeFields(r.attributes)) attributes.Add(f.name, f.value);

  std::string out = "{\n";
  out += "  \"date\": " + JsonString(IsoDate(r.day)) + ",\n";
  out += "  \"dayNumber\": " + std::to_string(r.day) + ",\n";
  out += "  \"sternbild\": " + std::to_string(r.sternbild ? 1 : 0) + ",\n";
  out += "  \"record\": " + record.Done() + ",\n";
  out += "  \"derived\": " + derived.Done() + ",\n";
  out += "  \"attributes\": " + attributes.Done() + ",\n";
  out += "  \"holiday\": " + std::to_string(r.holiday) + ",\n";
  out += "  \"specialDays\": " + JsonString(r.specialDays);
  if (r.recoSelection >= 0) {
    out += ",\n  \"selection\": " + std::to_string(r.recoSelection) + ",\n";
    out += "  \"recommendations\": [";
    for (size_t i = 0; i < r.recommendations.size(); ++i) {
      JsonLine item;
      item.Add("category", r.recommendations[i].category);
      item.Add("name", JsonString(r.recommendations[i].name));
      out += (i == 0 ? "\n    " : ",\n    ") + item.Done();
    }
    out += r.recommendations.empty() ? "]" : "\n  ]";
  }
  out += "\n}\n";
  return out;
}

std::string DayReportText(const DayReport& r) {
  const MoonDayRecord& m = r.record;
  std::string out;
  TextLine(out, 0, "date", IsoDate(r.day) + " " + kWeekdayNames[WeekdayMonday(r.day)]);
  TextLine(out, 0, "dayNumber", std::to_string(r.day));
  TextLine(out, 0, "positions", r.sternbild ? "Sternbild" : "Sternzeichen");
  out += "record\n";
  for (const IntField& f : RecordFlags(m)) TextLine(out, 2, f.name, std::to_string(f.value));
  for (const IntField& f : RecordSigns(m))
    TextLine(out, 2, f.name, std::to_string(f.value) + " " + kSignNames[SignIndex(f.value)]);
  for (const TimeField& f : kTimeFields) {
    int t = m.EventTime(f.event);
    TextLine(out, 2, f.name, t == kNoEvent ? "-" : EventClock(t));
  }
  for (const Magnitude& f : kMagnitudes)
    TextLine(out, 2, f.name, m.HasEvent(f.event) ? "-" : std::to_string((m.*f.value)()));
  out += "derived\n";
  TextLine(out, 2, "sunElement", kElementNames[ElementOf(SunPosition(m, r.sternbild).sign)]);
  TextLine(out, 2, "moonElement", kElementNames[ElementOf(MoonPosition(m, r.sternbild).sign)]);
  TextLine(out, 2, "phasePicture", std::to_string(PhasePicture(m)));
  TextLine(out, 2, "moonSize", std::to_string(MoonSizePercent(m)) + "%");
  int started = SeasonStartedOrNone(m);
  TextLine(out, 2, "seasonStarted", started < 0 ? "-" : std::to_string(started));
  out += "attributes\n";
  for (const IntField& f : AttributeFields(r.attributes)) TextLine(out, 2, f.name, std::to_string(f.value));
  TextLine(out, 0, "holiday", std::to_string(r.holiday));
  TextLine(out, 0, "specialDays", r.specialDays.empty() ? "-" : r.specialDays);
  if (r.recoSelection >= 0) {
    TextLine(out, 0, "selection", std::to_string(r.recoSelection));
    if (r.recommendations.empty()) {
      TextLine(out, 0, "recommendations", "-");
    } else {
      out += "recommendations\n";
      for (const DayReport::Recommendation& h : r.recommendations) TextLine(out, 2, h.categoryLabel.c_str(), h.name);
    }
  }
  return out;
}

std::string IsoDate(DayNumber d) {
  int y = 0, m = 0, day = 0;
  DateFromDay(d, &y, &m, &day);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, day);
  return buf;
}

bool ParseIsoDate(std::string_view text, DayNumber* out) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int parts[3] = {0, 0, 0};
  const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
  for (int p = 0; p < 3; ++p) {
    for (int i = 0; i < lengths[p]; ++i) {
      char c = text[starts[p] + i];
      if (c < '0' || c > '9') return false;
      parts[p] = parts[p] * 10 + (c - '0');
    }
  }
  const int y = parts[0], m = parts[1], d = parts[2];
  if (y < 1600 || y > kLastCalendarYear || m < 1 || m > 12 || d < 1 || d > MonthLength(y, m))
    return false;
  *out = DayFromDate(y, m, d);
  return true;
}

std::string EventClock(int minutes) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", minutes / 60, minutes % 60);
  return buf;
}


}  // namespace tw
