// What the release tests share: the test web server's archive and access log, the release
// time that the build wrote into Date.dat, the shell's open commands taken over by a recorder,
// and a few looks into the program's files.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/release/TestWebServer.h"

namespace tarumo::release {

// "http://127.0.0.1:<port>", the web server of the program built for `port`.
std::string ServerUrl(int port);
// The support page on that server.
std::string SupportPageUrl(int port);

// The program built for `port`, a file beside the test program ("tarumo2-archive.exe").
std::string ProgramFor(int port);

// The release time in Date.dat beside the test program, as the build wrote it (GMT).
SYSTEMTIME BuildReleaseTime();
// `time` moved by `seconds`, forwards or backwards.
SYSTEMTIME Moved(const SYSTEMTIME& time, int seconds);
// Gives the release archive of the archive server the modification time `time` (GMT), which
// the server sends as Last-Modified.
bool SetArchiveTime(const SYSTEMTIME& time);

// The requests that reach the test web server from now on, one line each: port, method, path,
// the agent in quotes and the status ("47291 GET /tarumo2.lzh \"tarumo2\" 200").
class AccessLog {
 public:
  AccessLog();
  std::vector<std::string> NewRequests() const;
  // The line that one request of the release check makes on `port` answered with `status`.
  static std::string CheckRequest(int port, int status);

 private:
  std::size_t seen_;
};

// While this lives, the shell's open command for http pages and for text files is a recorder
// (open_recorder.exe beside the test program) that logs what it is given; the earlier commands
// come back at the end.
class ShellRecorder {
 public:
  explicit ShellRecorder(std::string logPath);
  ~ShellRecorder();
  ShellRecorder(const ShellRecorder&) = delete;
  ShellRecorder& operator=(const ShellRecorder&) = delete;

  explicit operator bool() const { return registered_; }

  // What was opened so far, in order; waits up to `patience` milliseconds for `count` entries.
  std::vector<std::string> Opened(std::size_t count = 0, DWORD patience = 0) const;

 private:
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

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> FileBytes(const std::string& path);
bool FileExists(const std::string& path);
// Sets or clears the read-only attribute.
bool SetReadOnly(const std::string& path, bool readOnly);

// Whether process `processId` shows its main window.
bool MainWindowVisible(DWORD processId);

}  // namespace tarumo::release
