// The release check in the window, against the test web server: the menu command's boxes for
// each kind of answer, and the check at start-up with its status text or its question.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/release/HostileServer.h"
#include "tests/release/ReleaseUi.h"
#include "tests/ui/Waiting.h"

namespace tarumo::release {
namespace {

using Requests = std::vector<std::string>;
using enum CommandId;

constexpr char kRenewCheckKey = 'K';

constexpr const char* kUpdateTitle = "ネトワク更新";
constexpr const char* kNewerRelease = "最新版が公開されています。ﾀﾞｳｿしに逝きましょう";
constexpr const char* kDeclined = "( ´△`)えー";
constexpr const char* kUpToDate = "お使いのソフトウェアは最新です";
constexpr const char* kUpToDateTitle = "喜べ";
constexpr const char* kNothingNew = "何もないってｗｗｗｗ";
constexpr const char* kNothingNewTitle = "だから";
constexpr const char* kNoResponse = "URLが開けません(´・ω・)/~~";
constexpr const char* kNoHeader = "ヘッダ情報が取得できません(ﾟдﾟ)＜ﾍｯﾀﾞ";
constexpr const char* kQueryFailed = "更新情報取得に失敗しました（､ﾝ､)";
constexpr const char* kErrorTitle = "エラー";
constexpr const char* kNoUpdateStatus = "更新はありませんでした(ﾟДﾟ)ゞ";
constexpr const char* kFailureStatus = "(ﾟДﾟ)＜ネトワクに異常あり！ ERROR CODE:";
constexpr const char* kOddDayError = "'19-Nov-07' は整数ではありません.";

constexpr const char* kConfigOff = "[CONFIG]\r\nAutoUpdate=0\r\n";
constexpr const char* kConfigOn = "[CONFIG]\r\nAutoUpdate=1\r\n";

// The archive's Last-Modified date a minute before, within, or a minute after the minute that
// the build wrote into Date.dat.
enum class Archive { kOlder, kSameMinute, kNewer };

// The longest a check may take against a server that never answers: the program's ten
// seconds for the connection and for the answer, and time to spare.
constexpr DWORD kCheckTimeLimit = 40000;

class ReleaseCheckUi : public ReleaseUi {
 protected:
  void SetArchive(Archive archive) {
    const SYSTEMTIME release = BuildReleaseTime();
    const int seconds = archive == Archive::kOlder ? -60 : archive == Archive::kNewer ? 60 : 59;
    ASSERT_TRUE(SetArchiveTime(Moved(release, seconds)));
  }
  // Starts the program built for `port` with the check at start-up off, and runs the check
  // from the menu.
  void CheckOnDemand(int port, bool withDateDat = true) {
    ASSERT_NO_FATAL_FAILURE(UseServer(port, withDateDat));
    WriteConfig(kConfigOff);
    ASSERT_NO_FATAL_FAILURE(program.Start());
    ASSERT_NO_FATAL_FAILURE(MenuCommand(kRenewCheckKey));
  }
  // Starts the program built for `port` with the check at start-up on.
  void StartChecking(int port) {
    ASSERT_NO_FATAL_FAILURE(UseServer(port));
    WriteConfig(kConfigOn);
    ASSERT_NO_FATAL_FAILURE(program.Launch());
  }
  // Waits until the program shows a box, longer than for the answer of a working server.
  void AwaitBoxAfterTimeout() {
    ASSERT_TRUE(
        ui::WaitUntil([&] { return ui::ShowsMessageBox(program.processId()); }, kCheckTimeLimit))
        << "the check did not end";
  }
  // Runs the check from the menu against a server of `hostility` on `port`, and waits until it
  // ends in a box.
  void CheckOnDemandAgainst(int port, Hostility hostility, bool withDateDat = true) {
    hostileServer.emplace(port, hostility);
    ASSERT_TRUE(*hostileServer);
    ASSERT_NO_FATAL_FAILURE(CheckOnDemand(port, withDateDat));
    ASSERT_NO_FATAL_FAILURE(AwaitBoxAfterTimeout());
  }
  // Waits for the main window after a start-up without boxes.
  void AwaitWindowWithoutBoxes() {
    ASSERT_TRUE(ui::WaitUntil(
        [&] { return program.ShowsMainWindow() || ui::ShowsMessageBox(program.processId()); }));
    ASSERT_FALSE(ui::ShowsMessageBox(program.processId())) << "a box at start-up";
    ASSERT_NO_FATAL_FAILURE(program.AwaitMainWindow());
  }

  std::optional<HostileServer> hostileServer;
};

// Asked from the menu.

TEST_F(ReleaseCheckUi, ANewerArchiveOffersTheSupportPageAndYesOpensIt) {
  ASSERT_NO_FATAL_FAILURE(SetArchive(Archive::kNewer));
  ASSERT_NO_FATAL_FAILURE(CheckOnDemand(kArchivePort));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNewerRelease, kUpdateTitle, Buttons::kYesNo, IDYES));
  EXPECT_EQ(shell.Opened(1, ui::kPatience), Requests{SupportPageUrl(kArchivePort)});
  ExpectNoBox();
  // One request for the archive, sent as the program's own agent.
  EXPECT_EQ(requests.NewRequests(), Requests{AccessLog::CheckRequest(kArchivePort, 200)});
}

TEST_F(ReleaseCheckUi, DecliningTheNewerArchiveShowsOneMoreBoxAndOpensNothing) {
  ASSERT_NO_FATAL_FAILURE(SetArchive(Archive::kNewer));
  ASSERT_NO_FATAL_FAILURE(CheckOnDemand(kArchivePort));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNewerRelease, kUpdateTitle, Buttons::kYesNo, IDNO));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kDeclined, kUpdateTitle, Buttons::kOk, IDOK));
  ExpectNoBox();
  EXPECT_TRUE(shell.Opened().empty());
}

TEST_F(ReleaseCheckUi, AnArchiveOfTheSameMinuteIsNoNewerReleaseAndYesEndsIt) {
  // The archive is 59 seconds younger than the release: seconds do not count.
  ASSERT_NO_FATAL_FAILURE(SetArchive(Archive::kSameMinute));
  ASSERT_NO_FATAL_FAILURE(CheckOnDemand(kArchivePort));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kUpToDate, kUpToDateTitle, Buttons::kYesNo, IDYES));
  ExpectNoBox();
  EXPECT_TRUE(shell.Opened().empty());
}

TEST_F(ReleaseCheckUi, AnOlderArchiveIsNoNewerReleaseAndNoShowsASecondBox) {
  ASSERT_NO_FATAL_FAILURE(SetArchive(Archive::kOlder));
  ASSERT_NO_FATAL_FAILURE(CheckOnDemand(kArchivePort));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kUpToDate, kUpToDateTitle, Buttons::kYesNo, IDNO));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNothingNew, kNothingNewTitle, Buttons::kOk, IDOK));
  ExpectNoBox();
}

TEST_F(ReleaseCheckUi, TheCheckFromTheMenuChangesNeitherThePreferenceNorItsMark) {
  ASSERT_NO_FATAL_FAILURE(SetArchive(Archive::kOlder));
  ASSERT_NO_FATAL_FAILURE(CheckOnDemand(kArchivePort));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kUpToDate, kUpToDateTitle, Buttons::kYesNo, IDYES));
  program.WaitForIdle();
  EXPECT_EQ(FileBytes(ConfigPath()), std::optional<std::string>(kConfigOff));
  EXPECT_EQ(MarkFoundByToggle(), std::optional<bool>(false));
}

TEST_F(ReleaseCheckUi, AServerThatDoesNotAnswerGivesCodeTwo) {
  ASSERT_NO_FATAL_FAILURE(CheckOnDemand(kClosedPort));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNoResponse, "", Buttons::kOk, IDOK));
  ExpectNoBox();
}

TEST_F(ReleaseCheckUi, AnAnswerWithoutLastModifiedGivesCodeThree) {
  ASSERT_NO_FATAL_FAILURE(CheckOnDemand(kNoDatePort));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNoHeader, kErrorTitle, Buttons::kOk, IDOK));
  ExpectNoBox();
  EXPECT_EQ(requests.NewRequests(), Requests{AccessLog::CheckRequest(kNoDatePort, 200)});
}

TEST_F(ReleaseCheckUi, ANotFoundAnswerWithLastModifiedIsComparedLikeAnyOther) {
  // 2007/11/19 10:11 against the built-in 10:10 of a program without Date.dat: newer.
  ASSERT_NO_FATAL_FAILURE(CheckOnDemand(kMissingPort, false));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNewerRelease, kUpdateTitle, Buttons::kYesNo, IDNO));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kDeclined, kUpdateTitle, Buttons::kOk, IDOK));
  EXPECT_EQ(requests.NewRequests(), Requests{AccessLog::CheckRequest(kMissingPort, 404)});

  // Against the build's Date.dat, 2007 is old.
  ASSERT_TRUE(program.CopyIn(ui::BesideTestProgram("Date.dat"), "Date.dat"));
  ASSERT_NO_FATAL_FAILURE(MenuCommand(kRenewCheckKey));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kUpToDate, kUpToDateTitle, Buttons::kYesNo, IDYES));
}

TEST_F(ReleaseCheckUi, ADateInAnotherFormatReachesTheStandardErrorBoxAndTheWindowGoesOn) {
  ASSERT_NO_FATAL_FAILURE(CheckOnDemand(kOddDatePort));
  ASSERT_NO_FATAL_FAILURE(AnswerErrorBox(kOddDayError));
  ExpectNoBox();
  // The window still takes commands.
  ASSERT_NO_FATAL_FAILURE(MenuCommand(kRenewCheckKey));
  ASSERT_NO_FATAL_FAILURE(AnswerErrorBox(kOddDayError));
}

// Servers that answer badly or not at all: each check ends in the program's own box or status
// text, and the window goes on.

TEST_F(ReleaseCheckUi, AServerThatAcceptsAndNeverAnswersEndsTheCheckWithCodeTwo) {
  ASSERT_NO_FATAL_FAILURE(CheckOnDemandAgainst(kSilentPort, Hostility::kNeverAnswers));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNoResponse, "", Buttons::kOk, IDOK));
  EXPECT_GE(hostileServer->Connections(), 1);
  ExpectNoBox();
  EXPECT_EQ(program.Close(), 0u);
}

TEST_F(ReleaseCheckUi, AtStartAServerThatNeverAnswersStillLetsTheWindowOpen) {
  HostileServer server(kSilentPort, Hostility::kNeverAnswers);
  ASSERT_TRUE(server);
  ASSERT_NO_FATAL_FAILURE(StartChecking(kSilentPort));
  ASSERT_TRUE(ui::WaitUntil([&] { return program.ShowsMainWindow(); }, kCheckTimeLimit));
  ASSERT_NO_FATAL_FAILURE(AwaitWindowWithoutBoxes());
  EXPECT_EQ(program.StatusPanel(1), std::string(kFailureStatus) + "2");
}

TEST_F(ReleaseCheckUi, ALastModifiedHeaderOfMoreThan100KilobytesEndsInTheProgramsOwnBox) {
  // 2007/11/19 10:11 behind a day of the week of 100 KB, against the built-in 10:10: a newer
  // release when the whole line is read, a failed query (code 6) when WinINet cuts the line
  // before the date, as Wine's does.
  ASSERT_NO_FATAL_FAILURE(CheckOnDemandAgainst(kHugeHeaderPort, Hostility::kHugeHeader, false));
  const auto box = ui::WaitForMessageBox(program.processId());
  ASSERT_TRUE(box.has_value());
  if (box->text == kNewerRelease) {
    ui::Answer(*box, IDNO);
    ASSERT_NO_FATAL_FAILURE(AnswerBox(kDeclined, kUpdateTitle, Buttons::kOk, IDOK));
  } else {
    EXPECT_EQ(box->text, kQueryFailed);
    EXPECT_EQ(box->caption, kErrorTitle);
    ui::Answer(*box, IDOK);
  }
  ExpectNoBox();
  EXPECT_EQ(program.Close(), 0u);
}

TEST_F(ReleaseCheckUi, AYearBeyond9999IsANewerRelease) {
  ASSERT_NO_FATAL_FAILURE(CheckOnDemandAgainst(kFarYearPort, Hostility::kFarYear));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNewerRelease, kUpdateTitle, Buttons::kYesNo, IDNO));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kDeclined, kUpdateTitle, Buttons::kOk, IDOK));
  EXPECT_EQ(program.Close(), 0u);
}

TEST_F(ReleaseCheckUi, AConnectionClosedInTheMiddleOfTheHeadersGivesCodeThree) {
  ASSERT_NO_FATAL_FAILURE(CheckOnDemandAgainst(kCutHeaderPort, Hostility::kClosesMidHeader));
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNoHeader, kErrorTitle, Buttons::kOk, IDOK));
  EXPECT_EQ(program.Close(), 0u);
}

// At start-up.

TEST_F(ReleaseCheckUi, AtStartNoNewerReleaseIsTheSecondPanelsText) {
  ASSERT_NO_FATAL_FAILURE(SetArchive(Archive::kOlder));
  ASSERT_NO_FATAL_FAILURE(StartChecking(kArchivePort));
  ASSERT_NO_FATAL_FAILURE(AwaitWindowWithoutBoxes());
  EXPECT_EQ(program.StatusPanel(1), kNoUpdateStatus);
  EXPECT_EQ(program.StatusPanel(0), "");
  EXPECT_EQ(requests.NewRequests(), Requests{AccessLog::CheckRequest(kArchivePort, 200)});
  // A preference read as on is not written again, and its mark is set.
  EXPECT_EQ(FileBytes(ConfigPath()), std::optional<std::string>(kConfigOn));
  EXPECT_EQ(MarkFoundByToggle(), std::optional<bool>(true));
}

TEST_F(ReleaseCheckUi, AtStartAServerThatDoesNotAnswerShowsCodeTwoInTheSecondPanel) {
  ASSERT_NO_FATAL_FAILURE(StartChecking(kClosedPort));
  ASSERT_NO_FATAL_FAILURE(AwaitWindowWithoutBoxes());
  EXPECT_EQ(program.StatusPanel(1), std::string(kFailureStatus) + "2");
}

TEST_F(ReleaseCheckUi, AtStartAnAnswerWithoutLastModifiedShowsCodeThreeInTheSecondPanel) {
  ASSERT_NO_FATAL_FAILURE(StartChecking(kNoDatePort));
  ASSERT_NO_FATAL_FAILURE(AwaitWindowWithoutBoxes());
  EXPECT_EQ(program.StatusPanel(1), std::string(kFailureStatus) + "3");
}

TEST_F(ReleaseCheckUi, AtStartANewerReleaseIsOfferedBeforeTheWindowShows) {
  ASSERT_NO_FATAL_FAILURE(SetArchive(Archive::kNewer));
  ASSERT_NO_FATAL_FAILURE(StartChecking(kArchivePort));
  const auto box = ui::WaitForMessageBox(program.processId());
  ASSERT_TRUE(box.has_value());
  EXPECT_FALSE(program.ShowsMainWindow());
  ASSERT_NO_FATAL_FAILURE(AnswerBox(kNewerRelease, kUpdateTitle, Buttons::kYesNo, IDYES));
  EXPECT_EQ(shell.Opened(1, ui::kPatience), Requests{SupportPageUrl(kArchivePort)});
  ASSERT_NO_FATAL_FAILURE(AwaitWindowWithoutBoxes());
  EXPECT_EQ(program.StatusPanel(1), "");
}

}  // namespace
}  // namespace tarumo::release
