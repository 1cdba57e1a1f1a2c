#include "cli/MeasureCommand.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/CliOptions.h"
#include "cli/InputLines.h"
#include "cli/PostMessages.h"
#include "conversion/PostCutter.h"
#include "conversion/RowSetFinder.h"

namespace tarumo::cli {
namespace {

constexpr const char* kProgram = "tarumo2-cli measure: ";

struct MeasureOptions {
  Encoding encoding = Encoding::kUtf8;
  PostLimits limits;
  std::optional<std::string> inputFile;
};

std::string ParseOptions(const std::vector<std::string>& arguments, MeasureOptions& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--encoding" || argument == "--post-bytes" || argument == "--post-lines") {
      if (i + 1 == arguments.size()) return argument + " needs a value";
      const std::string& value = arguments[++i];
      if (argument == "--encoding") {
        if (value == "utf-8" || value == "utf8") {
          options.encoding = Encoding::kUtf8;
        } else if (value == "cp932" || value == "shift-jis" || value == "sjis") {
          options.encoding = Encoding::kCp932;
        } else {
          return "unknown encoding '" + value + "' (utf-8 or cp932)";
        }
        continue;
      }
      const auto limit = ParseLimit(value);
      if (!limit) return argument + " needs a number from 1 to 1000000000";
      (argument == "--post-bytes" ? options.limits.bytes : options.limits.lines) = *limit;
    } else if (argument.size() > 1 && argument[0] == '-') {
      return "unknown option '" + argument + "'";
    } else if (options.inputFile) {
      return "only one input file can be given";
    } else {
      options.inputFile = argument;
    }
  }
  return {};
}

}  // namespace

int RunMeasure(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
  MeasureOptions options;
  if (const std::string error = ParseOptions(arguments, options); !error.empty()) {
    err << kProgram << error << "\n";
    return 2;
  }
  std::error_code error;
  std::ifstream file;
  if (options.inputFile && *options.inputFile != "-") {
    if (std::filesystem::is_directory(*options.inputFile, error) ||
        (file.open(*options.inputFile, std::ios::binary), !file)) {
      err << kProgram << "cannot open " << *options.inputFile << "\n";
      return 2;
    }
  }
  InputLines input(file.is_open() ? file : in, options.encoding);

  const bool posts = options.limits.bytes > 0 || options.limits.lines > 0;
  PostCutter cutter(options.limits);
  RowSetFinder finder;
  std::int64_t rowSets = 0, short_ = 0;
  std::optional<FoundRowSet> widest;
  const auto take = [&](const std::optional<FoundRowSet>& found) {
    if (!found) return true;
    ++rowSets;
    if (found->size.lines < 3) ++short_;
    if (!widest || found->width > widest->width) widest = found;
    if (posts && cutter.Add(found->size, found->spacingLines) == PostCutter::Place::kTooLarge) {
      err << kProgram << RowSetTooLarge(found->firstLine, found->size, options.limits, false)
          << "\n";
      return false;
    }
    return true;
  };
  std::string line;
  while (input.Next(line)) {
    if (!take(finder.Line(line))) return 1;
  }
  if (!input.error().empty()) {
    err << kProgram << input.error() << "\n";
    return 2;
  }
  if (!take(finder.Finish())) return 1;

  out << "row sets: " << rowSets;
  if (short_ > 0) out << " (" << short_ << " of fewer than three lines)";
  out << "\n";
  if (widest) {
    out << "widest row set: " << widest->width << " dots, from line " << widest->firstLine << "\n";
  }
  if (posts) {
    out << "posts: " << cutter.Posts() << " of at most ";
    if (options.limits.bytes > 0) out << options.limits.bytes << " bytes";
    if (options.limits.bytes > 0 && options.limits.lines > 0) out << " and ";
    if (options.limits.lines > 0) out << options.limits.lines << " lines";
    out << "\n";
  }
  return 0;
}

}  // namespace tarumo::cli
