#include <gtest/gtest.h>

#include "common/Error.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixIniFiles.h"
#include "settings/AutoUpdateSetting.h"
#include "tests/unit/FakeIniFiles.h"
#include "tests/unit/FakeMessageBoxes.h"
#include "tests/unit/FakeSettingsWindow.h"
#include "tests/unit/TempFolder.h"

namespace tarumo {
namespace {

using Log = std::vector<std::string>;
using testing::FakeIniFiles;
using testing::FakeMessageBoxes;
using testing::FakeSettingsWindow;

constexpr const char* kConfig = "P\\config.ini";
constexpr const char* kQuestion =
    "起動時の自動ネットワーク更新チェック機能をONにしますか？\n"
    "安定した常時接続環境をお持ちならば、ONにすることをオススメしますよ( ･∀･)σ)´д`;))\n"
    "今後は[メニュー]→[(ﾟдﾟ)]→[自動更新チェックをする]で変更可能です。";

class LoggedCheck final : public AutomaticReleaseCheck {
 public:
  explicit LoggedCheck(Log& log) : log_(log) {}
  bool fails = false;
  void RunAutomaticCheck(const std::string& programFolder) override {
    log_.push_back("check " + programFolder);
    if (fails) throw Error("'x' は整数ではありません");
  }

 private:
  Log& log_;
};

class AutoUpdateSettingTest : public ::testing::Test {
 protected:
  AutoUpdateSettingTest() {
    ini_.log = &log_;
    boxes_.log = &log_;
    window_.log = &log_;
  }

  Log StartWith(const std::string& stored) {
    ini_.files[kConfig]["CONFIG/AutoUpdate"] = stored;
    setting_.RunStartupStep("P\\");
    return log_;
  }

  Log log_;
  FakeIniFiles ini_;
  FakeMessageBoxes boxes_;
  FakeSettingsWindow window_;
  LoggedCheck check_{log_};
  AutoUpdateSetting setting_{ini_, boxes_, window_, check_};
};

TEST_F(AutoUpdateSettingTest, OnChecksAtStartAndWritesNothing) {
  EXPECT_EQ(StartWith("1"), (Log{"mark 1", "check P\\"}));
  log_.clear();
  EXPECT_EQ(StartWith("0x1"), (Log{"mark 1", "check P\\"}));
}

TEST_F(AutoUpdateSettingTest, OffAndOtherIntegersNeitherAskNorCheckNorWrite) {
  EXPECT_EQ(StartWith("0"), Log{"mark 0"});
  log_.clear();
  EXPECT_EQ(StartWith("5"), Log{"mark 0"});
  EXPECT_EQ(StartWith("-1"), (Log{"mark 0", "mark 0"}));
}

TEST_F(AutoUpdateSettingTest, WithoutAFileYesMarksThenChecksThenWritesOne) {
  boxes_.answers = {MessageAnswer::kYes};
  setting_.RunStartupStep("P\\");
  EXPECT_EQ(log_, (Log{std::string("box ") + kQuestion, "mark 1", "check P\\",
                       "write P\\config.ini CONFIG/AutoUpdate=1"}));
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].title, "( ･∀･)σ)´д`;)");
  EXPECT_EQ(boxes_.shown[0].buttons, MessageButtons::kYesNo);
}

TEST_F(AutoUpdateSettingTest, UndecidedValuesAskAndNoWritesZero) {
  for (const char* stored : {"2", "abc", "", "$1", "+1"}) {  // "$1": no number in a settings file
    log_.clear();
    boxes_.answers = {MessageAnswer::kNo};
    EXPECT_EQ(StartWith(stored), (Log{std::string("box ") + kQuestion, "mark 0",
                                      "write P\\config.ini CONFIG/AutoUpdate=0"}))
        << "'" << stored << "'";
  }
}

TEST_F(AutoUpdateSettingTest, AnErrorInTheCheckOrTheWriteLeavesTheAnswerUnwritten) {
  boxes_.answers = {MessageAnswer::kYes, MessageAnswer::kYes};
  check_.fails = true;
  EXPECT_THROW(setting_.RunStartupStep("P\\"), Error);
  EXPECT_EQ(ini_.files.count(kConfig), 0u);

  check_.fails = false;
  ini_.refuseWrites = true;
  try {
    setting_.RunStartupStep("P\\");
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "P\\config.ini に書き込めません");
  }
  EXPECT_TRUE(window_.checked);
}

TEST_F(AutoUpdateSettingTest, TogglingFlipsTheMarkAndWritesAtOnceWithoutACheck) {
  window_.checked = false;
  setting_.AutoUpdateCheckClick("P\\");
  setting_.AutoUpdateCheckClick("P\\");
  EXPECT_EQ(log_, (Log{"mark 1", "write P\\config.ini CONFIG/AutoUpdate=1", "mark 0",
                       "write P\\config.ini CONFIG/AutoUpdate=0"}));

  ini_.refuseWrites = true;  // a refused write keeps the new mark
  EXPECT_THROW(setting_.AutoUpdateCheckClick("P\\"), Error);
  EXPECT_TRUE(window_.checked);
}

TEST(AutoUpdateSettingFile, TheFirstAnswerIsAddedBesideOtherSections) {
  testing::TempFolder folder;
  const std::string path = folder.Write("config.ini", "[Window]\r\nx=1\r\n");
  PosixIniFiles ini;
  FakeMessageBoxes boxes;
  boxes.answers = {MessageAnswer::kNo};
  FakeSettingsWindow window;
  Log log;
  LoggedCheck check(log);
  AutoUpdateSetting(ini, boxes, window, check).RunStartupStep(folder.ProgramFolder());
  EXPECT_EQ(PosixFileSystem().ReadAll(path), "[Window]\r\nx=1\r\n[CONFIG]\r\nAutoUpdate=0\r\n");
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace tarumo
