// Cuts a giant text into posts within a board's limits, fed its row sets one by one: each
// post takes whole row sets, as many as fit, in order, and a row set's spacing lines are
// written only between row sets of one post. Only the post being filled is kept.
#pragma once

#include <cstdint>

#include "conversion/BoardSize.h"

namespace tarumo {

struct PostLimits {
  std::int64_t bytes = 0;  // as BoardSize counts them; 0 for no limit
  std::int64_t lines = 0;  // 0 for no limit
};

class PostCutter {
 public:
  explicit PostCutter(PostLimits limits) : limits_(limits) {}

  enum class Place {
    kSamePost,  // after the spacing lines, in the post being filled
    kNewPost,   // at the start of a new post; the spacing lines are dropped
    kTooLarge,  // nowhere: alone it is over a limit; nothing changes
  };

  // Where the next row set of `rowSet`'s size goes, with `spacingLines` empty lines between
  // it and the row set before it.
  Place Add(const BoardSize& rowSet, std::int64_t spacingLines);

  // Whether a post of `size` is within the limits.
  bool Fits(const BoardSize& size) const;

  std::int64_t Posts() const { return posts_; }
  // The post being filled, and the one before it, which the last kNewPost ended.
  const BoardSize& Post() const { return post_; }
  const BoardSize& EndedPost() const { return ended_; }

 private:
  PostLimits limits_;
  std::int64_t posts_ = 0;
  BoardSize post_;
  BoardSize ended_;
};

}  // namespace tarumo
