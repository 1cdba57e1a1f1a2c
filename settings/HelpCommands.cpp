#include "settings/HelpCommands.h"

namespace tarumo {

void HelpClick(Shell& shell) {
  shell.Open(kHelpFile);
}

void BBSMenuClick(Shell& shell, const std::string& supportUrl) {
  shell.Open(supportUrl);
}

void VersionInfoClick(MessageBoxes& boxes) {
  boxes.Show(kVersionMessage, kVersionTitle, MessageButtons::kOk);
}

}  // namespace tarumo
