#include "conversion/GiantTextWriter.h"

#include "conversion/ConversionPass.h"
#include "conversion/SpacingRules.h"

namespace tarumo {

GiantTextWriter::GiantTextWriter(LineConverter& converter, const GiantTextOptions& options,
                                 GiantTextOutput& output, MissingGlyphReport& missing)
    : converter_(converter),
      output_(output),
      missing_(missing),
      blankLine_(options.blankLine),
      posts_(options.posts.bytes > 0 || options.posts.lines > 0),
      fitted_(posts_ || options.width > 0),
      cutter_(options.posts),
      maker_(converter, options.width) {}

bool GiantTextWriter::Add(std::string_view line) {
  if (!fitted_) {
    AddWhole(line);
    return true;
  }
  return AddFitted(line);
}

// As the window's pass converts a line: three rows, each through the spacing rules (the lines
// before it obey them already), then the spacing lines, whose count is read when the first
// line needs it.
void GiantTextWriter::AddWhole(std::string_view line) {
  missingKeys_.clear();
  converter_.Convert(line, rows_, missingKeys_);
  for (const std::string& key : missingKeys_) missing_.Add(key);
  if (!spacingLines_) spacingLines_ = SpacingLines(blankLine_);
  for (std::string& row : rows_) output_.Line(ApplySpacingRulesToLine(std::move(row)));
  for (int i = 0; i < *spacingLines_; ++i) output_.Line({});
}

// A line may make several row sets, and with posts the spacing lines are written only between
// row sets of one post.
bool GiantTextWriter::AddFitted(std::string_view line) {
  missingKeys_.clear();
  const auto rowSets = maker_.Make(line, missingKeys_);
  for (const std::string& key : missingKeys_) missing_.Add(key);
  if (!spacingLines_) spacingLines_ = SpacingLines(blankLine_);
  for (const RowSet& rowSet : rowSets) {
    if (!posts_) {
      for (const std::string& row : rowSet.rows) output_.Line(row);
      for (int i = 0; i < *spacingLines_; ++i) output_.Line({});
      continue;
    }
    switch (cutter_.Add(rowSet.size, *spacingLines_)) {
      case PostCutter::Place::kTooLarge:
        tooLarge_ = rowSet.size;
        return false;
      case PostCutter::Place::kNewPost:
        if (cutter_.Posts() > 1) output_.PostBreak(cutter_.EndedPost());
        break;
      case PostCutter::Place::kSamePost:
        for (int i = 0; i < *spacingLines_; ++i) output_.Line({});
        break;
    }
    for (const std::string& row : rowSet.rows) output_.Line(row);
  }
  return true;
}

std::optional<BoardSize> GiantTextWriter::LastPost() const {
  if (!posts_ || cutter_.Posts() == 0) return std::nullopt;
  return cutter_.Post();
}

}  // namespace tarumo
