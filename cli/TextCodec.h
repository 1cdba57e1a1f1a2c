// The command-line converter's edges: its input and output in the chosen encoding, code page
// 932 inside.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/CliOptions.h"

namespace tarumo::cli {

struct DecodedLines {
  std::vector<std::string> lines;  // code page 932
  std::string error;               // not empty when a line could not be taken; names the line
};

// Cuts `bytes` into lines (CR LF, CR or LF; a UTF-8 byte-order mark is dropped) and brings them
// to code page 932.
DecodedLines DecodeInputLines(std::string_view bytes, Encoding encoding);

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Code page 932 text in the chosen encoding.
std::string EncodeOutput(std::string_view cp932, Encoding encoding);

}  // namespace tarumo::cli
