// Numbered messages of the resource library that the person document code shows.
#pragma once

namespace tw {

constexpr int kMsgNoMemory = 3007;        // no arguments
constexpr int kMsgFileOpenFailed = 3016;  // %s full file name
constexpr int kMsgFileSaveFailed = 3018;  // %s full file name

}  // namespace tw
