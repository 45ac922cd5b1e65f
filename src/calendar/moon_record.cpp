#include "calendar/moon_record.h"

#include <cstring>

namespace tw {

namespace {
// Where the high part of each event time lives: byte and bit shift (3 bits), and the byte
// of its low part. The season's high part is split (see below).
struct HighSlot {
  int byte;
  int shift;
  int lowByte;
};
constexpr HighSlot kSlots[kMoonEventCount] = {
    {-1, 0, 7},  // season: bit 2 in byte 5 bit 6, bits 0..1 in byte 6 bits 6..7
    {3, 3, 8},   // sun sign
    {3, 0, 9},   // sun constellation
    {4, 3, 10},  // moon sign
    {4, 0, 11},  // moon constellation
    {5, 3, 12},  // phase
    {6, 3, 14},  // height
    {6, 0, 15},  // distance
    {5, 0, 13},  // node
};
}  // namespace

MoonDayRecord MoonDayRecord::FromBytes(const uint8_t* p) {
  MoonDayRecord r;
  std::memcpy(r.bytes.data(), p, kMoonRecordSize);
  return r;
}

int MoonDayRecord::EventHigh(MoonEvent e) const {
  int i = static_cast<int>(e);
  if (e == MoonEvent::Season) return (((bytes[5] >> 6) & 1) << 2) | ((bytes[6] >> 6) & 3);
  return (bytes[kSlots[i].byte] >> kSlots[i].shift) & 7;
}

int MoonDayRecord::EventTime(MoonEvent e) const {
  int h = EventHigh(e);
  if (h == 7) return kNoEvent;
  return 256 * h + bytes[kSlots[static_cast<int>(e)].lowByte];
}

void MoonDayRecord::SetEventHigh(MoonEvent e, int high) {
  int i = static_cast<int>(e);
  if (e == MoonEvent::Season) {
    bytes[5] = static_cast<uint8_t>((bytes[5] & ~0x40) | (((high >> 2) & 1) << 6));
    bytes[6] = static_cast<uint8_t>((bytes[6] & ~0xC0) | ((high & 3) << 6));
    return;
  }
  const HighSlot& s = kSlots[i];
  bytes[s.byte] = static_cast<uint8_t>((bytes[s.byte] & ~(7 << s.shift)) | ((high & 7) << s.shift));
}

void MoonDayRecord::SetEventTime(MoonEvent e, int minutes) {
  if (minutes < 0 || minutes > 1439) {
    SetEventHigh(e, 7);
    return;
  }
  SetEventHigh(e, minutes / 256);
  bytes[kSlots[static_cast<int>(e)].lowByte] = static_cast<uint8_t>(minutes % 256);
}

MoonDayRecord EmptyMoonRecord() {
  MoonDayRecord r;
  for (int e = 0; e < kMoonEventCount; ++e) r.SetEventTime(static_cast<MoonEvent>(e), kNoEvent);
  return r;
}

}  // namespace tw
