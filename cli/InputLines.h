// The converter's input, taken a line at a time so that its memory does not grow with the
// input: lines end at CR LF, a lone CR or a lone LF (a break at the very end starts no further
// line), a UTF-8 byte-order mark at the start is dropped, and every line is brought to code
// page 932.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"

namespace tarumo::cli {

class InputLines {
 public:
  InputLines(std::istream& in, Encoding encoding) : in_(in), encoding_(encoding) {}

  // The next line, in code page 932; false at the end of the input, or when the line cannot be
  // taken or the input cannot be read (error() then says why).
  bool Next(std::string& line);
  const std::string& error() const { return error_; }

 private:
  bool ReadRawLine(std::string& line);
  bool Fill();

  std::istream& in_;
  Encoding encoding_;
  std::vector<char> buffer_ = std::vector<char>(1 << 16);
  std::size_t at_ = 0, end_ = 0;
  bool started_ = false;
  std::int64_t number_ = 0;
  std::string error_;
};

}  // namespace tarumo::cli
