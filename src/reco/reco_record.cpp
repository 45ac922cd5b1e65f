#include "reco/reco_record.h"

#include <cstring>

#include "core/bytes.h"

namespace tw {

namespace {

template <size_t N>
void GetRaw(const uint8_t* p, std::array<uint8_t, N>& out) {
  std::memcpy(out.data(), p, N);
}
template <size_t N>
void PutRaw(uint8_t* p, const std::array<uint8_t, N>& in) {
  std::memcpy(p, in.data(), N);
}

// Copies a stored text field and terminates it inside the buffer, so a field written without
// NUL loses its last character instead of running into the next field.
void GetTextField(const uint8_t* p, char* out, size_t size) {
  std::memcpy(out, p, size);
  out[size - 1] = 0;
}

void SetTextBounded(char* out, size_t size, size_t maxChars, const char* text) {
  std::memset(out, 0, size);
  if (!text) return;
  size_t n = 0;
  while (n < maxChars && n + 1 < size && text[n] != 0) {
    out[n] = text[n];
    ++n;
  }
}

}  // namespace

RecoRecord RecoRecord::FromBytes(const uint8_t* p) {
  RecoRecord r;
  r.phaseCond = GetLE32(p + kOffPhaseCond) | (uint64_t{GetLE32(p + kOffPhaseCondHigh)} << 32);
  r.heightCond = GetLE32(p + kOffHeightCond);
  r.distanceCond = GetLE32(p + kOffDistanceCond);
  r.nodeCond = GetLE32(p + kOffNodeCond);
  r.moonSignCond = GetLE32(p + kOffMoonSignCond);
  r.sunSignCond = GetLE32(p + kOffSunSignCond);
  r.monthCond = GetLE32(p + kOffMonthCond);
  r.weekdayCond = GetLE32(p + kOffWeekdayCond);
  for (int i = 0; i < kFixedDayEntries; ++i) r.fixedDays[i] = GetLE16(p + kOffFixedDays + 2 * i);
  r.otherDays = GetLE16(p + kOffOtherDays);
  GetRaw(p + 100, r.reserved100);
  r.seasonCond = p[kOffSeasonCond];
  r.signsEither = p[kOffSignsEither];
  GetRaw(p + 104, r.reserved104);
  GetRaw(p + 134, r.reserved134);
  r.listItem = GetLE32(p + kOffListItem);
  r.selItem = GetLE32(p + kOffSelItem);
  GetRaw(p + 144, r.reserved144);
  r.colorIndex = p[kOffColorIndex];
  r.styleIndex = p[kOffStyleIndex];
  r.groupLink = GetLE16s(p + kOffGroupLink);
  GetTextField(p + kOffName, r.name, kRecoNameSize);
  r.reserved252 = p[252];
  r.category = p[kOffCategory];
  GetRaw(p + 254, r.reserved254);
  return r;
}

void RecoRecord::ToBytes(uint8_t* p) const {
  PutLE32(p + kOffPhaseCond, static_cast<uint32_t>(phaseCond));
  PutLE32(p + kOffPhaseCondHigh, static_cast<uint32_t>(phaseCond >> 32));
  PutLE32(p + kOffHeightCond, heightCond);
  PutLE32(p + kOffDistanceCond, distanceCond);
  PutLE32(p + kOffNodeCond, nodeCond);
  PutLE32(p + kOffMoonSignCond, moonSignCond);
  PutLE32(p + kOffSunSignCond, sunSignCond);
  PutLE32(p + kOffMonthCond, monthCond);
  PutLE32(p + kOffWeekdayCond, weekdayCond);
  for (int i = 0; i < kFixedDayEntries; ++i) PutLE16(p + kOffFixedDays + 2 * i, fixedDays[i]);
  PutLE16(p + kOffOtherDays, otherDays);
  PutRaw(p + 100, reserved100);
  p[kOffSeasonCond] = seasonCond;
  p[kOffSignsEither] = signsEither;
  PutRaw(p + 104, reserved104);
  PutRaw(p + 134, reserved134);
  PutLE32(p + kOffListItem, listItem);
  PutLE32(p + kOffSelItem, selItem);
  PutRaw(p + 144, reserved144);
  p[kOffColorIndex] = colorIndex;
  p[kOffStyleIndex] = styleIndex;
  PutLE16(p + kOffGroupLink, static_cast<uint16_t>(groupLink));
  std::memcpy(p + kOffName, name, kRecoNameSize);
  p[252] = reserved252;
  p[kOffCategory] = category;
  PutRaw(p + 254, reserved254);
}

uint32_t RecoRecord::FieldAt(int offset) const {
  switch (offset) {
    case kOffPhaseCond: return static_cast<uint32_t>(phaseCond);
    case kOffPhaseCondHigh: return static_cast<uint32_t>(phaseCond >> 32);
    case kOffHeightCond: return heightCond;
    case kOffDistanceCond: return distanceCond;
    case kOffNodeCond: return nodeCond;
    case kOffMoonSignCond: return moonSignCond;
    case kOffSunSignCond: return sunSignCond;
    case kOffMonthCond: return monthCond;
    case kOffWeekdayCond: return weekdayCond;
    case kOffOtherDays: return otherDays;
    case kOffSeasonCond: return seasonCond;
    case kOffSignsEither: return signsEither;
    default: break;
  }
  if (offset >= kOffFixedDays && offset < kOffOtherDays && (offset - kOffFixedDays) % 2 == 0)
    return fixedDays[(offset - kOffFixedDays) / 2];
  return 0;
}

void RecoRecord::SetFieldAt(int offset, uint32_t value) {
  switch (offset) {
    case kOffPhaseCond: phaseCond = (phaseCond & 0xFFFFFFFF00000000ull) | value; return;
    case kOffPhaseCondHigh:
      phaseCond = (phaseCond & 0xFFFFFFFFull) | (uint64_t{value} << 32);
      return;
    case kOffHeightCond: heightCond = value; return;
    case kOffDistanceCond: distanceCond = value; return;
    case kOffNodeCond: nodeCond = value; return;
    case kOffMoonSignCond: moonSignCond = value; return;
    case kOffSunSignCond: sunSignCond = value; return;
    case kOffMonthCond: monthCond = value; return;
    case kOffWeekdayCond: weekdayCond = value; return;
    case kOffOtherDays: otherDays = static_cast<uint16_t>(value); return;
    case kOffSeasonCond: seasonCond = static_cast<uint8_t>(value); return;
    case kOffSignsEither: signsEither = static_cast<uint8_t>(value); return;
    default: break;
  }
  if (offset >= kOffFixedDays && offset < kOffOtherDays && (offset - kOffFixedDays) % 2 == 0)
    fixedDays[(offset - kOffFixedDays) / 2] = static_cast<uint16_t>(value);
}

void RecoRecord::SetName(const char* text) {
  SetTextBounded(name, kRecoNameSize, kRecoNameSize - 1, text);
}

RecoSelEntry RecoSelEntry::FromBytes(const uint8_t* p) {
  RecoSelEntry e;
  e.inUse = p[0];
  GetTextField(p + 1, e.name, kRecoSelNameSize);
  std::memcpy(e.members.bytes.data(), p + 32, kSlotMapBytes);
  return e;
}

void RecoSelEntry::ToBytes(uint8_t* p) const {
  p[0] = inUse;
  std::memcpy(p + 1, name, kRecoSelNameSize);
  std::memcpy(p + 32, members.bytes.data(), kSlotMapBytes);
}

void RecoSelEntry::SetName(const char* text) {
  SetTextBounded(name, kRecoSelNameSize, kRecoSelNameMax, text);
}

}  // namespace tw
