// Small interfaces through which the portable core reaches the platform.
// The program passes Win32 implementations; tests and tools pass the ones below.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace tw {

// One argument of a numbered message: a 32-bit number ("%d", "%u", "%x") or a text ("%s").
struct MessageArg {
  bool isText = false;
  int32_t number = 0;
  const char* text = nullptr;
  MessageArg(int v) : number(v) {}
  MessageArg(long v) : number(static_cast<int32_t>(v)) {}
  MessageArg(unsigned v) : number(static_cast<int32_t>(v)) {}
  MessageArg(const char* s) : isText(true), text(s ? s : "") {}
  MessageArg(const std::string& s) : isText(true), text(s.c_str()) {}
};

// Message box styles the program passes as `type`.
enum MessageType : int {
  kMsgOk = 0,
  kMsgYesNoCancel = 3,
  kMsgYesNo = 4,
  kMsgError = 16,
  kMsgWarning = 48,
};
enum MessageAnswer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

// Shows message `id` of the resource library formatted with `args`; returns the answer.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual int Show(int type, int id, const std::vector<MessageArg>& args) = 0;
  int ShowMessage(int type, int id, std::initializer_list<MessageArg> args = {}) {
    return Show(type, id, std::vector<MessageArg>(args));
  }
};

// Records every message; answers with a preset value. For tests and tools.
class RecordingSink : public MessageSink {
 public:
  struct Entry {
    int type;
    int id;
    std::vector<std::string> args;  // numbers rendered with %d
  };
  std::vector<Entry> entries;
  int answer = kAnswerOk;
  int Show(int type, int id, const std::vector<MessageArg>& args) override;
  bool Has(int id) const;
};

// Get/set of one value by section and key, as an initialization file holds them.
class Profile {
 public:
  virtual ~Profile() = default;
  // False when the key is absent; `out` is left unchanged then.
  virtual bool Get(const std::string& section, const std::string& key, std::string& out) const = 0;
  virtual void Set(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// In-memory profile; also the base of the file-backed one.
class MemoryProfile : public Profile {
 public:
  bool Get(const std::string& section, const std::string& key, std::string& out) const override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;
  // Section and key names compare case-insensitively, as the Win32 profile functions do.
  struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  using Section = std::map<std::string, std::string, NoCase>;
  std::map<std::string, Section, NoCase> sections;
  std::vector<std::string> sectionOrder;  // keeps the file's order when written back
};

// Initialization file ("[Section]" lines and "key=value" lines), handled as the Win32
// profile functions handle it: the first of duplicate sections or keys counts, a value in
// quotes is read without them, and writing edits the file in place, so comments, blank
// lines and the order of keys survive; a new key goes to the end of its section, a new
// section to the end of the file. Every Set writes the file back at once, so a crash never
// loses an already written setting.
class FileProfile : public MemoryProfile {
 public:
  explicit FileProfile(std::string path);
  // Line breaks in a key or value are dropped: they would split the entry into two lines.
  void Set(const std::string& section, const std::string& key, const std::string& value) override;
  bool Save() const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> lines_;  // the file's lines without their line ends
};

// Today as a calendar date taken from the system clock in UTC.
struct CivilDate {
  int year = 0, month = 0, day = 0;
};
class Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilDate TodayUtc() const = 0;
};
class SystemClock : public Clock {
 public:
  CivilDate TodayUtc() const override;
};
class FixedClock : public Clock {
 public:
  explicit FixedClock(CivilDate d) : date(d) {}
  CivilDate date;
  CivilDate TodayUtc() const override { return date; }
};

// Regional values read once at start from the user's locale.
struct LocaleValues {
  int dateOrder = 1;         // 0 month-day-year, 1 day-month-year, 2 year-month-day
  char dateSeparator = '.';  // only the first character of the locale's separator
  int centuryFlag = 1;       // 1 = four-digit years
  int dayLeadingZero = 1;
  int monthLeadingZero = 1;
  int timeLeadingZero = 1;
  int measurement = 0;  // 0 metric, 1 U.S.
  int country = 49;     // telephone country code; 0 counts as 49
};

}  // namespace tw
