// Messages of the resource library that the calendar core shows.
#pragma once

namespace tw {

constexpr int kMsgSaveSpecialDaysFailed = 3019;  // %s full path of the special days file

}  // namespace tw
