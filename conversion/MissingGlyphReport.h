// The report of the characters without a glyph: "[ ﾟдﾟ]＜", then 『key』 for every such
// character in input order, repeats included, then "が変換できません！！".
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace tarumo {

class MissingGlyphReport {
 public:
  // Keys past `keptBytes` bytes of list are counted, not listed: a converter of endless input
  // keeps its memory bounded.
  explicit MissingGlyphReport(std::size_t keptBytes = std::numeric_limits<std::size_t>::max())
      : keptBytes_(keptBytes) {}

  bool empty() const { return listed_ == 0 && unlisted_ == 0; }
  void Add(const std::string& key);
  // The message; empty when every character had a glyph. Unlisted keys show as "…" after
  // the listed ones.
  std::string Message() const;
  // How many keys were counted but not listed.
  std::int64_t Unlisted() const { return unlisted_; }

 private:
  std::string list_;  // 『key』『key』...
  std::size_t keptBytes_;
  std::int64_t listed_ = 0;
  std::int64_t unlisted_ = 0;
};

}  // namespace tarumo
