// The start-up settings step, the release check, the help file, the support page and the
// version message, and the check mark and status text that they show in the window.
// clang-format off
#include "app/Unit1.h"  // <windows.h> first: the other system headers build on it
#include <commctrl.h>
// clang-format on

#include "app/ProgramFolder.h"
#include "app/WindowCommands.h"
#include "platform/win32/ModulePath.h"
#include "platform/win32/Win32TextServices.h"
#include "settings/HelpCommands.h"

namespace tarumo {
namespace {

// The status bar's panel for the result of the release check at start-up.
constexpr WPARAM kUpdateStatusPanel = 1;

}  // namespace

void TForm1::StartupSettingsStep() {
  commands_->autoUpdate.RunStartupStep(programFolder_);
}

void TForm1::RenewCheckMenuClick() {
  commands_->updateChecks.RenewCheckMenuClick(programFolder_);
}

void TForm1::AutoUpdateCheckClick() {
  // The settings file's path is built afresh from the executable's path, not taken from the
  // folder recorded at start-up.
  commands_->autoUpdate.AutoUpdateCheckClick(
      ProgramFolderOf(ExecutablePath(), Win32TextServices()));
}

void TForm1::HelpClick() {
  tarumo::HelpClick(commands_->shell);
}

void TForm1::BBSMenuClick() {
  tarumo::BBSMenuClick(commands_->shell, SupportPageUrl());
}

void TForm1::VersionInfoClick() {
  tarumo::VersionInfoClick(commands_->boxes);
}

bool TForm1::AutoUpdateChecked() {
  const UINT state =
      ::GetMenuState(::GetMenu(handle_), ToWord(CommandId::kAutoUpdateCheck), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void TForm1::SetAutoUpdateChecked(bool checked) {
  ::CheckMenuItem(::GetMenu(handle_), ToWord(CommandId::kAutoUpdateCheck),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TForm1::SetUpdateStatus(const std::string& text) {
  ::SendMessageA(StatusBar1, SB_SETTEXTA, kUpdateStatusPanel,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace tarumo
