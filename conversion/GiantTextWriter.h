// Input lines made into giant text, as tarumo2-cli writes it and the web page shows it: every
// line's row sets (broken to a width when one is given), each followed by its spacing lines;
// with post limits, the row sets cut into posts, the spacing lines written only between row
// sets of one post.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/BoardSize.h"
#include "conversion/GlyphFiles.h"
#include "conversion/LineConverter.h"
#include "conversion/MissingGlyphReport.h"
#include "conversion/PostCutter.h"
#include "conversion/RowSetMaker.h"

namespace tarumo {

struct GiantTextOptions {
  std::string blankLine = "1";  // the spacing box's text, read when the first line needs it
  int width = 0;                // no row set wider than this many dots; 0 for no limit
  PostLimits posts;             // both 0: no posts
};

// Where the giant text goes, line by line.
class GiantTextOutput {
 public:
  virtual ~GiantTextOutput() = default;

  virtual void Line(const std::string& line) = 0;
  // The post of `endedPost`'s size is full; the next line begins a new one.
  virtual void PostBreak(const BoardSize& endedPost) = 0;
};

class GiantTextWriter {
 public:
  GiantTextWriter(LineConverter& converter, const GiantTextOptions& options,
                  GiantTextOutput& output, MissingGlyphReport& missing);

  // Writes the row sets of the next input line (code page 932); the keys of its characters
  // without a glyph go to the report. False at a row set that alone is over a post's limit,
  // after the line's row sets before it: TooLarge() then tells its size, and the text cannot
  // go on. Raises the errors of the conversion and of the spacing text.
  bool Add(std::string_view line);

  // With posts: the size of the post being filled, the last one once every line is added;
  // nothing when no post was begun or posts are not cut.
  std::optional<BoardSize> LastPost() const;

  const BoardSize& TooLarge() const { return tooLarge_; }

 private:
  void AddWhole(std::string_view line);
  bool AddFitted(std::string_view line);

  LineConverter& converter_;
  GiantTextOutput& output_;
  MissingGlyphReport& missing_;
  std::string blankLine_;
  bool posts_;
  bool fitted_;
  PostCutter cutter_;
  RowSetMaker maker_;
  std::optional<int> spacingLines_;
  std::vector<std::string> missingKeys_;
  GlyphRows rows_;
  BoardSize tooLarge_;
};

}  // namespace tarumo
