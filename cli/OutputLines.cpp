#include "cli/OutputLines.h"

#include "documents/PreviewPage.h"

namespace tarumo::cli {
namespace {

constexpr std::size_t kWriteSize = 1 << 20;
constexpr const char* kPageLineEnd = "\r\n";

}  // namespace

OutputLines::OutputLines(std::ostream& out, const char* lineEnd, bool page)
    : out_(out), lineEnd_(lineEnd), page_(page) {
  gathered_.reserve(kWriteSize + (1 << 16));
  if (page_) {
    for (const std::string& line : PreviewPageHead()) Append(line, kPageLineEnd);
  }
}

void OutputLines::Append(const std::string& line, const char* lineEnd) {
  gathered_ += line;
  gathered_ += lineEnd;
  if (gathered_.size() >= kWriteSize) Flush();
}

void OutputLines::Line(const std::string& line) {
  if (page_) {
    Append(PreviewPageLine(line), kPageLineEnd);
  } else {
    Append(line, lineEnd_);
  }
}

void OutputLines::PostBreak() {
  if (page_) {
    Append(PreviewPagePostBreak(), kPageLineEnd);
  } else {
    Append("\f", lineEnd_);
  }
}

void OutputLines::Flush() {
  out_.write(gathered_.data(), static_cast<std::streamsize>(gathered_.size()));
  gathered_.clear();
}

void OutputLines::Finish() {
  if (page_) Append(PreviewPageClosing(), kPageLineEnd);
  Flush();
  out_.flush();
}

}  // namespace tarumo::cli
