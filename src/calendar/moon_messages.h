// Messages of the resource library that the moon data reader shows.
#pragma once

namespace tw {

constexpr int kMsgMoonFileMissing = 3016;  // %s full path of Moon.dat (cannot be opened)
constexpr int kMsgMoonFileRead = 3017;     // %s full path of Moon.dat (short read or failed seek)
constexpr int kMsgMoonNoMemory = 3020;     // no arguments (window memory not allocated)

}  // namespace tw
