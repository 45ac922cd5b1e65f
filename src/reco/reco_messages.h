// Messages of the resource library that the recommendation core shows or reads.
#pragma once

namespace tw {

constexpr int kMsgRecoNoMemory = 3007;      // no arguments (table block not allocated)
constexpr int kMsgRecoNoDayFound = 3010;    // no arguments (interactive day search without hit)
constexpr int kMsgRecoShortWrite = 3018;    // %s full path of Reco.dat or RecoSel.dat
constexpr int kMsgRecoCannotCreate = 3019;  // %s full path of Reco.dat or RecoSel.dat

// Questions before a delete (Yes/No); the dialog asks what PlanDelete names.
constexpr int kMsgRecoDeleteGroup = 3022;       // %s category label, %s header name
constexpr int kMsgRecoDeleteLastMember = 3023;  // %s empty text, %s member name
constexpr int kMsgRecoDeleteOne = 3024;         // %s name

// Texts the callers load and hand in (never shown by the core itself).
constexpr int kMsgRecoHeading = 4003;        // "Empfehlungen" heading of a day text, root label
constexpr int kMsgRecoCategoryFirst = 4004;  // labels of categories 1..3: 4004, 4005, 4006
constexpr int kMsgRecoTestCount = 4210;      // %d days on which the tested recommendation holds
constexpr int kMsgRecoTestedDay = 4211;      // prefix of the day being tested, the date follows

}  // namespace tw
