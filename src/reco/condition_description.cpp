#include "reco/condition_description.h"

#include <vector>

#include "reco/condition_messages.h"

namespace tw {
namespace {

constexpr int kDescriptionPoints = 80;  // tenths of a point
constexpr int kTabWidth = 567;          // twips, one centimetre
constexpr const char* kIndent = "\\li113 ";
constexpr size_t kFirstBufferSize = 8192;
constexpr size_t kMaxBufferSize = 1 << 20;

bool IsSignGroup(int i) { return i == kCondMoonSignGroup || i == kCondSunSignGroup; }

void MarkSide(const ConditionState& st, const std::vector<int>& members, bool excludedSide,
              ConditionMarks& marks) {
  for (int m : members)
    if ((st.State(m) == kCondExcluded) == excludedSide) marks[m] = true;
}

class Describer {
 public:
  Describer(const ConditionState& st, const ConditionTexts& texts, RtfWriter& w)
      : st_(st), texts_(texts), w_(w), marks_(MarkConditionsToList(st)) {}

  void Write() {
    w_.Controls(kRtfHeader | kRtfNormal, kRtfScreenFont, kTabWidth);
    int written = 0;
    for (int c = kCondRootEntry + 1; c < kCondEntryCount; ++c) {
      if (!IsConditionCategory(c) || !HasMarks(c)) continue;
      if (written > 0) {
        StartParagraph();
        Word(kMsgCondAnd, kRtfBlue);
        w_.LineBreak();
      }
      StartParagraph();
      if (c == kCondSignsCategory)
        WriteSigns();
      else
        WriteCategory(c);
      w_.LineBreak();
      ++written;
    }
    if (written == 0) {
      StartParagraph();
      w_.Text(texts_.Message(kMsgCondNoConditions).c_str());
      w_.LineBreak();
    }
    w_.Raw("}");
  }

 private:
  bool HasMarks(int node) const {
    for (int j = node + 1; j <= ConditionNodeEnd(node); ++j)
      if (marks_[j]) return true;
    return false;
  }

  void StartParagraph() {
    w_.Controls(kRtfPard | kRtfNormal);
    w_.Raw(kIndent);
  }
  void Blank() { w_.Text(" "); }
  void Word(int id, uint32_t colour) {
    w_.Controls(kRtfForeColour | RtfFore(colour));
    w_.Text(texts_.Message(id).c_str());
    w_.Controls(kRtfForeColour | RtfFore(kRtfBlack));
  }

  std::string EntryText(int j) const {
    if (IsFixedDayEntry(j)) return FixedDayText(texts_, st_.node(j).dayCode);
    if (j == kCondOtherDays) return texts_.Message(kMsgCondOtherDays);
    const int label = st_.node(j).label;
    if (label == 3561) return texts_.Message(kMsgCondHeightLowest);
    if (label == 3563) return texts_.Message(kMsgCondHeightHighest);
    return texts_.Message(label);
  }

  void WriteCategory(int c) {
    bool first = true;
    int open = -1;  // mixed subgroup whose bracket is open
    bool bracketFirst = false;
    for (int j = c + 1; j <= ConditionNodeEnd(c); ++j) {
      if (!marks_[j]) continue;
      if (open >= 0 && ConditionSubgroupOf(j) != open) CloseBracket(open);
      const bool excluded = st_.State(j) == kCondExcluded;
      if (open >= 0 && bracketFirst) {
        Blank();
        Word(kMsgCondBracketOpen, kRtfBlue);
        Blank();
        bracketFirst = false;
      } else if (!first) {
        Blank();
        Word(excluded ? kMsgCondAnd : kMsgCondOr, kRtfRed);
        Blank();
      }
      if (excluded) {
        Word(kMsgCondNot, kRtfRed);
        Blank();
      }
      w_.Text(EntryText(j).c_str());
      first = false;
      if (IsConditionSubgroup(j) && st_.State(j) == kCondMixed && HasMarks(j)) {
        open = j;
        bracketFirst = true;
      }
    }
    if (open >= 0) CloseBracket(open);
  }

  void CloseBracket(int& open) {
    Blank();
    Word(kMsgCondBracketClose, kRtfBlue);
    open = -1;
  }

  void WriteSigns() {
    int lists = 0;
    for (int g : {kCondMoonSignGroup, kCondSunSignGroup}) {
      std::vector<int> leaves;
      for (int j = g + 1; j <= ConditionNodeEnd(g); ++j)
        if (marks_[j]) leaves.push_back(j);
      if (leaves.empty()) continue;
      if (lists > 0) {
        Blank();
        Word(st_.SwitchEither() ? kCondSwitchEitherLabel : kMsgCondAnd, kRtfBlue);
        Blank();
      }
      const bool moon = g == kCondMoonSignGroup;
      if (st_.State(leaves.front()) == kCondExcluded) {
        w_.Text(texts_.Message(kConditionCatalogue[g].label).c_str());
        Blank();
        Word(kMsgCondNot, kRtfRed);
        Blank();
        w_.Text(texts_.Message(kMsgCondSignsExcluded).c_str());
      } else {
        w_.Text(texts_.Message(moon ? kMsgCondMoonSignHeading : kMsgCondSunSignHeading).c_str());
      }
      Blank();
      for (size_t k = 0; k < leaves.size(); ++k) {
        if (k > 0) w_.Text(", ");
        w_.Controls(kRtfSymbol);
        w_.Char(static_cast<char>('P' + st_.node(leaves[k]).shift / 2));
        w_.Controls(kRtfNormal);
      }
      ++lists;
    }
  }

  const ConditionState& st_;
  const ConditionTexts& texts_;
  RtfWriter& w_;
  ConditionMarks marks_;
};

}  // namespace

ConditionMarks MarkConditionsToList(const ConditionState& st) {
  ConditionMarks marks{};
  for (int i = kCondRootEntry + 1; i < kCondEntryCount; ++i) {
    if (!IsConditionSubgroup(i)) continue;
    std::vector<int> leaves;
    int excluded = 0;
    for (int j = i + 1; j <= ConditionNodeEnd(i); ++j) {
      if (!st.Counts(j)) continue;
      leaves.push_back(j);
      if (st.State(j) == kCondExcluded) ++excluded;
    }
    const int others = static_cast<int>(leaves.size()) - excluded;
    if (excluded > 0 && others > 0)
      MarkSide(st, leaves, excluded < others, marks);
    else if (excluded > 0 && IsSignGroup(i))
      // A sign list is written by its leaves only; an all-excluded one must still show.
      MarkSide(st, leaves, true, marks);
  }
  for (int c = kCondRootEntry + 1; c < kCondEntryCount; ++c) {
    if (!IsConditionCategory(c) || c == kCondSignsCategory) continue;
    std::vector<int> children;
    int excluded = 0;
    bool mixedSubgroup = false;
    for (int j = c + 1; j <= ConditionNodeEnd(c); ++j) {
      if (!(kConditionCatalogue[j].flags & kCondCategoryChild)) continue;
      if (IsConditionLeaf(j) && !st.Counts(j)) continue;
      children.push_back(j);
      if (st.State(j) == kCondExcluded) ++excluded;
      if (IsConditionSubgroup(j) && st.State(j) == kCondMixed) mixedSubgroup = true;
    }
    const int others = static_cast<int>(children.size()) - excluded;
    if (excluded > 0 && others > 0)
      MarkSide(st, children, !mixedSubgroup && excluded < others, marks);
    else if (excluded > 0)
      // Everything excluded: the recommendation never holds, which must not read as
      // "no conditions".
      MarkSide(st, children, true, marks);
    for (int j = c + 1; j <= ConditionNodeEnd(c); ++j)
      if (st.HasDay(j)) marks[j] = true;
  }
  return marks;
}

bool DescribeConditions(const ConditionState& state, const ConditionTexts& texts,
                        const RtfStyle& style, std::string& out) {
  RtfStyle small = style;
  small.screenFontSize = kDescriptionPoints;
  for (size_t size = kFirstBufferSize; size <= kMaxBufferSize; size *= 2) {
    std::vector<char> buffer(size);
    RtfWriter w(buffer.data(), buffer.size(), small);
    Describer(state, texts, w).Write();
    if (!w.truncated()) {
      out.assign(w.c_str(), w.length());
      return true;
    }
  }
  out.clear();
  return false;
}

bool DescribeRecordConditions(const RecoRecord& record, const ConditionTexts& texts,
                              const RtfStyle& style, std::string& out) {
  ConditionState state;
  state.Load(record);
  return DescribeConditions(state, texts, style, out);
}

}  // namespace tw
