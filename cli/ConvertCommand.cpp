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
#include "conversion/ConversionPass.h"
#include "conversion/LineConverter.h"
#include "conversion/MissingGlyphReport.h"
#include "conversion/PostCutter.h"
#include "conversion/RowSetMaker.h"
#include "conversion/SpacingRules.h"
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

// Every line is converted and written before the next is read, as the window's pass would
// convert it: three rows, each through the spacing rules (the lines before it obey them
// already), then the spacing lines, whose count is read when the first line needs it. An
// output that fails (a full disk, a closed pipe) ends the conversion; the caller reports it.
void WriteRowSets(const ConvertOptions& options, LineConverter& converter, InputLines& input,
                  OutputLines& output, std::ostream& out, MissingGlyphReport& missing) {
  std::optional<int> spacingLines;
  std::string line;
  GlyphRows rows;
  std::vector<std::string> missingKeys;
  while (out && input.Next(line)) {
    missingKeys.clear();
    converter.Convert(line, rows, missingKeys);
    for (const std::string& key : missingKeys) missing.Add(key);
    if (!spacingLines) spacingLines = SpacingLines(options.blankLine);
    for (std::string& row : rows) output.Line(ApplySpacingRulesToLine(std::move(row)));
    for (int i = 0; i < *spacingLines; ++i) output.Line({});
  }
}

// The same with --width or posts: a line may make several row sets, and with posts the
// spacing lines are written only between row sets of one post. Returns 0, or 1 at a row set
// that no post can hold (`failure` says which).
int WriteFittedRowSets(const ConvertOptions& options, LineConverter& converter, InputLines& input,
                       OutputLines& output, std::ostream& out, MissingGlyphReport& missing,
                       std::optional<PostSummary>& summary, std::string& failure) {
  const bool posts = options.postBytes > 0 || options.postLines > 0;
  const PostLimits limits{options.postBytes, options.postLines};
  PostCutter cutter(limits);
  if (posts) summary.emplace(kPostListBytes);
  RowSetMaker maker(converter, options.width);
  std::optional<int> spacingLines;
  std::string line;
  std::vector<std::string> missingKeys;
  for (std::int64_t number = 1; out && input.Next(line); ++number) {
    missingKeys.clear();
    const auto rowSets = maker.Make(line, missingKeys);
    for (const std::string& key : missingKeys) missing.Add(key);
    if (!spacingLines) spacingLines = SpacingLines(options.blankLine);
    for (const RowSet& rowSet : rowSets) {
      if (!posts) {
        for (const std::string& row : rowSet.rows) output.Line(row);
        for (int i = 0; i < *spacingLines; ++i) output.Line({});
        continue;
      }
      switch (cutter.Add(rowSet.size, *spacingLines)) {
        case PostCutter::Place::kTooLarge:
          failure = RowSetTooLarge(number, rowSet.size, limits, options.width > 0);
          return 1;
        case PostCutter::Place::kNewPost:
          if (cutter.Posts() > 1) {
            summary->Add(cutter.EndedPost());
            output.PostBreak();
          }
          break;
        case PostCutter::Place::kSamePost:
          for (int i = 0; i < *spacingLines; ++i) output.Line({});
          break;
      }
      for (const std::string& row : rowSet.rows) output.Line(row);
    }
  }
  if (posts && cutter.Posts() > 0) summary->Add(cutter.Post());
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
    if (options.width == 0 && options.postBytes == 0 && options.postLines == 0) {
      WriteRowSets(options, converter, input, output, out, missing);
    } else if (std::string failure; WriteFittedRowSets(options, converter, input, output, out,
                                                       missing, posts, failure) != 0) {
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
