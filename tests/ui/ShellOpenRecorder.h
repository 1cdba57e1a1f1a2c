// What the shell is asked to open: while this lives, open_recorder.exe (beside the test
// program) is the shell's open command for the file types and protocols it is given, and logs
// everything it is handed; the earlier commands come back at the end.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tarumo::ui {

class ShellOpenRecorder {
 public:
  // Takes over the file types of `extensions` (".html") and the `protocols` ("http"), with the
  // log at `logPath`.
  ShellOpenRecorder(std::string logPath, const std::vector<std::string>& extensions,
                    const std::vector<std::string>& protocols = {});
  ~ShellOpenRecorder();
  ShellOpenRecorder(const ShellOpenRecorder&) = delete;
  ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

  // Whether the registration took.
  explicit operator bool() const { return registered_; }

  // What was opened so far, in order; waits up to `patience` milliseconds for `count` entries.
  std::vector<std::string> Opened(std::size_t count = 0, DWORD patience = 0) const;

 private:
  // A registry key's default value as it was before, to be put back.
  struct SavedValue {
    std::string key;
    bool existed;
    std::optional<std::string> value;
  };
  void Set(const std::string& key, const std::string& value);

  std::string logPath_;
  std::vector<SavedValue> saved_;
  bool registered_ = true;
};

}  // namespace tarumo::ui
