// The command line of tarumo2-cli.
#pragma once

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
  bool page = false;  // the browser preview page of the giant text instead of the text
  std::optional<std::string> inputFile;  // standard input when not given
};

struct ParsedCommandLine {
  bool help = false;
  ConvertOptions options;
  std::string error;  // not empty for bad usage
};

ParsedCommandLine ParseConvertCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace tarumo::cli
