// The command line of tarumo2-cli.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarumo::cli {

enum class Encoding { kUtf8, kCp932 };

struct ConvertOptions {
  std::optional<std::string> glyphFolder;  // as given; the default is beside the program
  std::string blankLine = "1";             // read by the pass like the window's box
  Encoding encoding = Encoding::kUtf8;
  bool crlf = false;
  bool page = false;           // the browser preview page of the giant text instead of the text
  int width = 0;               // no row set wider than this many dots; 0 for no limit
  std::int64_t postBytes = 0;  // cut into posts of at most this many bytes; 0 for no limit
  std::int64_t postLines = 0;  // and of at most this many lines; 0 for no limit
  std::optional<std::string> inputFile;  // standard input when not given
};

struct ParsedCommandLine {
  bool help = false;
  ConvertOptions options;
  std::string error;  // not empty for bad usage
};

ParsedCommandLine ParseConvertCommandLine(const std::vector<std::string>& arguments);

// The value of a --width, --post-bytes or --post-lines: a decimal number from 1 to a billion.
std::optional<std::int64_t> ParseLimit(const std::string& value);

extern const char* const kUsage;

}  // namespace tarumo::cli
