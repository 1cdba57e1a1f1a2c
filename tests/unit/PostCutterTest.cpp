#include <gtest/gtest.h>

#include "conversion/PostCutter.h"

namespace tarumo {
namespace {

using Place = PostCutter::Place;

TEST(PostCutter, FillsEachPostWithWholeRowSetsAndNoSpacingAtItsEnd) {
  // A row set of 10 bytes on 3 lines, one spacing line: two of them are 10 + 2 + 0 + 2 + 10.
  const BoardSize rowSet{10, 3};
  PostCutter cutter({24, 0});
  EXPECT_EQ(cutter.Add(rowSet, 1), Place::kNewPost);
  EXPECT_EQ(cutter.Add(rowSet, 1), Place::kSamePost);
  EXPECT_EQ(cutter.Post().bytes, 24);
  EXPECT_EQ(cutter.Post().lines, 7);
  EXPECT_EQ(cutter.Add(rowSet, 1), Place::kNewPost);
  EXPECT_EQ(cutter.EndedPost().bytes, 24);
  EXPECT_EQ(cutter.Post().bytes, 10);
  EXPECT_EQ(cutter.Posts(), 2);

  PostCutter lines({0, 6});
  EXPECT_EQ(lines.Add(rowSet, 0), Place::kNewPost);
  EXPECT_EQ(lines.Add(rowSet, 0), Place::kSamePost);
  EXPECT_EQ(lines.Add(rowSet, 0), Place::kNewPost);
}

TEST(PostCutter, ARowSetOverALimitGoesNowhere) {
  PostCutter cutter({20, 2});
  EXPECT_EQ(cutter.Add({10, 3}, 0), Place::kTooLarge);
  EXPECT_EQ(cutter.Add({21, 1}, 0), Place::kTooLarge);
  EXPECT_EQ(cutter.Posts(), 0);
}

}  // namespace
}  // namespace tarumo
