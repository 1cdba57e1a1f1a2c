// One input line made into its row set: folded to full width, cut into character keys, and
// every key's glyph rows set side by side. The conversion pass and the command-line converter
// both convert their lines here; a line to be broken to a width is taken as its characters,
// every glyph measured in the reader's font once, as it is read.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/GlyphFiles.h"
#include "conversion/LineCharacter.h"
#include "platform/FileSystem.h"
#include "platform/TextServices.h"

namespace tarumo {

// Where the glyph pictures come from: the program folder (ending in a backslash) and the
// services that fold, cut and read.
struct GlyphLibrary {
  std::string programFolder;
  const FileSystem& files;
  const TextServices& text;
};

// What becomes of every glyph row as it is read, once per glyph: the encoding the rows are
// wanted in. Rows are joined afterwards, and the spacing rules touch only the byte of the
// half-width space, so they give the same result before or after any encoding that keeps
// ASCII as it is.
using GlyphRowEncoder = std::function<std::string(const std::string&)>;

class LineConverter {
 public:
  explicit LineConverter(const GlyphLibrary& library, GlyphRowEncoder encode = nullptr);
  ~LineConverter();
  LineConverter(const LineConverter&) = delete;
  LineConverter& operator=(const LineConverter&) = delete;

  // Makes `line` into `rows` (emptied first), each glyph's row k joined to row k, with nothing
  // between pictures; the key of every character without a glyph is added to `missing`, which
  // is not emptied. Every key is looked up, and its glyph file read, once in the converter's
  // life: a converter lives for one pass. Raises the errors of ReadGlyphRows.
  void Convert(std::string_view line, GlyphRows& rows, std::vector<std::string>& missing);

  // `line` folded and cut into its characters, each with its glyph, looked up as Convert looks
  // it up; the key of every character without a glyph is added to `missing`. The characters'
  // texts lie in the converter's copy of the folded line: they hold until the next call.
  const std::vector<LineCharacter>& Characters(std::string_view line,
                                               std::vector<std::string>& missing);

 private:
  const Glyph* Find(std::string_view key);

  const GlyphLibrary& library_;
  GlyphRowEncoder encode_;
  // Looked-up glyphs by key: the empty key, then lone lead bytes, then double-byte keys.
  std::vector<std::unique_ptr<const std::optional<Glyph>>> glyphs_;
  std::string folded_;
  std::vector<LineCharacter> characters_;
};

}  // namespace tarumo
