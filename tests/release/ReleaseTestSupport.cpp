#include "tests/release/ReleaseTestSupport.h"

#include "tests/ui/ProgramUnderTest.h"

namespace tarumo::release {
namespace {

constexpr const char* kSupportPath = "/mini/test/read.cgi/main/1195381503/l50";
constexpr ULONGLONG kTicksPerSecond = 10'000'000;  // FILETIME counts 100 ns

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string AccessLogPath() {
  return std::string(kServerFolder) + "access.log";
}

}  // namespace

std::string ServerUrl(int port) {
  return "http://127.0.0.1:" + std::to_string(port);
}

std::string SupportPageUrl(int port) {
  return ServerUrl(port) + kSupportPath;
}

std::string ProgramFor(int port) {
  const char* name = port == kArchivePort      ? "archive"
                     : port == kNoDatePort     ? "no-date"
                     : port == kMissingPort    ? "missing"
                     : port == kOddDatePort    ? "odd-date"
                     : port == kSilentPort     ? "silent"
                     : port == kHugeHeaderPort ? "huge-header"
                     : port == kFarYearPort    ? "far-year"
                     : port == kCutHeaderPort  ? "cut-header"
                                               : "closed";
  return ui::BesideTestProgram(std::string("tarumo2-") + name + ".exe");
}

SYSTEMTIME BuildReleaseTime() {
  const std::string dateDat = ui::BesideTestProgram("Date.dat");
  const auto read = [&](const char* key) {
    return static_cast<WORD>(::GetPrivateProfileIntA("UPDATE", key, 0, dateDat.c_str()));
  };
  SYSTEMTIME time{};
  time.wYear = read("Y");
  time.wMonth = read("MN");
  time.wDay = read("D");
  time.wHour = read("H");
  time.wMinute = read("MI");
  return time;
}

SYSTEMTIME Moved(const SYSTEMTIME& time, int seconds) {
  FILETIME file{};
  ::SystemTimeToFileTime(&time, &file);
  ULARGE_INTEGER ticks{};
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  ticks.QuadPart += static_cast<LONGLONG>(seconds) * static_cast<LONGLONG>(kTicksPerSecond);
  file.dwLowDateTime = ticks.LowPart;
  file.dwHighDateTime = ticks.HighPart;
  SYSTEMTIME moved{};
  ::FileTimeToSystemTime(&file, &moved);
  return moved;
}

bool SetArchiveTime(const SYSTEMTIME& time) {
  FILETIME modified{};
  if (!::SystemTimeToFileTime(&time, &modified)) return false;
  const std::string archive = std::string(kServerFolder) + "www\\tarumo2.lzh";
  HANDLE file = ::CreateFileA(archive.c_str(), FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const BOOL set = ::SetFileTime(file, nullptr, nullptr, &modified);
  ::CloseHandle(file);
  return set != FALSE;
}

AccessLog::AccessLog() : seen_(Lines(FileBytes(AccessLogPath()).value_or("")).size()) {}

std::vector<std::string> AccessLog::NewRequests() const {
  std::vector<std::string> lines = Lines(FileBytes(AccessLogPath()).value_or(""));
  if (lines.size() <= seen_) return {};
  return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(seen_), lines.end());
}

std::string AccessLog::CheckRequest(int port, int status) {
  return std::to_string(port) + " GET /tarumo2.lzh \"tarumo2\" " + std::to_string(status);
}

bool SetReadOnly(const std::string& path, bool readOnly) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD changed = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY)
                                 : (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  return ::SetFileAttributesA(path.c_str(), changed ? changed : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

}  // namespace tarumo::release
