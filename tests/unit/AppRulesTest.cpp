#include <gtest/gtest.h>

#include "app/EditorText.h"
#include "app/LargeSelection.h"
#include "app/ProgramFolder.h"
#include "app/StandardErrorText.h"
#include "app/WindowLayout.h"
#include "common/Error.h"
#include "platform/posix/PosixTextServices.h"

namespace tarumo {
namespace {

TEST(StandardErrorText, AppendsAFullStopAfterALastByteThatSortsAfterIt) {
  EXPECT_EQ(StandardErrorText("abc"), "abc.");
  EXPECT_EQ(StandardErrorText("/"), "/.");  // 0x2F, just after "."
  // A double-byte character ends in a byte above 0x3F.
  EXPECT_EQ(StandardErrorText(messages::kCannotOpenClipboard),
            "クリップボードを開くことができません.");
  EXPECT_EQ(StandardErrorText("ファイル C:\\a.txt は開けません"),
            "ファイル C:\\a.txt は開けません.");
}

TEST(StandardErrorText, LeavesAMessageEndingInAFullStopOrBeforeItAlone) {
  EXPECT_EQ(StandardErrorText(""), "");
  EXPECT_EQ(StandardErrorText("done."), "done.");
  EXPECT_EQ(StandardErrorText("a-"), "a-");  // 0x2D, just before "."
  EXPECT_EQ(StandardErrorText("リストのインデックスが範囲を超えています (2)"),
            "リストのインデックスが範囲を超えています (2)");
  EXPECT_EQ(StandardErrorText("'x' は整数ではありません "), "'x' は整数ではありません ");
}

TEST(WindowLayout, TooSmallOuterSizesAreCorrected) {
  using layout::CorrectedOuterSize;
  using layout::Size;
  EXPECT_EQ(CorrectedOuterSize({550, 150}), (Size{620, 200}));
  EXPECT_EQ(CorrectedOuterSize({599, 199}), (Size{620, 200}));
  EXPECT_EQ(CorrectedOuterSize({599, 480}), (Size{620, 480}));
  EXPECT_EQ(CorrectedOuterSize({700, 199}), (Size{700, 200}));
}

TEST(WindowLayout, SizesAtTheMinimumsStay) {
  EXPECT_EQ(layout::CorrectedOuterSize({600, 200}), (layout::Size{600, 200}));
  EXPECT_EQ(layout::CorrectedOuterSize({1024, 768}), (layout::Size{1024, 768}));
}

TEST(WindowLayout, MemoOutFillsTheClientAreaBelowTheTopRowAndAboveTheBottomGap) {
  EXPECT_EQ(layout::MemoOutBounds({625, 465}), (layout::Bounds{0, 80, 625, 369}));
  EXPECT_EQ(layout::MemoOutBounds({1000, 96}), (layout::Bounds{0, 80, 1000, 0}));
  // The status bar covers the lowest 3 pixels of the output editor.
  const auto memo = layout::MemoOutBounds({625, 465});
  const auto bar = layout::StatusBarBounds({625, 465});
  EXPECT_EQ(bar, (layout::Bounds{0, 446, 625, 19}));
  EXPECT_EQ(memo.top + memo.height - bar.top, 3);
}

TEST(EditorText, EditorLinesLoseTheLineBreakThatARichEditCopiesAlong) {
  EXPECT_EQ(WithoutLineBreak("abc\r\n"), "abc");
  EXPECT_EQ(WithoutLineBreak("abc\r"), "abc");
  EXPECT_EQ(WithoutLineBreak("\r\n"), "");
  EXPECT_EQ(WithoutLineBreak("a b "), "a b ");
  EXPECT_EQ(WithoutLineBreak("ソ"), "ソ");
}

TEST(EditorText, EveryLineBreakBecomesCrLf) {
  EXPECT_EQ(WithCrLfLineBreaks("a\r\nb\r\n"), "a\r\nb\r\n");
  EXPECT_EQ(WithCrLfLineBreaks("a\nb\rc\r\n\n"), "a\r\nb\r\nc\r\n\r\n");
  EXPECT_EQ(WithCrLfLineBreaks("\r\r\n"), "\r\n\r\n");
  EXPECT_EQ(WithCrLfLineBreaks("■　■\r■"), "■　■\r\n■");
  EXPECT_EQ(WithCrLfLineBreaks(""), "");
}

TEST(EditorText, AnEmptyLastLineDoesNotCount) {
  EXPECT_EQ(CountedLines(1, true), 0);   // an empty editor
  EXPECT_EQ(CountedLines(1, false), 1);  // "a"
  EXPECT_EQ(CountedLines(2, true), 1);   // "a\r\n"
  EXPECT_EQ(CountedLines(3, true), 2);   // "a\r\n\r\n"
  EXPECT_EQ(CountedLines(0, true), 0);
}

TEST(EditorText, AnEditorsLinesAreCutAtCrLfOnly) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitEditorLines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitEditorLines("a\r\n"), (Lines{"a"}));  // an empty last line does not count
  EXPECT_EQ(SplitEditorLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitEditorLines(""), Lines{});
  EXPECT_EQ(SplitEditorLines("\r\n"), Lines{""});
  EXPECT_EQ(SplitEditorLines("a\nb\rc"), Lines{"a\nb\rc"});  // lone breaks stay in the line
}

TEST(ProgramFolderOf, KeepsTheFolderUpToAndIncludingTheLastBackslash) {
  const PosixTextServices text;
  EXPECT_EQ(ProgramFolderOf("C:\\tools\\tarumo2\\tarumo2.exe", text), "C:\\tools\\tarumo2\\");
  EXPECT_EQ(ProgramFolderOf("C:\\tarumo2.exe", text), "C:\\");
  EXPECT_EQ(ProgramFolderOf("tarumo2.exe", text), "");
}

TEST(ProgramFolderOf, ASecondByte0x5CIsNoBackslash) {
  const PosixTextServices text;
  // ソ is 0x83 0x5C and 表 is 0x95 0x5C.
  EXPECT_EQ(ProgramFolderOf("C:\\ソフト\\tarumo2.exe", text), "C:\\ソフト\\");
  EXPECT_EQ(ProgramFolderOf("C:\\x\\ソ.exe", text), "C:\\x\\");
  EXPECT_EQ(ProgramFolderOf("C:\\表\\ソ", text), "C:\\表\\");
}

TEST(EditorText, ByteOffsetsCountDoubleByteCharactersAsOneAndLinesByTheirBreaks) {
  const std::string text = "a■b\r\n■■\r\nc";
  EXPECT_EQ(ByteOffsetOf(text, 0, 0), 0u);
  EXPECT_EQ(ByteOffsetOf(text, 0, 2), 3u);  // after a and ■
  EXPECT_EQ(ByteOffsetOf(text, 1, 0), 6u);
  EXPECT_EQ(ByteOffsetOf(text, 1, 1), 8u);
  EXPECT_EQ(ByteOffsetOf(text, 2, 1), 13u);
  EXPECT_EQ(ByteOffsetOf(text, 3, 0), text.size());  // past the last line
  EXPECT_EQ(ByteOffsetOf(text, 0, 9), 4u);           // at the end of its line
  EXPECT_EQ(ByteOffsetOf(text, 2, 9), text.size());
}

TEST(LargeSelection, TheWholeOfALongTextIsRemovedByAFreshControl) {
  EXPECT_TRUE(RemoveByFreshControl({0, 7999, 0}));
  EXPECT_TRUE(RemoveByFreshControl({0, 999, 0}));
  // Most of a long text, the start kept.
  EXPECT_TRUE(RemoveByFreshControl({1000, 7999, 1000}));
}

TEST(LargeSelection, AFewLinesOrAShortTextStayWithTheControl) {
  EXPECT_FALSE(RemoveByFreshControl({0, 0, 0}));
  EXPECT_FALSE(RemoveByFreshControl({7990, 7999, 7990}));  // ten lines at the end of 8,000
  EXPECT_FALSE(RemoveByFreshControl({0, 99, 0}));          // all of 100 lines
  // A hundred lines near the end of 8,000: the control is quicker than setting the rest.
  EXPECT_FALSE(RemoveByFreshControl({7000, 7099, 7900}));
  // Eight hundred there are not.
  EXPECT_TRUE(RemoveByFreshControl({7000, 7799, 7200}));
}

}  // namespace
}  // namespace tarumo
