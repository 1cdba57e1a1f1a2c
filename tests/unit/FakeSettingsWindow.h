// The check mark and the status panel of the main window, recorded.
#pragma once

#include <string>
#include <vector>

#include "settings/SettingsWindow.h"

namespace tarumo::testing {

class FakeSettingsWindow final : public SettingsWindow {
 public:
  bool checked = false;
  std::string status;
  std::vector<std::string>* log = nullptr;  // "mark 0|1", "status <text>" when set

  bool AutoUpdateChecked() override { return checked; }
  void SetAutoUpdateChecked(bool value) override {
    checked = value;
    if (log) log->push_back(value ? "mark 1" : "mark 0");
  }
  void SetUpdateStatus(const std::string& text) override {
    status = text;
    if (log) log->push_back("status " + text);
  }
};

}  // namespace tarumo::testing
