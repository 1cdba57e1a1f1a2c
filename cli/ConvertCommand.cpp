#include "cli/ConvertCommand.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "cli/StreamHost.h"
#include "cli/TextCodec.h"
#include "common/Error.h"
#include "conversion/ConversionPass.h"
#include "documents/PreviewPage.h"
#include "documents/TextFormat.h"
#include "platform/posix/Cp932.h"
#include "platform/posix/ExecutableFolder.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTextServices.h"

namespace tarumo::cli {
namespace {

constexpr const char* kProgram = "tarumo2-cli: ";

}  // namespace

int RunConvert(const ConvertOptions& options, std::istream& in, std::ostream& out,
               std::ostream& err) {
  const std::string folder =
      options.glyphFolder.value_or((ExecutableFolder() / "glyphs").string());
  // The library is named like the window names it: code page 932 with a closing backslash.
  const auto programFolder = Utf8ToCp932(folder);
  if (!programFolder) {
    err << kProgram << "the glyph folder's name cannot be written in code page 932: " << folder
        << "\n";
    return 2;
  }

  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  DecodedLines input = DecodeInputLines(bytes, options.encoding);
  if (!input.error.empty()) {
    err << kProgram << input.error << "\n";
    return 2;
  }

  const char* lineEnd = options.crlf ? "\r\n" : "\n";
  std::vector<std::string> pageLines;  // the giant text, kept for the page
  StreamHost host(std::move(input.lines), options.blankLine, [&](const std::string& line) {
    if (options.page) {
      pageLines.push_back(line);
    } else {
      out << EncodeOutput(line, options.encoding) << lineEnd;
    }
  });
  const PosixFileSystem files;
  const PosixTextServices text;
  std::string missingGlyphs;
  try {
    missingGlyphs = RunConversionPass(host, {*programFolder + "\\", files, text});
  } catch (const Error& error) {
    err << kProgram << EncodeOutput(error.what(), options.encoding) << "\n";
    return 1;
  }
  if (!missingGlyphs.empty()) err << EncodeOutput(missingGlyphs, options.encoding) << "\n";
  // The page is the window's: its own code page and line ends, as the browser is told.
  if (options.page) out << TextFileBytes(PreviewPageLines(pageLines));
  out.flush();
  return 0;
}

}  // namespace tarumo::cli
