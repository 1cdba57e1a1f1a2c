#include <gtest/gtest.h>

#include <vector>

#include "conversion/SpacingRules.h"

namespace tarumo {
namespace {

using Lines = std::vector<std::string>;

// An editor whose line writes can report themselves as a new change, as a real one may.
class FakeEditor final : public OutputEditor {
 public:
  explicit FakeEditor(Lines lines, int caret = 0) : lines(std::move(lines)), caret(caret) {}

  Lines lines;
  int caret;
  bool focused = false;
  int writes = 0;
  bool notifyNested = false;

  int LineCount() override { return static_cast<int>(lines.size()); }
  std::string Line(int index) override { return lines.at(index); }
  void ReplaceLines(int first, const Lines& texts) override {
    for (std::size_t i = 0; i < texts.size(); ++i) lines.at(first + i) = texts[i];
    writes += static_cast<int>(texts.size());
    if (notifyNested) ApplySpacingRules(*this);
  }
  int CaretPosition() override { return caret; }
  void SetCaretPosition(int position) override { caret = position; }
  void TakeFocus() override { focused = true; }
};

TEST(ApplySpacingRulesToLine, RunsOfHalfWidthSpacesBecomeOne) {
  EXPECT_EQ(ApplySpacingRulesToLine("a    b"), "a b");
  EXPECT_EQ(ApplySpacingRulesToLine("a  b   c"), "a b c");
  EXPECT_EQ(ApplySpacingRulesToLine("ab  "), "ab ");
}

TEST(ApplySpacingRulesToLine, OneLeadingSpaceGoesFromLinesLongerThanTwoBytes) {
  EXPECT_EQ(ApplySpacingRulesToLine(" abc"), "abc");
  EXPECT_EQ(ApplySpacingRulesToLine("  abc"), "abc");
  EXPECT_EQ(ApplySpacingRulesToLine(" あ"), "あ");
  EXPECT_EQ(ApplySpacingRulesToLine(" a"), " a");
  EXPECT_EQ(ApplySpacingRulesToLine(" "), " ");
  EXPECT_EQ(ApplySpacingRulesToLine("  "), " ");
  EXPECT_EQ(ApplySpacingRulesToLine("   a"), " a");
}

TEST(ApplySpacingRulesToLine, FullWidthSpacesAreOrdinaryCharacters) {
  EXPECT_EQ(ApplySpacingRulesToLine("　a"), "　a");
  EXPECT_EQ(ApplySpacingRulesToLine("　  　"), "　 　");
  EXPECT_EQ(ApplySpacingRulesToLine("　　"), "　　");
}

TEST(ApplySpacingRules, ATypedDoubleSpaceCollapsesAndTheCaretGoesBackOne) {
  FakeEditor editor({"ab  c"}, 4);
  EXPECT_TRUE(ApplySpacingRules(editor));
  EXPECT_EQ(editor.lines, Lines{"ab c"});
  EXPECT_EQ(editor.caret, 3);
  EXPECT_TRUE(editor.focused);
}

TEST(ApplySpacingRules, AChangeThatBreaksNoRuleTouchesNothing) {
  FakeEditor editor({"a b", "　x", " "}, 2);
  EXPECT_FALSE(ApplySpacingRules(editor));
  EXPECT_EQ(editor.writes, 0);
  EXPECT_EQ(editor.caret, 2);
  EXPECT_FALSE(editor.focused);
}

TEST(ApplySpacingRules, AnEmptyEditorIsLeftAlone) {
  FakeEditor editor({}, 0);
  EXPECT_FALSE(ApplySpacingRules(editor));
  EXPECT_FALSE(editor.focused);
}

TEST(ApplySpacingRules, EveryLineFromTheFirstChangeOnIsWrittenBack) {
  FakeEditor editor({"ok", " abc", "fine", "x  y"}, 10);
  EXPECT_TRUE(ApplySpacingRules(editor));
  EXPECT_EQ(editor.lines, (Lines{"ok", "abc", "fine", "x y"}));
  EXPECT_EQ(editor.writes, 3);
  // However many spaces went, the caret goes back by exactly one.
  EXPECT_EQ(editor.caret, 9);
}

TEST(ApplySpacingRules, NestedChangeNotificationsGiveTheSameEndResult) {
  const Lines text = {" abc", "d   e", "  ", "f  g", "　 h"};
  FakeEditor plain(text, 7);
  FakeEditor nested(text, 7);
  nested.notifyNested = true;
  ApplySpacingRules(plain);
  ApplySpacingRules(nested);
  EXPECT_EQ(nested.lines, plain.lines);
  EXPECT_EQ(nested.caret, plain.caret);
  EXPECT_EQ(plain.caret, 6);
  EXPECT_TRUE(nested.focused);
}

TEST(ApplySpacingRules, StartingAtAnAppendedLineChecksOnlyFromThere) {
  FakeEditor editor({"a  b", "c  d"}, 3);
  EXPECT_TRUE(ApplySpacingRules(editor, 1));
  EXPECT_EQ(editor.lines, (Lines{"a  b", "c d"}));
  EXPECT_EQ(editor.caret, 2);
}

}  // namespace
}  // namespace tarumo
