// What the settings and the release check need of the main window.
#pragma once

#include <string>

namespace tarumo {

class SettingsWindow {
 public:
  virtual ~SettingsWindow() = default;

  // The check mark of the menu item AutoUpdateCheck, the preference's only copy in memory.
  virtual bool AutoUpdateChecked() = 0;
  virtual void SetAutoUpdateChecked(bool checked) = 0;

  // The text of the status bar's second panel.
  virtual void SetUpdateStatus(const std::string& text) = 0;
};

}  // namespace tarumo
