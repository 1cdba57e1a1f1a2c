// config.ini in the window: the first-run question before the window shows and the answer
// written after the check that it starts, the preference as the system's profile functions
// read it, the menu item that toggles it, and the writes that the system refuses.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/release/ReleaseUi.h"
#include "tests/ui/Waiting.h"

namespace tarumo::release {
namespace {

using enum CommandId;

constexpr char kAutoUpdateKey = 'Z';

constexpr const char* kQuestion =
    "起動時の自動ネットワーク更新チェック機能をONにしますか？\n"
    "安定した常時接続環境をお持ちならば、ONにすることをオススメしますよ( ･∀･)σ)´д`;))\n"
    "今後は[メニュー]→[(ﾟдﾟ)]→[自動更新チェックをする]で変更可能です。";
constexpr const char* kQuestionTitle = "( ･∀･)σ)´д`;)";
constexpr const char* kUpdateTitle = "ネトワク更新";
constexpr const char* kNewerRelease = "最新版が公開されています。ﾀﾞｳｿしに逝きましょう";
constexpr const char* kDeclined = "( ´△`)えー";
constexpr const char* kFailureStatus = "(ﾟДﾟ)＜ネトワクに異常あり！ ERROR CODE:";
constexpr const char* kOddDayError = "'19-Nov-07' は整数ではありません.";

class SettingsFileUi : public ReleaseUi {
 protected:
  std::string Unwritable() const { return ConfigPath() + " に書き込めません."; }
  std::optional<std::string> Stored(const char* section, const char* key) const {
    char value[64] = {};
    ::GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value,
                               ConfigPath().c_str());
    if (std::string(value) == "<missing>") return std::nullopt;
    return std::string(value);
  }
  // Waits until config.ini holds `value` for AutoUpdate.
  bool Stores(const char* value) {
    return ui::WaitUntil([&] { return StoredAutoUpdate() == std::optional<std::string>(value); });
  }
  // The first-run question, checked while it shows: the window is not shown yet and no
  // config.ini has been written.
  void AnswerQuestion(int answer) {
    const auto box = ui::WaitForMessageBox(program.processId());
    ASSERT_TRUE(box.has_value()) << "no first-run question";
    EXPECT_FALSE(program.ShowsMainWindow());
    ASSERT_NO_FATAL_FAILURE(AnswerBox(kQuestion, kQuestionTitle, Buttons::kYesNo, answer));
  }
};

TEST_F(SettingsFileUi, WithoutConfigIniTheQuestionComesFirstAndNoWritesOff) {
  ASSERT_NO_FATAL_FAILURE(UseServer(kArchivePort));
  ASSERT_NO_FATAL_FAILURE(RemoveConfig());
  ASSERT_NO_FATAL_FAILURE(program.Launch());
  ASSERT_NO_FATAL_FAILURE(AnswerQuestion(IDNO));
  ASSERT_NO_FATAL_FAILURE(program.AwaitMainWindow());
  ExpectNoBox();
  EXPECT_EQ(StoredAutoUpdate(), std::optional<std::string>("0"));
  // No check was made.
  EXPECT_TRUE(requests.NewRequests().empty());
  EXPECT_EQ(program.StatusPanel(1), "");
  EXPECT_EQ(MarkFoundByToggle(), std::optional<bool>(false));
}

TEST_F(SettingsFileUi, YesChecksAtOnceAndTheAnswerIsWrittenAfterTheChecksBoxes) {
  ASSERT_TRUE(SetArchiveTime(Moved(BuildReleaseTime(), 60)));
  ASSERT_NO_FATAL_FAILURE(UseServer(kArchivePort));
  ASSERT_NO_FATAL_FAILURE(RemoveConfig());
  ASSERT_NO_FATAL_FAILURE(program.Launch());
  ASSERT_NO_FATAL_FAILURE(AnswerQuestion(IDYES));

  // The check's question of a newer release, still before the window and before the write.
  ASSERT_TRUE(ui::WaitForMessageBox(program.processId()).has_value());
  EXPECT_FALSE(FileExists(ConfigPath()));
  EXPECT_FALSE(program.ShowsMainWindow());
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNewerRelease, kUpdateTitle, Buttons::kYesNo, IDNO));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kDeclined, kUpdateTitle, Buttons::kOk, IDOK));

  ASSERT_NO_FATAL_FAILURE(program.AwaitMainWindow());
  EXPECT_EQ(StoredAutoUpdate(), std::optional<std::string>("1"));
  EXPECT_EQ(MarkFoundByToggle(), std::optional<bool>(true));
}

TEST_F(SettingsFileUi, AnUnwritableConfigIniEndsTheStartBeforeTheCommandLineFile) {
  ASSERT_NO_FATAL_FAILURE(UseServer(kArchivePort));
  const std::string undecided = "[CONFIG]\r\nAutoUpdate=2\r\n";
  WriteConfig(undecided);
  ASSERT_TRUE(SetReadOnly(ConfigPath(), true));
  program.WriteFile("input.txt", "abc\r\n");
  program.SetArguments("input.txt");
  ASSERT_NO_FATAL_FAILURE(program.Launch());
  ASSERT_NO_FATAL_FAILURE(AnswerQuestion(IDNO));
  ASSERT_NO_FATAL_FAILURE(AnswerErrorBox(Unwritable()));
  ASSERT_NO_FATAL_FAILURE(program.AwaitMainWindow());
  ExpectNoBox();
  EXPECT_EQ(program.Text(kMemoIn), "");
  EXPECT_EQ(FileBytes(ConfigPath()), std::optional<std::string>(undecided));
}

TEST_F(SettingsFileUi, AnErrorInTheCheckAtStartLeavesTheAnswerAndTheCommandLineFileUndone) {
  ASSERT_NO_FATAL_FAILURE(UseServer(kOddDatePort));
  ASSERT_NO_FATAL_FAILURE(RemoveConfig());
  program.WriteFile("input.txt", "abc\r\n");
  program.SetArguments("input.txt");
  ASSERT_NO_FATAL_FAILURE(program.Launch());
  ASSERT_NO_FATAL_FAILURE(AnswerQuestion(IDYES));
  ASSERT_NO_FATAL_FAILURE(AnswerErrorBox(kOddDayError));
  ASSERT_NO_FATAL_FAILURE(program.AwaitMainWindow());
  ExpectNoBox();
  EXPECT_FALSE(FileExists(ConfigPath()));
  EXPECT_EQ(program.Text(kMemoIn), "");
}

TEST_F(SettingsFileUi, TheMenuItemWritesEachToggleAtOnceAndKeepsTheRestOfTheFile) {
  ASSERT_NO_FATAL_FAILURE(UseServer(kArchivePort));
  WriteConfig("[OTHER]\r\nkeep=this\r\n[CONFIG]\r\nAutoUpdate=0\r\nnext=that\r\n");
  ASSERT_NO_FATAL_FAILURE(program.Start());
  ASSERT_NO_FATAL_FAILURE(MenuCommand(kAutoUpdateKey));
  EXPECT_TRUE(Stores("1"));
  ASSERT_NO_FATAL_FAILURE(MenuCommand(kAutoUpdateKey));
  EXPECT_TRUE(Stores("0"));
  EXPECT_EQ(Stored("OTHER", "keep"), std::optional<std::string>("this"));
  EXPECT_EQ(Stored("CONFIG", "next"), std::optional<std::string>("that"));
  // Toggling starts no check.
  program.WaitForIdle();
  EXPECT_TRUE(requests.NewRequests().empty());
  ExpectNoBox();
}

TEST_F(SettingsFileUi, AToggleThatCannotBeWrittenIsReportedAndItsMarkStays) {
  ASSERT_NO_FATAL_FAILURE(UseServer(kArchivePort));
  WriteConfig("[CONFIG]\r\nAutoUpdate=0\r\n");
  ASSERT_NO_FATAL_FAILURE(program.Start());
  ASSERT_TRUE(SetReadOnly(ConfigPath(), true));
  ASSERT_NO_FATAL_FAILURE(MenuCommand(kAutoUpdateKey));
  ASSERT_NO_FATAL_FAILURE(AnswerErrorBox(Unwritable()));
  EXPECT_EQ(StoredAutoUpdate(), std::optional<std::string>("0"));
  ASSERT_TRUE(SetReadOnly(ConfigPath(), false));
  EXPECT_EQ(MarkFoundByToggle(), std::optional<bool>(true));
}

TEST_F(SettingsFileUi, AHexadecimalOneIsOnAndChecksAtStart) {
  ASSERT_NO_FATAL_FAILURE(UseServer(kClosedPort));
  const std::string stored = "[CONFIG]\r\nAutoUpdate=0x1\r\n";
  WriteConfig(stored);
  ASSERT_NO_FATAL_FAILURE(program.Start());
  EXPECT_EQ(program.StatusPanel(1), std::string(kFailureStatus) + "2");
  EXPECT_EQ(FileBytes(ConfigPath()), std::optional<std::string>(stored));
}

TEST_F(SettingsFileUi, AnotherIntegerIsOffWithoutAQuestionUntilTheFirstToggle) {
  ASSERT_NO_FATAL_FAILURE(UseServer(kClosedPort));
  const std::string stored = "[CONFIG]\r\nAutoUpdate=5\r\n";
  WriteConfig(stored);
  ASSERT_NO_FATAL_FAILURE(program.Launch());
  ASSERT_TRUE(ui::WaitUntil([&] {
    return program.ShowsMainWindow() || ui::ShowsMessageBox(program.processId());
  }));
  ASSERT_FALSE(ui::ShowsMessageBox(program.processId())) << "a box at start-up";
  ASSERT_NO_FATAL_FAILURE(program.AwaitMainWindow());
  EXPECT_EQ(program.StatusPanel(1), "");
  EXPECT_EQ(FileBytes(ConfigPath()), std::optional<std::string>(stored));
  ASSERT_NO_FATAL_FAILURE(MenuCommand(kAutoUpdateKey));
  EXPECT_TRUE(Stores("1"));
}

}  // namespace
}  // namespace tarumo::release
