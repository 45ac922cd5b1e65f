// The 16-byte day record of Moon.dat and its 11-bit event times.
#pragma once
#include <array>
#include <cstdint>

namespace tw {

constexpr int kMoonRecordSize = 16;
constexpr int kNoEvent = -1;  // an event time that does not happen on the day

// The nine events a day record can carry.
enum class MoonEvent : int {
  Season = 0,
  SunSign,
  SunConstellation,
  MoonSign,
  MoonConstellation,
  Phase,
  Height,
  Distance,
  Node,
};
constexpr int kMoonEventCount = 9;

// Decoded view of one record. `bytes` is the stored form; the accessors read it in place.
struct MoonDayRecord {
  std::array<uint8_t, kMoonRecordSize> bytes{};

  static MoonDayRecord FromBytes(const uint8_t* p);

  bool waxing() const { return bytes[0] & 0x01; }
  bool ascending() const { return bytes[0] & 0x02; }
  bool approaching() const { return bytes[0] & 0x04; }
  int nodeKind() const { return (bytes[0] >> 3) & 1; }
  int sunSign() const { return bytes[1] >> 4; }
  int sunConstellation() const { return bytes[1] & 0x0F; }
  int moonSign() const { return bytes[2] >> 4; }
  int moonConstellation() const { return bytes[2] & 0x0F; }

  // 3-bit high part of an event time; 7 = no event that day.
  int EventHigh(MoonEvent e) const;
  // Minutes after midnight 0..1439, or kNoEvent.
  int EventTime(MoonEvent e) const;
  bool HasEvent(MoonEvent e) const { return EventHigh(e) != 7; }

  int seasonTime() const { return EventTime(MoonEvent::Season); }
  int sunSignTime() const { return EventTime(MoonEvent::SunSign); }
  int sunConstellationTime() const { return EventTime(MoonEvent::SunConstellation); }
  int moonSignTime() const { return EventTime(MoonEvent::MoonSign); }
  int moonConstellationTime() const { return EventTime(MoonEvent::MoonConstellation); }
  int phaseTime() const { return EventTime(MoonEvent::Phase); }
  int heightTime() const { return EventTime(MoonEvent::Height); }
  int distanceTime() const { return EventTime(MoonEvent::Distance); }
  int nodeTime() const { return EventTime(MoonEvent::Node); }

  // Magnitudes share the low byte with their event's time: meaningful without that event.
  int illumination() const { return bytes[12]; }
  int height() const { return bytes[14]; }
  int distance() const { return bytes[15]; }

  // Writers, for the generator and for tests.
  void SetWaxing(bool v) { SetBit(0, 0x01, v); }
  void SetAscending(bool v) { SetBit(0, 0x02, v); }
  void SetApproaching(bool v) { SetBit(0, 0x04, v); }
  void SetNodeKind(int v) { SetBit(0, 0x08, v != 0); }
  void SetSunSign(int s) { bytes[1] = static_cast<uint8_t>((bytes[1] & 0x0F) | ((s & 15) << 4)); }
  void SetSunConstellation(int s) { bytes[1] = static_cast<uint8_t>((bytes[1] & 0xF0) | (s & 15)); }
  void SetMoonSign(int s) { bytes[2] = static_cast<uint8_t>((bytes[2] & 0x0F) | ((s & 15) << 4)); }
  void SetMoonConstellation(int s) { bytes[2] = static_cast<uint8_t>((bytes[2] & 0xF0) | (s & 15)); }
  // minutes 0..1439, or kNoEvent (high part 7; the low byte is left as it is).
  void SetEventTime(MoonEvent e, int minutes);
  void SetIllumination(int v) { bytes[12] = static_cast<uint8_t>(v); }
  void SetHeight(int v) { bytes[14] = static_cast<uint8_t>(v); }
  void SetDistance(int v) { bytes[15] = static_cast<uint8_t>(v); }

 private:
  void SetBit(int byte, uint8_t mask, bool v) {
    bytes[byte] = static_cast<uint8_t>(v ? (bytes[byte] | mask) : (bytes[byte] & ~mask));
  }
  void SetEventHigh(MoonEvent e, int high);
};

// A record with every event absent (high parts 7) and all other bits 0.
MoonDayRecord EmptyMoonRecord();

}  // namespace tw
