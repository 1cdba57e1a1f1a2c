#include <gtest/gtest.h>

#include "settings/HelpCommands.h"
#include "settings/UpdateCheckCommands.h"
#include "tests/unit/FakeIniFiles.h"
#include "tests/unit/FakeInternet.h"
#include "tests/unit/FakeMessageBoxes.h"
#include "tests/unit/FakeSettingsWindow.h"
#include "tests/unit/FakeShell.h"

namespace tarumo {
namespace {

using testing::FakeIniFiles;
using testing::FakeInternet;
using testing::FakeMemory;
using testing::FakeMessageBoxes;
using testing::FakeSettingsWindow;
using testing::FakeShell;
using Opened = std::vector<std::string>;

constexpr const char* kSupport = "http://h/mini/test/read.cgi/main/1195381503/l50";
constexpr const char* kNewer = "最新版が公開されています。ﾀﾞｳｿしに逝きましょう";

class UpdateReportTest : public ::testing::Test {
 protected:
  void OnDemand(int code) { ReportOnDemand(code, boxes_, shell_, kSupport); }
  void AtStartup(int code) { ReportAtStartup(code, boxes_, shell_, window_, kSupport); }
  void ExpectBox(std::size_t index, const std::string& text, const std::string& title,
                 MessageButtons buttons) {
    ASSERT_LT(index, boxes_.shown.size());
    EXPECT_EQ(boxes_.shown[index].text, text);
    EXPECT_EQ(boxes_.shown[index].title, title);
    EXPECT_EQ(boxes_.shown[index].buttons, buttons);
  }

  FakeMessageBoxes boxes_;
  FakeShell shell_;
  FakeSettingsWindow window_;
};

TEST_F(UpdateReportTest, OnDemandFailuresShowTheirBoxes) {
  struct Expected {
    int code;
    const char* text;
    const char* title;
  };
  const Expected table[] = {
      {1, "wininetの初期化に失敗しました(´Д`)", ""},
      {2, "URLが開けません(´・ω・)/~~", ""},
      {3, "ヘッダ情報が取得できません(ﾟдﾟ)＜ﾍｯﾀﾞ", "エラー"},
      {4, "メモリが確保できません", "エラー"},
      {5, "GlobalLockエラー", "エラー"},
      {6, "更新情報取得に失敗しました（､ﾝ､)", "エラー"},
      {7, "不明なエラーが発生しました", "エラー"},
  };
  for (const auto& row : table) {
    boxes_.shown.clear();
    OnDemand(row.code);
    ASSERT_EQ(boxes_.shown.size(), 1u) << row.code;
    ExpectBox(0, row.text, row.title, MessageButtons::kOk);
  }
  EXPECT_TRUE(shell_.opened.empty());
}

TEST_F(UpdateReportTest, ANewerReleaseOffersTheSupportPageInBothCallers) {
  boxes_.answers = {MessageAnswer::kYes, MessageAnswer::kNo};
  OnDemand(10);
  AtStartup(10);
  ExpectBox(0, kNewer, "ネトワク更新", MessageButtons::kYesNo);
  ExpectBox(1, kNewer, "ネトワク更新", MessageButtons::kYesNo);
  ExpectBox(2, "( ´△`)えー", "ネトワク更新", MessageButtons::kOk);
  EXPECT_EQ(boxes_.shown.size(), 3u);
  EXPECT_EQ(shell_.opened, Opened{kSupport});
  EXPECT_EQ(window_.status, "");
}

TEST_F(UpdateReportTest, UpToDateOnDemandAnswersNoWithASecondBox) {
  boxes_.answers = {MessageAnswer::kYes, MessageAnswer::kNo};
  OnDemand(11);
  EXPECT_EQ(boxes_.shown.size(), 1u);
  OnDemand(11);
  ExpectBox(1, "お使いのソフトウェアは最新です", "喜べ", MessageButtons::kYesNo);
  ExpectBox(2, "何もないってｗｗｗｗ", "だから", MessageButtons::kOk);
  EXPECT_EQ(boxes_.shown.size(), 3u);
  EXPECT_TRUE(shell_.opened.empty());
}

TEST_F(UpdateReportTest, AtStartupOtherCodesOnlySetTheStatusText) {
  AtStartup(11);
  EXPECT_EQ(window_.status, "更新はありませんでした(ﾟДﾟ)ゞ");
  AtStartup(2);
  EXPECT_EQ(window_.status, "(ﾟДﾟ)＜ネトワクに異常あり！ ERROR CODE:2");
  AtStartup(6);
  EXPECT_EQ(window_.status, "(ﾟДﾟ)＜ネトワクに異常あり！ ERROR CODE:6");
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST(UpdateCheckCommands, BothCallersRunTheCheckAndLeaveTheMarkAlone) {
  FakeInternet internet;
  internet.requestFails = true;
  FakeMemory memory;
  FakeIniFiles ini;
  ReleaseCheck check(internet, memory, ini, "http://h/tarumo2.lzh");
  FakeMessageBoxes boxes;
  FakeShell shell;
  FakeSettingsWindow window;
  std::vector<std::string> log;
  window.log = &log;
  UpdateCheckCommands commands(check, boxes, shell, window, kSupport);

  commands.RenewCheckMenuClick("P\\");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "URLが開けません(´・ω・)/~~");
  commands.RunAutomaticCheck("P\\");
  EXPECT_EQ(log, std::vector<std::string>{"status (ﾟДﾟ)＜ネトワクに異常あり！ ERROR CODE:2"});
}

TEST(HelpCommands, OpenTheHelpFileAndTheSupportPageThroughTheShell) {
  FakeShell shell;
  HelpClick(shell);
  BBSMenuClick(shell, kSupport);
  EXPECT_EQ(shell.opened, (Opened{"readme.txt", kSupport}));
}

TEST(HelpCommands, TheVersionMessageHasItsExactBytes) {
  FakeMessageBoxes boxes;
  VersionInfoClick(boxes);
  ASSERT_EQ(boxes.shown.size(), 1u);
  const std::string& text = boxes.shown[0].text;
  // The first line: the ideographic space is 0x81 0x40, both dashes 0x81 0x7C.
  EXPECT_EQ(text.substr(0, text.find('\n')),
            "\x8b\x90\x91\xe5\x95\xb6\x8e\x9a\x8d\xec\x90\xac\x83\x63\x81\x5b\x83\x8b\x81\x40"
            "\x81\x7c\x83\x5e\x83\x8b\x83\x82\x50\x41\x52\x54\x32\x81\x7c\x20\x76\x65\x72\x30"
            "\x2e\x35\x35");
  EXPECT_EQ(text.substr(text.find('\n'), 2), "\n\n");
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_GT(text.size(), text.find('\n') + 2);  // a maker line follows
  EXPECT_EQ(boxes.shown[0].title, "バージョン情報");
  EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::kOk);
}

}  // namespace
}  // namespace tarumo
