#include "calendar/moon_data.h"

#include <new>
#include <type_traits>
#ifdef _WIN32
#include <share.h>
#endif

#include "calendar/moon_messages.h"

namespace tw {

// The window is read straight into the records: they are nothing but their 16 bytes.
static_assert(sizeof(MoonDayRecord) == kMoonRecordSize);
static_assert(std::is_trivially_copyable_v<MoonDayRecord>);

bool MoonData::Open(const std::string& dataDir) {
  Close();
  path_ = dataDir + "Moon.dat";
#ifdef _WIN32
  // Nobody may rewrite the data while the program reads windows of it.
  file_ = _fsopen(path_.c_str(), "rb", _SH_DENYWR);
#else
  file_ = std::fopen(path_.c_str(), "rb");
#endif
  if (!file_) {
    sink_.ShowMessage(kMsgError, kMsgMoonFileMissing, {path_});
    return false;
  }
  window_.reset(new (std::nothrow) MoonDayRecord[kMoonWindowRecords]);
  if (!window_) {
    std::fclose(file_);
    file_ = nullptr;
    sink_.ShowMessage(kMsgError, kMsgMoonNoMemory);
    return false;
  }
  return true;
}

void MoonData::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  window_.reset();
  windowFirst_ = windowLast_ = -1;
}

bool MoonData::FillWindow(DayNumber start) {
  long offset = static_cast<long>(start - kFirstMoonDay) * kMoonRecordSize;
  constexpr size_t kBytes = static_cast<size_t>(kMoonWindowRecords) * kMoonRecordSize;
  bool ok = std::fseek(file_, offset, SEEK_SET) == 0 && std::ftell(file_) == offset &&
            std::fread(window_.get(), 1, kBytes, file_) == kBytes;
  if (!ok) {
    // A damaged file would fail again on every day; give up on moon data for this run.
    Close();
    sink_.ShowMessage(kMsgError, kMsgMoonFileRead, {path_});
    return false;
  }
  windowFirst_ = start;
  windowLast_ = start + kMoonWindowRecords - 1;
  return true;
}

const MoonDayRecord* MoonData::Fetch(DayNumber d) {
  if (!window_ || d < kFirstMoonDay || d > kLastMoonDay) return nullptr;
  if (windowFirst_ < 0 || d < windowFirst_ || d > windowLast_) {
    DayNumber start = d - kMoonWindowRecords / 2;
    if (start < kFirstMoonDay)
      start = kFirstMoonDay;
    else if (start + kMoonWindowRecords > kLastMoonDay + 1)
      start = kLastMoonDay - (kMoonWindowRecords - 1);
    if (!FillWindow(start)) return nullptr;
  }
  lastFetched_ = d;
  return &window_[d - windowFirst_];
}

const MoonDayRecord* MemoryMoonData::Fetch(DayNumber d) {
  if (d < first_ || d - first_ >= static_cast<DayNumber>(records_.size())) return nullptr;
  lastFetched_ = d;
  return &records_[d - first_];
}

}  // namespace tw
