// What the release tests share: the test web server's archive and access log, the release
// time that the build wrote into Date.dat, and a few looks into the program's files.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/release/TestWebServer.h"
#include "tests/win32/TestFiles.h"

namespace tarumo::release {

using testing::FileBytes;
using testing::FileExists;

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

// Sets or clears the read-only attribute.
bool SetReadOnly(const std::string& path, bool readOnly);

}  // namespace tarumo::release
