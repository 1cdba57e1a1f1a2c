#include "conversion/PostCutter.h"

namespace tarumo {

bool PostCutter::Fits(const BoardSize& size) const {
  return (limits_.bytes <= 0 || size.bytes <= limits_.bytes) &&
         (limits_.lines <= 0 || size.lines <= limits_.lines);
}

PostCutter::Place PostCutter::Add(const BoardSize& rowSet, std::int64_t spacingLines) {
  if (!Fits(rowSet)) return Place::kTooLarge;
  if (posts_ > 0) {
    // Each spacing line and the row set's first line come after a break of their own.
    const BoardSize joined{post_.bytes + 2 * (spacingLines + 1) + rowSet.bytes,
                           post_.lines + spacingLines + rowSet.lines};
    if (Fits(joined)) {
      post_ = joined;
      return Place::kSamePost;
    }
    ended_ = post_;
  }
  ++posts_;
  post_ = rowSet;
  return Place::kNewPost;
}

}  // namespace tarumo
