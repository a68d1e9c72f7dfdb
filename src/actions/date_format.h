// Formats a local date and time with a short pattern, for the date token of command texts.
//
// Letters, in either case: yyyy four-digit year, yy two-digit year; mm/m month, dd/d day, hh/h hour,
// nn/n minute, ss/s second (two digits / no leading zero); am/pm gives "am" or "pm" in the case written
// and switches the hours to the 12-hour clock. Text in single or double quotes is copied without the
// quotes; every other character is copied as it is.
#pragma once

#include "platform/wall_clock.h"

#include <string>
#include <string_view>

namespace flickmark {

std::string formatDateTime(std::string_view pattern, const LocalDateTime& time);

} // namespace flickmark
