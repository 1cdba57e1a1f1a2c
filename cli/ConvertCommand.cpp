#include "cli/ConvertCommand.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/InputLines.h"
#include "cli/OutputLines.h"
#include "cli/TextCodec.h"
#include "common/Error.h"
#include "conversion/ConversionPass.h"
#include "conversion/LineConverter.h"
#include "conversion/MissingGlyphReport.h"
#include "conversion/SpacingRules.h"
#include "platform/posix/Cp932.h"
#include "platform/posix/ExecutableFolder.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTextServices.h"

namespace tarumo::cli {
namespace {

constexpr const char* kProgram = "tarumo2-cli: ";
// The list of characters without a glyph keeps at most this much; the rest are counted.
constexpr std::size_t kMissingListBytes = 1 << 20;

}  // namespace

int RunConvert(const ConvertOptions& options, std::istream& in, std::ostream& out,
               std::ostream& err) {
  const std::string folder = options.glyphFolder.value_or((ExecutableFolder() / "glyphs").string());
  // The library is named like the window names it: code page 932 with a closing backslash.
  const auto programFolder = Utf8ToCp932(folder);
  if (!programFolder) {
    err << kProgram << "the glyph folder's name cannot be written in code page 932: " << folder
        << "\n";
    return 2;
  }
  const PosixFileSystem files;
  const PosixTextServices text;
  const GlyphLibrary library{*programFolder + "\\", files, text};
  // Glyph rows are brought to the output's encoding once each, as they are read. The page is
  // the window's: its own code page, whatever the encoding.
  GlyphRowEncoder encode;
  if (options.encoding == Encoding::kUtf8 && !options.page) {
    encode = [](const std::string& row) { return EncodeOutput(row, Encoding::kUtf8); };
  }
  LineConverter converter(library, encode);

  // Every line is converted and written before the next is read, as the window's pass would
  // convert it: three rows, each through the spacing rules (the lines before it obey them
  // already), then the spacing lines, whose count is read when the first line needs it.
  InputLines input(in, options.encoding);
  OutputLines output(out, options.crlf ? "\r\n" : "\n", options.page);
  MissingGlyphReport missing(kMissingListBytes);
  std::optional<int> spacingLines;
  std::string line;
  GlyphRows rows;
  std::vector<std::string> missingKeys;
  try {
    // An output that fails (a full disk, a closed pipe) ends the conversion; the caller reports it.
    while (out && input.Next(line)) {
      missingKeys.clear();
      converter.Convert(line, rows, missingKeys);
      for (const std::string& key : missingKeys) missing.Add(key);
      if (!spacingLines) spacingLines = SpacingLines(options.blankLine);
      for (std::string& row : rows) output.Line(ApplySpacingRulesToLine(std::move(row)));
      for (int i = 0; i < *spacingLines; ++i) output.Line({});
    }
  } catch (const Error& error) {
    output.Flush();
    err << kProgram << EncodeOutput(error.what(), options.encoding) << "\n";
    return 1;
  }
  if (!input.error().empty()) {
    output.Flush();
    err << kProgram << input.error() << "\n";
    return 2;
  }
  output.Finish();
  if (!missing.empty()) err << EncodeOutput(missing.Message(), options.encoding) << "\n";
  if (missing.Unlisted() > 0) {
    err << kProgram << missing.Unlisted() << " more characters without a glyph are not listed\n";
  }
  return 0;
}

}  // namespace tarumo::cli
