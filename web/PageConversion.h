// The web page's conversion: the text of its input box made into giant text by the same
// writer as tarumo2-cli's, with the page's spacing, width and post options. UTF-8 at the
// edges, code page 932 inside.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "conversion/BoardSize.h"
#include "platform/FileSystem.h"

namespace tarumo::web {

struct PageOptions {
  std::string text;       // UTF-8; lines end at CR LF, a lone CR or a lone LF
  std::string blankLine;  // the spacing box's text, read as the window reads it
  int width = 0;          // dots; 0 for no limit
  int postBytes = 0;      // 0 for no limit
  int postLines = 0;      // 0 for no limit
};

enum class TextEncoding {
  kUtf8,      // lines end at LF: tarumo2-cli's output
  kShiftJis,  // code page 932, lines end at CR LF: the window's text file
};

// A post of the giant text: its lines are `text`'s bytes [begin, end), without the form-feed
// lines around it.
struct PagePost {
  std::size_t begin = 0;
  std::size_t end = 0;
  BoardSize size;
};

struct PageResult {
  // Every line, joined by LF, posts apart by a line holding only a form feed, as tarumo2-cli
  // writes them. A giant text has lines whenever there is an input line: three rows at least.
  std::string text;
  std::vector<PagePost> posts;  // with post limits: each post, in order
  std::string missing;         // the missing-glyph message; empty when every glyph was found
  std::string error;           // why the conversion stopped; empty when it went through
};

// Converts with the glyph library of `files` (paths from its root: "data\<key>.txt"). The
// texts of the result are in `encoding`'s character set; its lines have no line ends.
PageResult ConvertPage(const PageOptions& options, const FileSystem& files,
                       TextEncoding encoding = TextEncoding::kUtf8);

// The giant text as a file: every line followed by the encoding's line end.
std::string TextFile(const std::string& text, TextEncoding encoding);

}  // namespace tarumo::web
