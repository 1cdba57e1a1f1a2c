// What tarumo2-cli tells about posts on standard error: the summary line that ends a conversion
// cut into posts, and the message for a row set that no post can hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "conversion/BoardSize.h"
#include "conversion/PostCutter.h"

namespace tarumo::cli {

// "K posts (bytes/lines): B1/L1 B2/L2 ...", each post as it ends. Past `keptBytes` of list the
// posts are counted, not listed: endless input keeps the memory bounded.
class PostSummary {
 public:
  explicit PostSummary(std::size_t keptBytes) : keptBytes_(keptBytes) {}

  void Add(const BoardSize& post);
  std::string Line() const;

 private:
  std::size_t keptBytes_;
  std::string list_;
  std::int64_t posts_ = 0;
  std::int64_t unlisted_ = 0;
};

// "line N: a row set of B bytes and L lines is over the limit of a post (...)" with a hint:
// a narrower --width when the bytes are over, a larger --post-lines when the lines are.
std::string RowSetTooLarge(std::int64_t lineNumber, const BoardSize& rowSet,
                           const PostLimits& limits, bool widthGiven);

}  // namespace tarumo::cli
