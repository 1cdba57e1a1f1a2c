// The preview page: the giant text as a plain HTML page in code page 932.
#pragma once

#include <string>
#include <vector>

namespace tarumo {

// The page's name in the temporary folder; one page serves every preview.
inline constexpr const char* kPreviewPageName = "___tarumo.html";

// The page's lines: three head lines, each giant-text line followed by "<br>", the closing
// line. Nothing is escaped: the giant text goes into the page byte for byte.
std::vector<std::string> PreviewPageLines(const std::vector<std::string>& giantLines);

// The page in its parts, for a writer that writes it as the giant text comes: the head lines,
// the page's line for one giant-text line, and the closing line.
std::vector<std::string> PreviewPageHead();
std::string PreviewPageLine(const std::string& giantLine);
std::string PreviewPageClosing();

// The page's line between two posts of a giant text cut into posts: a horizontal rule.
std::string PreviewPagePostBreak();

}  // namespace tarumo
