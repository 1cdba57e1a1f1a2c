#include "common/Error.h"

#include <string>

namespace tarumo {
namespace {

std::string ReplaceFirst(std::string_view format, std::string_view placeholder,
                         std::string_view value) {
  std::string result(format);
  const auto at = result.find(placeholder);
  if (at != std::string::npos) result.replace(at, placeholder.size(), value);
  return result;
}

}  // namespace

std::string FormatText(const char* format, std::string_view text) {
  return ReplaceFirst(format, "%s", text);
}

std::string FormatNumber(const char* format, long long number) {
  return ReplaceFirst(format, "%d", std::to_string(number));
}

}  // namespace tarumo
