#include "reco/reco_edit.h"

namespace tw {

namespace {

bool IsRecommendation(const RecoTables& t, int slot) {
  return t.ValidSlot(slot) && t.records[slot].occupied() && !t.records[slot].isHeader();
}

RecoRecord FreshRecord(int category, int groupLink) {
  RecoRecord r;
  r.SetName("?");
  r.category = static_cast<uint8_t>(category);
  r.groupLink = static_cast<int16_t>(groupLink);
  return r;
}

}  // namespace

int ItemCategory(const RecoTables& tables, int item) {
  if (item >= -kRecoCategories && item <= -1) return -item;
  if (tables.ValidSlot(item)) {
    const int c = tables.records[item].category;
    return c >= 1 && c <= kRecoCategories ? c : 0;
  }
  return 0;
}

int NewRecommendation(RecoTables& tables, int selected) {
  const int category = ItemCategory(tables, selected);
  if (category == 0) return -1;
  const int slot = tables.FirstFreeSlot();
  if (slot < 0) return -1;
  int groupLink = 0;
  if (tables.ValidSlot(selected)) {
    const int link = tables.records[selected].groupLink;
    groupLink = link < 0 ? -link : link;
  }
  tables.RemoveFromSelections(slot);
  tables.Occupy(slot, FreshRecord(category, groupLink));
  return slot;
}

int NewGroup(RecoTables& tables, int selected, int* member) {
  if (member) *member = -1;
  const int category = ItemCategory(tables, selected);
  if (category == 0 || tables.FreeSlotsLow()) return -1;
  const int header = tables.FirstFreeSlot();
  const int g = tables.NewGroupNumber();
  tables.RemoveFromSelections(header);
  tables.Occupy(header, FreshRecord(category, -g));
  const int first = NewRecommendation(tables, header);
  if (member) *member = first;
  return header;
}

RecoDeletePlan PlanDelete(const RecoTables& tables, int slot) {
  RecoDeletePlan plan;
  if (!tables.ValidSlot(slot) || !tables.records[slot].occupied()) return plan;
  const RecoRecord& r = tables.records[slot];
  if (r.groupLink < 0) {
    plan = {kMsgRecoDeleteGroup, true, -r.groupLink};
  } else if (r.groupLink > 0 && !tables.GroupHasSeveralMembers(r.groupLink)) {
    plan = {kMsgRecoDeleteLastMember, true, r.groupLink};
  } else {
    plan.messageId = kMsgRecoDeleteOne;
  }
  return plan;
}

std::vector<int> DeleteRecommendation(RecoTables& tables, int slot) {
  const RecoDeletePlan plan = PlanDelete(tables, slot);
  if (plan.messageId == 0) return {};
  tables.selDirty = true;
  if (plan.wholeGroup) return tables.DeleteGroup(plan.group);
  tables.Free(slot);
  return {slot};
}

void RenameRecommendation(RecoTables& tables, int slot, const char* text) {
  if (!tables.ValidSlot(slot)) return;
  tables.records[slot].SetName(text);
  tables.recoDirty = true;
}

bool DropRecommendation(RecoTables& tables, int slot, int target, bool copy, int* copySlot) {
  if (copySlot) *copySlot = -1;
  if (!IsRecommendation(tables, slot)) return false;
  int category = 0, groupLink = 0;
  if (target >= -kRecoCategories && target <= -1) {
    category = -target;
  } else if (tables.ValidSlot(target) && tables.records[target].occupied()) {
    const RecoRecord& t = tables.records[target];
    category = ItemCategory(tables, target);
    groupLink = t.groupLink < 0 ? -t.groupLink : t.groupLink;
  }
  if (category == 0) return false;

  if (copy) {
    const int free = tables.FirstFreeSlot();
    if (free >= 0) {
      tables.RemoveFromSelections(free);
      tables.Occupy(free, tables.records[slot]);
      if (copySlot) *copySlot = free;
    }
  }
  RecoRecord& r = tables.records[slot];
  r.category = static_cast<uint8_t>(category);
  r.groupLink = static_cast<int16_t>(groupLink);
  tables.recoDirty = true;
  return true;
}

RecoCounts CountRecommendations(const RecoTables& tables, const RecoDisplayOrder& order) {
  RecoCounts counts;
  for (int c = 0; c < kRecoCategories; ++c) {
    int n = 0;
    for (const RecoTreeItem& item : order.categories[c])
      n += static_cast<int>(item.members.size()) + (tables.records[item.slot].isHeader() ? 0 : 1);
    counts.perCategory[c] = n;
    counts.total += n;
  }
  return counts;
}

}  // namespace tw
