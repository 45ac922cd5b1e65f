// The recommendation record, the selection entry and the 768-bit slot maps, as stored in
// Reco.dat (256 bytes per slot) and RecoSel.dat (128 bytes per entry).
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace tw {

constexpr int kRecoSlots = 768;
constexpr int kRecoRecordSize = 256;
constexpr int kRecoTableSize = kRecoSlots * kRecoRecordSize;  // 196,608
constexpr int kRecoSelEntries = 128;
constexpr int kRecoSelEntrySize = 128;
constexpr int kRecoSelTableSize = kRecoSelEntries * kRecoSelEntrySize;  // 16,384
constexpr int kSlotMapBytes = kRecoSlots / 8;                            // 96

constexpr int kRecoNameSize = 100;  // at most 99 characters + NUL
constexpr int kRecoSelNameSize = 31;
constexpr int kRecoSelNameMax = 29;  // what the dialogs let the user type
constexpr int kFixedDayEntries = 31;

// Two-bit code of one condition value.
enum CondMode : uint8_t {
  kCondAny = 0,
  kCondExcluded = 1,
  kCondRequired = 2,
  kCondMixed = 3,  // tree nodes only, never stored in a leaf slot
};

// Byte offsets of the condition fields; the conditions catalogue addresses fields by these.
// The 64-bit phase field is two 32-bit fields: slots 0..15 at 0, slots 16..31 at 4.
constexpr int kOffPhaseCond = 0;
constexpr int kOffPhaseCondHigh = 4;
constexpr int kOffHeightCond = 8;
constexpr int kOffDistanceCond = 12;
constexpr int kOffNodeCond = 16;
constexpr int kOffMoonSignCond = 20;
constexpr int kOffSunSignCond = 24;
constexpr int kOffMonthCond = 28;
constexpr int kOffWeekdayCond = 32;
constexpr int kOffFixedDays = 36;
constexpr int kOffOtherDays = 98;
constexpr int kOffSeasonCond = 102;  // one byte
constexpr int kOffSignsEither = 103;  // one byte
constexpr int kOffListItem = 136;
constexpr int kOffSelItem = 140;
constexpr int kOffColorIndex = 148;
constexpr int kOffStyleIndex = 149;
constexpr int kOffGroupLink = 150;
constexpr int kOffName = 152;
constexpr int kOffCategory = 253;

// Slot k of a condition field lives in bits 2k..2k+1.
inline CondMode GetCond(uint64_t field, int slot) {
  return static_cast<CondMode>((field >> (2 * slot)) & 3);
}
inline uint32_t WithCond(uint32_t field, int slot, CondMode mode) {
  const int shift = 2 * slot;
  return (field & ~(3u << shift)) | (static_cast<uint32_t>(mode & 3) << shift);
}
inline uint64_t WithCond64(uint64_t field, int slot, CondMode mode) {
  const int shift = 2 * slot;
  return (field & ~(uint64_t{3} << shift)) | (static_cast<uint64_t>(mode & 3) << shift);
}

// A fixedDays entry: DayCode in bits 0..13, CondMode in bits 14..15.
constexpr uint16_t kDayCodeMask = 0x3FFF;
inline int FixedDayCode(uint16_t entry) { return entry & kDayCodeMask; }
inline CondMode FixedDayMode(uint16_t entry) { return static_cast<CondMode>(entry >> 14); }
inline uint16_t MakeFixedDay(int code, CondMode mode) {
  return static_cast<uint16_t>((code & kDayCodeMask) | ((mode & 3) << 14));
}

// 768 bits, one per recommendation slot: bit n in byte n / 8 under mask 0x80 >> (n % 8).
struct SlotMap {
  std::array<uint8_t, kSlotMapBytes> bytes{};

  bool Get(int n) const { return (bytes[n >> 3] & (0x80 >> (n & 7))) != 0; }
  void Set(int n, bool on) {
    const uint8_t mask = static_cast<uint8_t>(0x80 >> (n & 7));
    bytes[n >> 3] = static_cast<uint8_t>(on ? (bytes[n >> 3] | mask) : (bytes[n >> 3] & ~mask));
  }
  void Fill(bool on) { bytes.fill(on ? 0xFF : 0x00); }
  bool operator==(const SlotMap&) const = default;
};

// One slot of Reco.dat, decoded. Reserved bytes are kept so a record is written back exactly
// as it was read.
struct RecoRecord {
  uint64_t phaseCond = 0;  // 30 slots used
  uint32_t heightCond = 0;
  uint32_t distanceCond = 0;
  uint32_t nodeCond = 0;
  uint32_t moonSignCond = 0;
  uint32_t sunSignCond = 0;
  uint32_t monthCond = 0;
  uint32_t weekdayCond = 0;
  std::array<uint16_t, kFixedDayEntries> fixedDays{};
  uint16_t otherDays = 0;  // CondMode in bits 14..15
  uint8_t seasonCond = 0;
  uint8_t signsEither = 0;  // 0 both sign conditions must hold, non-zero either suffices
  uint32_t listItem = 0;    // run-time tree item handles, meaningless in the file
  uint32_t selItem = 0;
  uint8_t colorIndex = 0;  // 0 default, 1 red, 2 green, 3 blue
  uint8_t styleIndex = 0;  // 0 normal, 1 bold, 2 italic, 3 bold italic
  int16_t groupLink = 0;   // 0 standalone, -g header of group g, +g member of group g
  char name[kRecoNameSize] = {};  // always NUL-terminated in memory
  uint8_t category = 0;           // 0 free, 1 plants/animals, 2 health, 3 general

  std::array<uint8_t, 2> reserved100{};
  std::array<uint8_t, 30> reserved104{};
  std::array<uint8_t, 2> reserved134{};
  std::array<uint8_t, 4> reserved144{};
  uint8_t reserved252 = 0;
  std::array<uint8_t, 2> reserved254{};

  // A name stored without NUL is cut to 99 characters rather than read beyond its field.
  static RecoRecord FromBytes(const uint8_t* p);
  void ToBytes(uint8_t* p) const;

  bool occupied() const { return category != 0; }
  bool isHeader() const { return groupLink < 0; }
  CondMode otherDaysMode() const { return static_cast<CondMode>(otherDays >> 14); }

  // Condition fields by their byte offset (kOff... above); one-byte fields widen to 32 bits.
  // Unknown offsets read 0 and are not written.
  uint32_t FieldAt(int offset) const;
  void SetFieldAt(int offset, uint32_t value);
  static bool IsByteField(int offset) { return offset == kOffSeasonCond || offset == kOffSignsEither; }

  // Copies at most 99 characters.
  void SetName(const char* text);
  // Clears everything, reserved bytes included, as a freshly created record.
  void Clear() { *this = RecoRecord{}; }
};

// One entry of RecoSel.dat, decoded.
struct RecoSelEntry {
  uint8_t inUse = 0;
  char name[kRecoSelNameSize] = {};  // always NUL-terminated in memory
  SlotMap members;

  static RecoSelEntry FromBytes(const uint8_t* p);
  void ToBytes(uint8_t* p) const;
  // Copies at most 29 characters.
  void SetName(const char* text);
};

}  // namespace tw
