#include "cli/ConvertCommand.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/InputLines.h"
#include "cli/OutputLines.h"
#include "cli/PostMessages.h"
#include "cli/TextCodec.h"
#include "common/Error.h"
#include "conversion/GiantTextWriter.h"
#include "conversion/LineConverter.h"
#include "conversion/MissingGlyphReport.h"
#include "conversion/PostCutter.h"
#include "platform/posix/Cp932.h"
#include "platform/posix/ExecutableFolder.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTextServices.h"

namespace tarumo::cli {
namespace {

constexpr const char* kProgram = "tarumo2-cli: ";
// The list of characters without a glyph keeps at most this much; the rest are counted. So
// does the list of posts.
constexpr std::size_t kMissingListBytes = 1 << 20;
constexpr std::size_t kPostListBytes = 1 << 20;

// The giant text's lines to the output, posts apart, each post summed up as it ends.
class CommandOutput final : public GiantTextOutput {
 public:
  CommandOutput(OutputLines& lines, std::optional<PostSummary>& summary)
      : lines_(lines), summary_(summary) {}

  void Line(const std::string& line) override { lines_.Line(line); }
  void PostBreak(const BoardSize& endedPost) override {
    summary_->Add(endedPost);
    lines_.PostBreak();
  }

 private:
  OutputLines& lines_;
  std::optional<PostSummary>& summary_;
};

// Every line is converted and written before the next is read. An output that fails (a full
// disk, a closed pipe) ends the conversion; the caller reports it. Returns 0, or 1 at a row
// set that no post can hold (`failure` says which).
int WriteGiantText(const ConvertOptions& options, LineConverter& converter, InputLines& input,
                   OutputLines& output, std::ostream& out, MissingGlyphReport& missing,
                   std::optional<PostSummary>& summary, std::string& failure) {
  const PostLimits limits{options.postBytes, options.postLines};
  if (limits.bytes > 0 || limits.lines > 0) summary.emplace(kPostListBytes);
  CommandOutput lines(output, summary);
  GiantTextWriter writer(converter, {options.blankLine, options.width, limits}, lines, missing);
  std::string line;
  for (std::int64_t number = 1; out && input.Next(line); ++number) {
    if (!writer.Add(line)) {
      failure = RowSetTooLarge(number, writer.TooLarge(), limits, options.width > 0);
      return 1;
    }
  }
  if (const auto last = writer.LastPost()) summary->Add(*last);
  return 0;
}

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

  InputLines input(in, options.encoding);
  OutputLines output(out, options.crlf ? "\r\n" : "\n", options.page);
  MissingGlyphReport missing(kMissingListBytes);
  std::optional<PostSummary> posts;
  try {
    if (std::string failure;
        WriteGiantText(options, converter, input, output, out, missing, posts, failure) != 0) {
      output.Flush();
      err << kProgram << failure << "\n";
      return 1;
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
  if (posts) err << posts->Line() << "\n";
  return 0;
}

}  // namespace tarumo::cli
