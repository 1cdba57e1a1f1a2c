// The one stored preference: whether the release check runs at every start.
//
// It lives in config.ini in the program folder, section CONFIG, key AutoUpdate: 1 on, 0 off,
// 2 or missing or no integer undecided (the first-run question is asked), any other integer
// off without a question.
#pragma once

#include <string>

#include "platform/IniFiles.h"
#include "platform/MessageBoxes.h"
#include "settings/SettingsWindow.h"

namespace tarumo {

// The release check that runs at start-up and reports on its own.
class AutomaticReleaseCheck {
 public:
  virtual ~AutomaticReleaseCheck() = default;
  virtual void RunAutomaticCheck(const std::string& programFolder) = 0;
};

class AutoUpdateSetting {
 public:
  AutoUpdateSetting(IniFiles& ini, MessageBoxes& boxes, SettingsWindow& window,
                    AutomaticReleaseCheck& check)
      : ini_(ini), boxes_(boxes), window_(window), check_(check) {}

  // The start-up settings step: reads the preference, asks when it is undecided, sets the
  // check mark, runs the automatic check when the preference is on, and only then writes an
  // answer that was asked for. An error (a refused write, one from the check) ends it there.
  void RunStartupStep(const std::string& programFolder);

  // Flips the check mark and writes the new preference at once; runs no check.
  void AutoUpdateCheckClick(const std::string& programFolder);

 private:
  IniFiles& ini_;
  MessageBoxes& boxes_;
  SettingsWindow& window_;
  AutomaticReleaseCheck& check_;
};

}  // namespace tarumo
