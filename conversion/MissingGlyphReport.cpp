#include "conversion/MissingGlyphReport.h"

namespace tarumo {
namespace {

constexpr const char* kPrefix = "[ ﾟдﾟ]＜";
constexpr const char* kSuffix = "が変換できません！！";
constexpr const char* kOpen = "『";
constexpr const char* kClose = "』";
constexpr const char* kMore = "…";

}  // namespace

void MissingGlyphReport::Add(const std::string& key) {
  if (unlisted_ == 0 && list_.size() + key.size() + 4 <= keptBytes_) {
    list_.append(kOpen).append(key).append(kClose);
    ++listed_;
  } else {
    ++unlisted_;
  }
}

std::string MissingGlyphReport::Message() const {
  if (empty()) return {};
  std::string message = kPrefix + list_;
  if (unlisted_ > 0) message += kMore;
  return message + kSuffix;
}

}  // namespace tarumo
