// The two callers of the release check: the menu command and the check at start-up.
#pragma once

#include <string>

#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "settings/AutoUpdateSetting.h"
#include "settings/RenewCheck.h"
#include "settings/SettingsWindow.h"

namespace tarumo {

// The boxes of the on-demand check for `code`; on a newer release, Yes opens `supportUrl`.
void ReportOnDemand(int code, MessageBoxes& boxes, Shell& shell, const std::string& supportUrl);

// The report of the check at start-up: the question of a newer release, else a status text.
void ReportAtStartup(int code, MessageBoxes& boxes, Shell& shell, SettingsWindow& window,
                     const std::string& supportUrl);

class UpdateCheckCommands final : public AutomaticReleaseCheck {
 public:
  UpdateCheckCommands(ReleaseCheck& check, MessageBoxes& boxes, Shell& shell,
                      SettingsWindow& window, std::string supportUrl)
      : check_(check),
        boxes_(boxes),
        shell_(shell),
        window_(window),
        supportUrl_(std::move(supportUrl)) {}

  // The menu command: checks whatever the preference is and changes neither it nor its mark.
  void RenewCheckMenuClick(const std::string& programFolder);

  void RunAutomaticCheck(const std::string& programFolder) override;

 private:
  ReleaseCheck& check_;
  MessageBoxes& boxes_;
  Shell& shell_;
  SettingsWindow& window_;
  std::string supportUrl_;
};

}  // namespace tarumo
