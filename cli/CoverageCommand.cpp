#include "cli/CoverageCommand.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/CliOptions.h"
#include "cli/GlyphFolder.h"
#include "cli/TextCodec.h"
#include "cli/TextCoverage.h"
#include "platform/posix/Cp932.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTextServices.h"

namespace tarumo::cli {
namespace {

constexpr const char* kProgram = "tarumo2-cli coverage: ";

struct CoverageOptions {
  std::optional<std::string> glyphFolder;
  Encoding encoding = Encoding::kUtf8;
  std::size_t top = 20;
  std::optional<std::string> inputFile;
};

std::string ParseOptions(const std::vector<std::string>& arguments, CoverageOptions& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--glyphs" || argument == "--encoding" || argument == "--top") {
      if (i + 1 == arguments.size()) return argument + " needs a value";
      const std::string& value = arguments[++i];
      if (argument == "--glyphs") {
        options.glyphFolder = value;
      } else if (argument == "--top") {
        if (value.empty() || value.size() > 6 ||
            value.find_first_not_of("0123456789") != std::string::npos) {
          return "--top needs a number";
        }
        options.top = std::stoul(value);
      } else if (value == "utf-8" || value == "utf8") {
        options.encoding = Encoding::kUtf8;
      } else if (value == "cp932" || value == "shift-jis" || value == "sjis") {
        options.encoding = Encoding::kCp932;
      } else {
        return "unknown encoding '" + value + "' (utf-8 or cp932)";
      }
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

// Adds one line in the input's encoding; false when it is not valid in that encoding.
bool AddLine(std::string line, Encoding encoding, TextCoverageCounter& counter) {
  if (encoding == Encoding::kCp932) {
    if (!Cp932ToUtf8(line)) return false;
    counter.AddLine(line);
    return true;
  }
  if (!IsValidUtf8(line)) return false;
  if (auto cp932 = Utf8ToCp932(line)) {
    counter.AddLine(*cp932);
    return true;
  }
  // Some character has no place in code page 932: take the line character by character.
  std::string taken;
  for (std::size_t at = 0; at < line.size();) {
    std::size_t length = 1;
    while (at + length < line.size() && (line[at + length] & 0xC0) == 0x80) ++length;
    const auto character = Utf8ToCp932(std::string_view(line).substr(at, length));
    if (character) {
      taken += *character;
    } else {
      counter.AddCharacterOutsideCp932();
    }
    at += length;
  }
  counter.AddLine(taken);
  return true;
}

std::string Percent(std::int64_t part, std::int64_t whole) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f%%", whole ? 100.0 * part / whole : 100.0);
  return text;
}

void WriteReport(const TextCoverage& coverage, const CoverageOptions& options, std::ostream& out) {
  const auto shown = [&](const std::string& key) {
    return key.empty() ? std::string("(a single-byte character)")
                       : EncodeOutput(key, options.encoding);
  };
  out << "non-blank characters: " << coverage.characters << ", with a glyph: " << coverage.drawn
      << " (" << Percent(coverage.drawn, coverage.characters) << ")\n"
      << "Japanese characters: " << coverage.japanese
      << ", with a glyph: " << coverage.japaneseDrawn << " ("
      << Percent(coverage.japaneseDrawn, coverage.japanese) << ")\n";
  if (coverage.notCp932 > 0) {
    out << "characters that code page 932 cannot hold: " << coverage.notCp932 << "\n";
  }
  const auto most = coverage.MostMissing(options.top);
  if (most.empty()) return;
  out << "most often without a glyph (" << coverage.missing.size() << " different):";
  for (const auto& [key, count] : most) out << " " << shown(key) << " " << count;
  out << "\n";
}

}  // namespace

int RunCoverage(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                std::ostream& err) {
  CoverageOptions options;
  if (const std::string error = ParseOptions(arguments, options); !error.empty()) {
    err << kProgram << error << "\n";
    return 2;
  }
  const std::string folder = GlyphFolderOr(options.glyphFolder).string();
  if (const auto problem = UnusableGlyphFolder(folder)) {
    err << kProgram << *problem << "\n";
    return 2;
  }
  const auto programFolder = Utf8ToCp932(folder);
  if (!programFolder) {
    err << kProgram << "the glyph folder's name cannot be written in code page 932\n";
    return 2;
  }

  std::error_code error;
  std::ifstream file;
  if (options.inputFile && *options.inputFile != "-") {
    if (std::filesystem::is_directory(*options.inputFile, error) ||
        (file.open(*options.inputFile, std::ios::binary), !file)) {
      err << kProgram << "cannot read " << *options.inputFile << "\n";
      return 2;
    }
  }
  std::istream& input = file.is_open() ? file : in;

  const PosixFileSystem files;
  const PosixTextServices text;
  TextCoverageCounter counter(*programFolder + "\\", files, text);
  std::string line;
  for (std::size_t number = 1; std::getline(input, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && options.encoding == Encoding::kUtf8 && line.rfind("\xEF\xBB\xBF", 0) == 0) {
      line.erase(0, 3);
    }
    if (!AddLine(std::move(line), options.encoding, counter)) {
      err << kProgram << "line " << number << ": not valid "
          << (options.encoding == Encoding::kUtf8 ? "UTF-8" : "Shift-JIS (code page 932)") << "\n";
      return 2;
    }
  }
  if (input.bad()) {
    err << kProgram << "the input could not be read\n";
    return 2;
  }
  WriteReport(counter.Coverage(), options, out);
  return 0;
}

}  // namespace tarumo::cli
