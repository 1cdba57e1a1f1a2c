// A release's date as the release check compares it: to the minute, no time zone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/IniFiles.h"

namespace tarumo {

struct ReleaseTime {
  int year = 2007;
  int month = 11;
  int day = 19;
  int hour = 10;
  int minute = 10;
};

// A number that orders release times: every month counts as 31 days and every year as 12
// such months. Made in 64 bits, so no year a header can carry overflows it.
std::int64_t Stamp(const ReleaseTime& time);

// The date of a Last-Modified text such as "Mon, 19 Nov 2007 10:10:00 GMT": nothing when the
// text holds no "GMT". After "GMT" and the blank before it are cut and the day of the week is
// cut up to the first blank, the day, month and year are read up to a blank each, the hour
// and minute up to a colon each; the seconds are ignored. A field without its blank or colon
// is empty. Months are "Jan" to "Dec" exactly; any other text is month 1. A field that is no
// integer raises Error("'<field>' は整数ではありません").
std::optional<ReleaseTime> ParseLastModified(std::string_view header);

// The installed release's time from section UPDATE of Date.dat in `programFolder` (keys Y, MN,
// D, H, MI); each key that is missing or no integer keeps the built-in 2007/11/19 10:10.
ReleaseTime ReadInstalledRelease(IniFiles& ini, const std::string& programFolder);

}  // namespace tarumo
