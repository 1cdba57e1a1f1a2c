// The converter's output, written as it comes: the giant text's lines with the chosen line
// end, or the browser preview page of them (code page 932 with CR LF, whatever the encoding,
// as the browser is told), posts apart. Lines are gathered into large writes.
#pragma once

#include <ostream>
#include <string>

namespace tarumo::cli {

class OutputLines {
 public:
  // A page starts with its head at once.
  OutputLines(std::ostream& out, const char* lineEnd, bool page);

  void Line(const std::string& line);
  // Between two posts: a line holding only a form feed, or on a page a horizontal rule.
  void PostBreak();
  // Writes what is gathered; a page gets its closing line first.
  void Finish();
  // Writes what is gathered so far, before a message goes out.
  void Flush();

 private:
  void Append(const std::string& line, const char* lineEnd);

  std::ostream& out_;
  const char* lineEnd_;
  bool page_;
  std::string gathered_;
};

}  // namespace tarumo::cli
