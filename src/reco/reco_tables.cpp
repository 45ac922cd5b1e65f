#include "reco/reco_tables.h"

namespace tw {

int GroupNumberSource::Next() {
  seed = seed * 214013u + 2531011u;
  return static_cast<int>((seed >> 16) & 0x7FFF);
}

RecoTables::RecoTables() : records(kRecoSlots), selections(kRecoSelEntries) {
  ForceFixedSelections();
}

void RecoTables::DecodeRecords(const uint8_t* image) {
  for (int n = 0; n < kRecoSlots; ++n) {
    records[n] = RecoRecord::FromBytes(image + n * kRecoRecordSize);
    records[n].listItem = 0;
    records[n].selItem = 0;
  }
  RebuildUsedMap();
}

void RecoTables::DecodeSelections(const uint8_t* image) {
  for (int k = 0; k < kRecoSelEntries; ++k)
    selections[k] = RecoSelEntry::FromBytes(image + k * kRecoSelEntrySize);
  ForceFixedSelections();
}

void RecoTables::EncodeRecords(uint8_t* image) const {
  for (int n = 0; n < kRecoSlots; ++n) records[n].ToBytes(image + n * kRecoRecordSize);
}

void RecoTables::EncodeSelections(uint8_t* image) {
  ForceFixedSelections();
  for (int k = 0; k < kRecoSelEntries; ++k) selections[k].ToBytes(image + k * kRecoSelEntrySize);
}

void RecoTables::ForceFixedSelections() {
  selections[0].members.Fill(true);
  selections[1].members.Fill(false);
}

void RecoTables::RebuildUsedMap() {
  for (int n = 0; n < kRecoSlots; ++n) used.Set(n, records[n].category != 0);
}

int RecoTables::FirstFreeSlot() const {
  for (int n = 0; n < kRecoSlots; ++n)
    if (!used.Get(n)) return n;
  return -1;
}

bool RecoTables::FreeSlotsLow() const {
  int free = 0;
  for (int n = 0; n < kRecoSlots && free < 2; ++n)
    if (!used.Get(n)) ++free;
  return free <= 1;
}

bool RecoTables::SelectionsFull() const { return FirstFreeSelection() < 0; }

int RecoTables::FirstFreeSelection() const {
  for (int k = kFirstUserSelection; k < kRecoSelEntries; ++k)
    if (selections[k].inUse == 0) return k;
  return -1;
}

void RecoTables::RemoveFromSelections(int slot) {
  if (!ValidSlot(slot)) return;
  for (int k = kFirstUserSelection; k < kRecoSelEntries; ++k)
    if (selections[k].inUse != 0) selections[k].members.Set(slot, false);
}

void RecoTables::Occupy(int slot, const RecoRecord& record) {
  if (!ValidSlot(slot)) return;
  records[slot] = record;
  used.Set(slot, record.category != 0);
  recoDirty = true;
}

void RecoTables::Free(int slot) {
  if (!ValidSlot(slot)) return;
  records[slot].category = 0;
  used.Set(slot, false);
  RemoveFromSelections(slot);
  recoDirty = true;
}

int RecoTables::NewGroupNumber() {
  for (;;) {
    const int g = groupNumbers.Next() & 0xFFF;
    if (g == 0) continue;
    bool taken = false;
    for (int n = 0; n < kRecoSlots && !taken; ++n)
      taken = records[n].category != 0 && records[n].groupLink == -g;
    if (!taken) return g;
  }
}

bool RecoTables::GroupHasSeveralMembers(int g) const {
  int members = 0;
  for (int n = 0; n < kRecoSlots; ++n)
    if (records[n].category != 0 && records[n].groupLink == g && ++members > 1) return true;
  return false;
}

std::vector<int> RecoTables::DeleteGroup(int g) {
  std::vector<int> freed;
  std::vector<int> headers;
  for (int n = 0; n < kRecoSlots; ++n) {
    RecoRecord& r = records[n];
    if (r.category == 0) continue;
    if (r.groupLink == g) {
      r.category = 0;
      used.Set(n, false);
      RemoveFromSelections(n);
      freed.push_back(n);
    } else if (r.groupLink == -g) {
      r.category = 0;
      used.Set(n, false);
      headers.push_back(n);
    }
  }
  for (int h : headers) {
    RemoveFromSelections(h);
    freed.push_back(h);
  }
  recoDirty = true;
  return freed;
}

const SlotMap& RecoTables::SelectionMap(int entry) const {
  static const SlotMap kEmpty;
  if (entry < 0 || entry >= kRecoSelEntries) return kEmpty;
  return selections[entry].members;
}

}  // namespace tw
