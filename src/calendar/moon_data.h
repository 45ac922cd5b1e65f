// Reader of Moon.dat: one 16-byte record per day, 1 January 1950 .. 31 December 2049.
// A window of 4096 consecutive records (64 KiB) stays in memory, centred on the day asked
// for, so that painting and condition tests over consecutive days are memory accesses.
#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/daynumber.h"
#include "calendar/moon_record.h"
#include "core/platform.h"

namespace tw {

constexpr int kMoonWindowRecords = 4096;
constexpr int kMoonFileRecords = kLastMoonDay - kFirstMoonDay + 1;  // 36,525
constexpr long kMoonFileSize = static_cast<long>(kMoonFileRecords) * kMoonRecordSize;

// Where day records come from. The pointer returned by Fetch stays valid only until the
// next Fetch: a caller that needs two days fetches the second, reads it, and fetches the
// first again.
class MoonRecordSource {
 public:
  virtual ~MoonRecordSource() = default;
  // The record of day d, or nullptr when d has none. Every successful fetch makes d the
  // day fetched last.
  virtual const MoonDayRecord* Fetch(DayNumber d) = 0;
  // -1 before the first successful fetch.
  DayNumber LastFetched() const { return lastFetched_; }

 protected:
  DayNumber lastFetched_ = -1;
};

class MoonData : public MoonRecordSource {
 public:
  explicit MoonData(MessageSink& sink) : sink_(sink) {}
  ~MoonData() override { Close(); }
  MoonData(const MoonData&) = delete;
  MoonData& operator=(const MoonData&) = delete;

  // dataDir ends with its separator. Shows 3016 or 3020 and returns false on failure.
  bool Open(const std::string& dataDir);
  // After a failed read (message 3017) the store stays closed for the rest of the run.
  const MoonDayRecord* Fetch(DayNumber d) override;
  void Close();

  bool IsOpen() const { return window_ != nullptr; }
  const std::string& path() const { return path_; }
  // The days held in the window; both -1 when it is empty.
  DayNumber windowFirst() const { return windowFirst_; }
  DayNumber windowLast() const { return windowLast_; }

 private:
  bool FillWindow(DayNumber start);

  MessageSink& sink_;
  std::string path_;
  std::FILE* file_ = nullptr;
  std::unique_ptr<MoonDayRecord[]> window_;
  DayNumber windowFirst_ = -1;
  DayNumber windowLast_ = -1;
};

// Records held in memory, for tests and tools that build their own days.
class MemoryMoonData : public MoonRecordSource {
 public:
  MemoryMoonData(DayNumber first, std::vector<MoonDayRecord> records)
      : first_(first), records_(std::move(records)) {}
  const MoonDayRecord* Fetch(DayNumber d) override;
  DayNumber first() const { return first_; }
  std::vector<MoonDayRecord>& records() { return records_; }

 private:
  DayNumber first_;
  std::vector<MoonDayRecord> records_;
};

}  // namespace tw
