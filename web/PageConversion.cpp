#include "web/PageConversion.h"

#include <optional>

#include "common/Error.h"
#include "common/TextLines.h"
#include "conversion/GiantTextWriter.h"
#include "conversion/LineConverter.h"
#include "conversion/MissingGlyphReport.h"
#include "platform/posix/PosixTextServices.h"
#include "platform/web/Cp932.h"

namespace tarumo::web {
namespace {

// As much of the list of characters without a glyph as tarumo2-cli keeps.
constexpr std::size_t kMissingListBytes = 1 << 20;
constexpr const char* kPostBreak = "\f";
constexpr int kMaxLimit = 1000000000;

std::string ToUtf8(const std::string& cp932) {
  return Cp932ToUtf8(cp932).value_or(cp932);
}

// The giant text's lines joined as they come. A post is where its lines lie in the text, not a
// second copy, and not found again by its form-feed lines: a reader's glyph row may be one.
class PageOutput final : public GiantTextOutput {
 public:
  explicit PageOutput(PageResult& result) : result_(result) {}

  void Line(const std::string& line) override {
    if (started_) result_.text += '\n';
    started_ = true;  // a first line may be empty: an input line with no glyph at all
    result_.text += line;
  }
  void PostBreak(const BoardSize& endedPost) override {
    EndPost(endedPost);
    Line(kPostBreak);
    postBegin_ = result_.text.size() + 1;  // past the line end that the next line brings
  }
  void EndPost(const BoardSize& size) {
    result_.posts.push_back({postBegin_, result_.text.size(), size});
  }

 private:
  PageResult& result_;
  bool started_ = false;
  std::size_t postBegin_ = 0;
};

std::string LineNumber(std::size_t number) {
  return std::to_string(number) + " 行目: ";
}

std::string TooLargeMessage(std::size_t number, const BoardSize& rowSet,
                            const GiantTextOptions& options) {
  std::string message = LineNumber(number) + std::to_string(rowSet.bytes) + " バイト、" +
                        std::to_string(rowSet.lines) + " 行の段が 1 投稿の上限を超えます。";
  if (options.posts.bytes > 0 && rowSet.bytes > options.posts.bytes) {
    message += "幅を狭くしてください";
  } else {
    message += "投稿の行数を増やしてください";
  }
  return message;
}

std::optional<std::string> CheckLimits(const PageOptions& options) {
  for (const int limit : {options.width, options.postBytes, options.postLines}) {
    if (limit < 0 || limit > kMaxLimit) return "幅と投稿の上限は 1 から 1000000000 までの数です";
  }
  return std::nullopt;
}

}  // namespace

std::string TextFile(const std::string& text, TextEncoding encoding) {
  if (text.empty()) return {};
  if (encoding == TextEncoding::kUtf8) return text + '\n';
  // No glyph row holds a line break: every LF ends a line.
  std::string file;
  file.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') file += '\r';
    file += c;
  }
  return file + "\r\n";
}

PageResult ConvertPage(const PageOptions& options, const FileSystem& files, TextEncoding encoding) {
  PageResult result;
  const bool utf8 = encoding == TextEncoding::kUtf8;
  if (auto error = CheckLimits(options)) {
    result.error = utf8 ? ToUtf8(*error) : *error;
    return result;
  }
  const PosixTextServices text;
  const GlyphLibrary library{"", files, text};
  GlyphRowEncoder encode;
  if (utf8) encode = [](const std::string& row) { return ToUtf8(row); };
  LineConverter converter(library, encode);
  const GiantTextOptions giant{
      options.blankLine, options.width, {options.postBytes, options.postLines}};
  PageOutput output(result);
  MissingGlyphReport missing(kMissingListBytes);
  GiantTextWriter writer(converter, giant, output, missing);

  std::string_view input = options.text;
  if (input.starts_with("\xEF\xBB\xBF")) input.remove_prefix(3);
  const std::vector<std::string> lines = SplitLines(input);
  try {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto line = Utf8ToCp932(lines[i]);
      if (!line) {
        result.error = LineNumber(i + 1) + "Shift-JIS (コードページ 932) にない文字があります";
        break;
      }
      if (!writer.Add(*line)) {
        result.error = TooLargeMessage(i + 1, writer.TooLarge(), giant);
        break;
      }
    }
  } catch (const Error& error) {
    result.error = error.what();
  }
  if (const auto last = writer.LastPost(); last && result.error.empty()) output.EndPost(*last);
  if (result.error.empty()) result.missing = missing.Message();
  // The messages, like every text of the program, are code page 932 until here.
  if (utf8) {
    result.missing = ToUtf8(result.missing);
    result.error = ToUtf8(result.error);
  }
  return result;
}

}  // namespace tarumo::web
