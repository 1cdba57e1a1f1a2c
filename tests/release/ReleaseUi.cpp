#include "tests/release/ReleaseUi.h"

#include "tests/ui/DesktopInput.h"
#include "tests/ui/Waiting.h"

namespace tarumo::release {
namespace {

constexpr const char* kApplicationTitle = "タルモPART2";
constexpr DWORD kShortWhile = 1500;  // milliseconds in which a box that follows would show

}  // namespace

ReleaseUi::ReleaseUi() : shell(LogPath(), {".txt"}, {"http"}) {
  ::DeleteFileA(LogPath().c_str());
}

std::string ReleaseUi::LogPath() {
  return ui::BesideTestProgram("shell-opened.log");
}

void ReleaseUi::SetUp() {
  ASSERT_TRUE(shell) << "cannot register the shell recorder";
}

void ReleaseUi::TearDown() {
  // A read-only config.ini would outlive the program folder.
  SetReadOnly(ConfigPath(), false);
}

void ReleaseUi::UseServer(int port, bool withDateDat) {
  ASSERT_TRUE(program.CopyIn(ProgramFor(port), "tarumo2.exe")) << ProgramFor(port);
  if (withDateDat) {
    ASSERT_TRUE(program.CopyIn(ui::BesideTestProgram("Date.dat"), "Date.dat"));
  }
}

void ReleaseUi::RemoveConfig() {
  ::DeleteFileA(ConfigPath().c_str());
  ASSERT_FALSE(FileExists(ConfigPath()));
}

std::optional<std::string> ReleaseUi::StoredAutoUpdate() const {
  char value[64] = {};
  ::GetPrivateProfileStringA("CONFIG", "AutoUpdate", "<missing>", value, sizeof value,
                             ConfigPath().c_str());
  if (std::string(value) == "<missing>") return std::nullopt;
  return std::string(value);
}

void ReleaseUi::MenuCommand(char letter) {
  ASSERT_NO_FATAL_FAILURE(program.OpenMenu(VK_OEM_PERIOD));
  ui::PressKey(static_cast<WORD>(letter));
}

void ReleaseUi::AnswerBox(std::string_view text, std::string_view title, Buttons buttons,
                          int answer) {
  const auto box = ui::WaitForMessageBox(program.processId());
  ASSERT_TRUE(box.has_value()) << "no box: " << text;
  EXPECT_EQ(box->text, text);
  EXPECT_EQ(box->caption, title);
  EXPECT_FALSE(box->hasIcon);
  EXPECT_EQ(box->ok, buttons == Buttons::kOk);
  EXPECT_EQ(box->yes, buttons == Buttons::kYesNo);
  EXPECT_EQ(box->no, buttons == Buttons::kYesNo);
  EXPECT_FALSE(box->cancel);
  ui::Answer(*box, answer);
}

void ReleaseUi::AnswerErrorBox(std::string_view text) {
  const auto box = ui::WaitForMessageBox(program.processId());
  ASSERT_TRUE(box.has_value()) << "no error box: " << text;
  EXPECT_EQ(box->text, text);
  EXPECT_EQ(box->caption, kApplicationTitle);
  EXPECT_TRUE(box->hasIcon);
  EXPECT_TRUE(box->ok);
  EXPECT_FALSE(box->cancel || box->yes || box->no);
  ui::Answer(*box, IDOK);
}

void ReleaseUi::ExpectNoBox() {
  if (ui::WaitUntil([&] { return ui::ShowsMessageBox(program.processId()); }, kShortWhile)) {
    const auto box = ui::WaitForMessageBox(program.processId());
    ADD_FAILURE() << "an unexpected box: " << (box ? box->text : std::string());
  }
}

std::optional<bool> ReleaseUi::MarkFoundByToggle() {
  // Without config.ini, the toggle's write is the only one that can bring AutoUpdate back.
  RemoveConfig();
  MenuCommand('Z');
  std::optional<std::string> written;
  ui::WaitUntil([&] { return (written = StoredAutoUpdate()).has_value(); });
  if (written == std::optional<std::string>("0")) return true;
  if (written == std::optional<std::string>("1")) return false;
  return std::nullopt;
}

}  // namespace tarumo::release
