// What the shell is asked to open: while this lives, open_recorder.exe (beside the test
// program) is the open command of ".html" files, and logs every page it is given.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarumo::ui {

class ShellOpenRecorder {
 public:
  // Registers the recorder with its log at `logPath`; the earlier handler comes back at the end.
  explicit ShellOpenRecorder(std::string logPath);
  ~ShellOpenRecorder();
  ShellOpenRecorder(const ShellOpenRecorder&) = delete;
  ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

  // Whether the registration took.
  explicit operator bool() const { return registered_; }

  // The pages opened so far, in order.
  std::vector<std::string> Opened() const;

 private:
  std::string logPath_;
  bool extensionKnown_;  // the key of ".html" was there before
  std::optional<std::string> previousHandler_;
  bool registered_ = false;
};

}  // namespace tarumo::ui
