#include <gtest/gtest.h>

#include "common/TextLines.h"
#include "documents/TextFormat.h"

namespace tarumo {
namespace {

// What saving an editor that holds `text` writes.
std::string Saved(std::string_view text) {
  return TextFileBytes(SplitLines(text));
}

TEST(EditorTextOf, MakesEveryLoneBreakCrLf) {
  EXPECT_EQ(EditorTextOf("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(EditorTextOf("a\rb\r"), "a\r\nb\r\n");
  EXPECT_EQ(EditorTextOf("a\r\nb"), "a\r\nb");
  // LF then CR is two breaks; CR CR LF is a lone CR and a CR LF.
  EXPECT_EQ(EditorTextOf("a\n\rb"), "a\r\n\r\nb");
  EXPECT_EQ(EditorTextOf("a\r\r\nb"), "a\r\n\r\nb");
  EXPECT_EQ(EditorTextOf(""), "");
  // Trail bytes are never line breaks, and double-byte text passes unchanged.
  EXPECT_EQ(EditorTextOf("ソ表\n"), "ソ表\r\n");
}

TEST(TextFileBytes, EndsEveryLineWithCrLfAndAddsNothingElse) {
  EXPECT_EQ(Saved("a\r\nb"), "a\r\nb\r\n");
  EXPECT_EQ(Saved("a\r\nb\r\n"), "a\r\nb\r\n");          // one final break: exactly one CR LF
  EXPECT_EQ(Saved("a\r\nb\r\n\r\n"), "a\r\nb\r\n\r\n");  // two: one empty line more
  EXPECT_EQ(Saved("a\r\n\r\n\r\nb"), "a\r\n\r\n\r\nb\r\n");
  EXPECT_EQ(Saved("\r\n"), "\r\n");
  EXPECT_EQ(Saved(""), "");
  EXPECT_EQ(Saved(EditorTextOf("one\ntwo")), "one\r\ntwo\r\n");  // loaded LF-only, saved CR LF
}

TEST(TextFileBytes, KeepsLinesLongerThan4096BytesWhole) {
  const std::string line(5000, 'x');
  EXPECT_EQ(Saved(line + "\r\nshort"), line + "\r\nshort\r\n");
}

}  // namespace
}  // namespace tarumo
