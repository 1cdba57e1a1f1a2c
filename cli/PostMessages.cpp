#include "cli/PostMessages.h"

namespace tarumo::cli {

void PostSummary::Add(const BoardSize& post) {
  ++posts_;
  if (list_.size() >= keptBytes_) {
    ++unlisted_;
    return;
  }
  list_ += " " + std::to_string(post.bytes) + "/" + std::to_string(post.lines);
}

std::string PostSummary::Line() const {
  std::string line =
      std::to_string(posts_) + (posts_ == 1 ? " post" : " posts") + " (bytes/lines):" + list_;
  if (unlisted_ > 0) line += " and " + std::to_string(unlisted_) + " more";
  return line;
}

std::string RowSetTooLarge(std::int64_t lineNumber, const BoardSize& rowSet,
                           const PostLimits& limits, bool widthGiven) {
  const bool bytesOver = limits.bytes > 0 && rowSet.bytes > limits.bytes;
  std::string limit;
  if (bytesOver) limit = std::to_string(limits.bytes) + " bytes";
  if (limits.lines > 0 && rowSet.lines > limits.lines) {
    limit += (limit.empty() ? "" : " and ") + std::to_string(limits.lines) + " lines";
  }
  std::string message = "line " + std::to_string(lineNumber) + ": a row set of " +
                        std::to_string(rowSet.bytes) + " bytes and " +
                        std::to_string(rowSet.lines) + " lines is over the limit of a post (" +
                        limit + ")";
  if (bytesOver) {
    message += widthGiven ? "; a smaller --width makes smaller row sets"
                          : "; --width PX breaks it into narrower row sets";
  } else {
    message += "; a post must take at least " + std::to_string(rowSet.lines) + " lines";
  }
  return message;
}

}  // namespace tarumo::cli
