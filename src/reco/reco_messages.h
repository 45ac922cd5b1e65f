// Messages of the resource library that the recommendation core shows or reads.
#pragma once

namespace tw {

constexpr int kMsgRecoNoMemory = 3007;      // no arguments (table block not allocated)
constexpr int kMsgRecoNoDayFound = 3010;    // no arguments (interactive day search without hit)
constexpr int kMsgRecoShortWrite = 3018;    // %s full path of Reco.dat or RecoSel.dat
constexpr int kMsgRecoCannotCreate = 3019;  // %s full path of Reco.dat or RecoSel.dat

// Texts the callers load and hand in (never shown by the core itself).
constexpr int kMsgRecoHeading = 4003;        // "Empfehlungen" heading of a day text, root label
constexpr int kMsgRecoCategoryFirst = 4004;  // labels of categories 1..3: 4004, 4005, 4006

}  // namespace tw
