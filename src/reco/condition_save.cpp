#include "reco/condition_save.h"

#include <cstring>

#include "reco/condition_messages.h"

namespace tw {
namespace {

constexpr int kOkCancelWarning = kMsgWarning | 1;  // MB_ICONEXCLAMATION | MB_OKCANCEL

}  // namespace

std::vector<int> ConditionWarningNodes(const ConditionState& state) {
  std::vector<int> nodes;
  for (int i = kCondRootEntry + 1; i < kCondEntryCount; ++i) {
    const uint32_t f = kConditionCatalogue[i].flags;
    if (!(f & kCondExcludeFirst) || !(f & kCondHasChildren)) continue;
    const int s = state.State(i);
    if (s == kCondExcluded || s == kCondRequired) nodes.push_back(i);
  }
  return nodes;
}

void ClearConditionNode(ConditionState& state, int node) {
  const int category = ConditionCategoryOf(node);
  if (category < 0) return;
  const int last = ConditionNodeEnd(category);
  state.SetRange(node, last, kCondAny);
  if (node <= kCondSignSwitch && last >= kCondSignSwitch) state.SetSwitch(false);
  state.ComputeNodeStates();
}

bool ConfirmConditions(ConditionState& state, MessageSink& sink, const ConditionTexts& texts) {
  const std::vector<int> nodes = ConditionWarningNodes(state);
  if (nodes.empty()) return true;
  std::string labels;
  for (int n : nodes) {
    if (!labels.empty()) labels += ", ";
    labels += state.LabelText(n, texts);
  }
  if (sink.ShowMessage(kOkCancelWarning, kMsgCondAllSameWarning, {labels}) != kAnswerOk)
    return false;
  for (int n : nodes) ClearConditionNode(state, n);
  return true;
}

int SaveConditions(const ConditionState& state, RecoRecord& record, const char* editedName,
                   int colorIndex, int styleIndex) {
  int result = 1;
  if (editedName && editedName[0] != 0) {
    char cut[kRecoNameSize];
    std::strncpy(cut, editedName, kRecoNameSize - 1);
    cut[kRecoNameSize - 1] = 0;
    if (std::strcmp(cut, record.name) != 0) {
      record.SetName(cut);
      result = 2;
    }
  }
  record.colorIndex = static_cast<uint8_t>(colorIndex);
  record.styleIndex = static_cast<uint8_t>(styleIndex);

  for (int i = kCondRootEntry + 1; i < kCondEntryCount; ++i) {
    if (!IsConditionLeaf(i)) continue;
    const ConditionNode& n = state.node(i);
    if (IsFixedDayEntry(i)) {
      record.fixedDays[i - kCondFirstFixedDay] =
          n.dayCode ? MakeFixedDay(n.dayCode, static_cast<CondMode>(n.state())) : 0;
    } else if (i == kCondOtherDays) {
      record.otherDays = static_cast<uint16_t>(n.state() << 14);
    } else {
      uint32_t field = record.FieldAt(n.offset);
      field = (field & ~(3u << n.shift)) | (static_cast<uint32_t>(n.state()) << n.shift);
      record.SetFieldAt(n.offset, field);
    }
  }
  record.signsEither = static_cast<uint8_t>(state.SwitchEither() ? 3 : 0);
  return result;
}

}  // namespace tw
