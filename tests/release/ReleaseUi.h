// The fixture of the release tests: tarumo2.exe built for one of the test web server's ports,
// started from a fresh program folder, its boxes read and answered, its (ﾟдﾟ) menu driven from
// the keyboard, and the pages and files that it hands to the shell recorded.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "tests/release/ReleaseTestSupport.h"
#include "tests/ui/MessageBoxes.h"
#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/ShellOpenRecorder.h"

namespace tarumo::release {

enum class Buttons { kOk, kYesNo };

class ReleaseUi : public ::testing::Test {
 protected:
  ReleaseUi();
  void SetUp() override;
  void TearDown() override;

  // Puts the program built for `port` into the program folder, with the build's Date.dat
  // beside it unless `withDateDat` is false.
  void UseServer(int port, bool withDateDat = true);

  // config.ini in the program folder: written, removed, and its AutoUpdate value as stored
  // (nothing when the key is missing).
  std::string ConfigPath() const { return program.folder() + "config.ini"; }
  void WriteConfig(std::string_view text) { program.WriteFile("config.ini", text); }
  void RemoveConfig();
  std::optional<std::string> StoredAutoUpdate() const;

  // Runs the item with the access key `letter` of the menu "(ﾟдﾟ)&." from the keyboard.
  void MenuCommand(char letter);

  // Waits for the program's next message box, checks its text, title and buttons and that it
  // has no icon, and presses `answer`.
  void AnswerBox(std::string_view text, std::string_view title, Buttons buttons, int answer);
  // The standard error box with `text`: the application's title, the error icon, OK.
  void AnswerErrorBox(std::string_view text);
  // No further box comes within a short while.
  void ExpectNoBox();

  // The check mark of AutoUpdateCheck, as the toggle sees it: config.ini is removed, the item
  // chosen once, and the value that it writes tells the mark that it found ("0" when the mark
  // was set). Nothing when it writes nothing. Flips the mark.
  std::optional<bool> MarkFoundByToggle();

  ui::ProgramUnderTest program;
  AccessLog requests;
  // Help files and web pages handed to the shell.
  ui::ShellOpenRecorder shell;

 private:
  static std::string LogPath();
};

}  // namespace tarumo::release
