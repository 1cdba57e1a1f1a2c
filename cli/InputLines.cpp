#include "cli/InputLines.h"

#include <algorithm>

#include "cli/TextCodec.h"
#include "platform/posix/Cp932.h"

namespace tarumo::cli {
namespace {

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

bool InputLines::Fill() {
  if (!in_) return false;
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  at_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ > 0;
}

bool InputLines::ReadRawLine(std::string& line) {
  line.clear();
  bool any = false;
  for (;;) {
    if (at_ == end_ && !Fill()) return any;
    any = true;
    const char* from = buffer_.data() + at_;
    const char* to = buffer_.data() + end_;
    const char* stop = std::find_if(from, to, [](char c) { return c == '\r' || c == '\n'; });
    line.append(from, stop);
    at_ = static_cast<std::size_t>(stop - buffer_.data());
    if (stop == to) continue;
    const char breakChar = *stop;
    ++at_;
    // A CR LF is one break, even when the LF comes with the next read.
    if (breakChar == '\r' && (at_ < end_ || Fill()) && buffer_[at_] == '\n') ++at_;
    return true;
  }
}

bool InputLines::Next(std::string& line) {
  if (!error_.empty()) return false;
  if (!ReadRawLine(line)) {
    if (in_.bad()) error_ = "the input could not be read";
    return false;
  }
  ++number_;
  if (!started_) {
    started_ = true;
    if (encoding_ == Encoding::kUtf8 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
  }
  if (IsAscii(line)) return true;  // the same bytes in both encodings
  const auto fail = [&](const char* what) {
    error_ = "line " + std::to_string(number_) + ": " + what;
    return false;
  };
  if (encoding_ == Encoding::kCp932) {
    return Cp932ToUtf8(line) ? true : fail("not valid Shift-JIS (code page 932)");
  }
  if (!IsValidUtf8(line)) return fail("not valid UTF-8");
  auto cp932 = Utf8ToCp932(line);
  if (!cp932) return fail("a character that code page 932 cannot hold");
  line = std::move(*cp932);
  return true;
}

}  // namespace tarumo::cli
