#include "settings/ReleaseTime.h"

#include <array>

#include "common/StrToInt.h"
#include "settings/IniInteger.h"

namespace tarumo {
namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr std::int64_t kMinutesPerMonth = 31 * kMinutesPerDay;   // 44640
constexpr std::int64_t kMinutesPerYear = 12 * kMinutesPerMonth;  // 535680

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The text before the first `mark`, removed from `text` with the mark. Without a mark: the
// empty text, and `text` stays.
std::string TakeField(std::string& text, char mark) {
  const auto at = text.find(mark);
  if (at == std::string::npos) return {};
  std::string field = text.substr(0, at);
  text.erase(0, at + 1);
  return field;
}

int MonthNumber(std::string_view name) {
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    if (kMonths[i] == name) return static_cast<int>(i) + 1;
  }
  return 1;
}

}  // namespace

std::int64_t Stamp(const ReleaseTime& time) {
  return time.year * kMinutesPerYear + time.month * kMinutesPerMonth + time.day * kMinutesPerDay +
         time.hour * std::int64_t{60} + time.minute;
}

std::optional<ReleaseTime> ParseLastModified(std::string_view header) {
  std::string text(header);
  const auto gmt = text.find("GMT");
  if (gmt == std::string::npos) return std::nullopt;
  text.erase(gmt == 0 ? 0 : gmt - 1, 4);  // the blank before "GMT" and "GMT" itself

  if (const auto blank = text.find(' '); blank != std::string::npos) text.erase(0, blank + 1);

  ReleaseTime time;
  time.day = DecimalToInt(TakeField(text, ' '));
  time.month = MonthNumber(TakeField(text, ' '));
  time.year = DecimalToInt(TakeField(text, ' '));
  time.hour = DecimalToInt(TakeField(text, ':'));
  time.minute = DecimalToInt(TakeField(text, ':'));
  return time;
}

ReleaseTime ReadInstalledRelease(IniFiles& ini, const std::string& programFolder) {
  const std::string path = programFolder + "Date.dat";
  const ReleaseTime builtIn;
  ReleaseTime time;
  time.year = ReadIniInteger(ini, path, "UPDATE", "Y", builtIn.year);
  time.month = ReadIniInteger(ini, path, "UPDATE", "MN", builtIn.month);
  time.day = ReadIniInteger(ini, path, "UPDATE", "D", builtIn.day);
  time.hour = ReadIniInteger(ini, path, "UPDATE", "H", builtIn.hour);
  time.minute = ReadIniInteger(ini, path, "UPDATE", "MI", builtIn.minute);
  return time;
}

}  // namespace tarumo
