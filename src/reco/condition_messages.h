// Messages of the resource library that the conditions editor shows or writes.
#pragma once

namespace tw {

// Shown with ShowMessage.
// "%s": the labels of the nodes whose leaves are all excluded, or all required or any,
// joined with ", ". Exclamation icon with Ok/Cancel.
constexpr int kMsgCondAllSameWarning = 3698;
// kMsgRecoNoMemory (3007, reco_messages.h) when the description cannot be built.

// Texts only (loaded through ConditionTexts, never shown as a box).
constexpr int kMsgCondFixedDayLabel = 3681;   // "%s": the day of a fixed-day leaf, "?" when empty
constexpr int kMsgCondOtherDays = 3682;       // label of the "every other day" leaf
constexpr int kMsgCondFixedChoiceFirst = 3683;  // 3683..3697 the "Fixtagauswahl" choices
constexpr int kMsgCondMovableDayBias = 115;   // movable day code c is named by message c - 115
constexpr int kMsgCondSunSignHeading = 3500;
constexpr int kMsgCondMoonSignHeading = 3501;
constexpr int kMsgCondHeightLowest = 3559;    // description text of the height leaf 3561
constexpr int kMsgCondHeightHighest = 3560;   // description text of the height leaf 3563
constexpr int kMsgCondStyleFirst = 4225;      // 4225..4228 the "Schriftstil" choices
constexpr int kMsgCondNot = 4236;
constexpr int kMsgCondAnd = 4237;
constexpr int kMsgCondOr = 4238;
constexpr int kMsgCondSignsExcluded = 4240;   // after a sign heading of an excluded list
constexpr int kMsgCondBracketOpen = 4241;
constexpr int kMsgCondBracketClose = 4242;
constexpr int kMsgCondNoConditions = 4434;

}  // namespace tw
