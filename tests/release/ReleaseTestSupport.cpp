#include "tests/release/ReleaseTestSupport.h"

#include <fstream>
#include <iterator>

#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/Waiting.h"

namespace tarumo::release {
namespace {

constexpr const char* kSupportPath = "/mini/test/read.cgi/main/1195381503/l50";
constexpr ULONGLONG kTicksPerSecond = 10'000'000;  // FILETIME counts 100 ns

// The shell looks file types and protocols up in the machine's classes.
const HKEY kClasses = HKEY_LOCAL_MACHINE;
constexpr const char* kHttpCommandKey = "Software\\Classes\\http\\shell\\open\\command";
constexpr const char* kTextExtensionKey = "Software\\Classes\\.txt";
constexpr const char* kTextTypeKey = "Software\\Classes\\tarumo.RecordedText";
constexpr const char* kTextTypeName = "tarumo.RecordedText";

std::optional<std::string> DefaultValue(const std::string& key) {
  char value[1024] = {};
  DWORD size = sizeof value;
  if (::RegGetValueA(kClasses, key.c_str(), nullptr,
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, value,
                     &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(value);
}

bool KeyExists(const std::string& key) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(kClasses, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(opened);
  return true;
}

bool SetDefaultValue(const std::string& key, const std::string& value) {
  HKEY opened = nullptr;
  if (::RegCreateKeyExA(kClasses, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result =
      ::RegSetValueExA(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
  ::RegCloseKey(opened);
  return result == ERROR_SUCCESS;
}

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
  const char* name = port == kArchivePort   ? "archive"
                     : port == kNoDatePort  ? "no-date"
                     : port == kMissingPort ? "missing"
                     : port == kOddDatePort ? "odd-date"
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

ShellRecorder::ShellRecorder(std::string logPath) : logPath_(std::move(logPath)) {
  std::string command = "\"";
  command.append(ui::BesideTestProgram("open_recorder.exe")).append("\" \"");
  command.append(logPath_).append("\" \"%1\"");
  Set(kHttpCommandKey, command);
  Set(std::string(kTextTypeKey) + "\\shell\\open\\command", command);
  Set(kTextExtensionKey, kTextTypeName);
}

ShellRecorder::~ShellRecorder() {
  for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved) {
    if (!saved->existed) {
      ::RegDeleteTreeA(kClasses, saved->key.c_str());
    } else if (saved->value) {
      SetDefaultValue(saved->key, *saved->value);
    } else {
      ::RegDeleteKeyValueA(kClasses, saved->key.c_str(), nullptr);
    }
  }
  ::RegDeleteTreeA(kClasses, kTextTypeKey);
}

void ShellRecorder::Set(const std::string& key, const std::string& value) {
  saved_.push_back({key, KeyExists(key), DefaultValue(key)});
  registered_ = SetDefaultValue(key, value) && registered_;
}

std::vector<std::string> ShellRecorder::Opened(std::size_t count, DWORD patience) const {
  std::vector<std::string> opened;
  ui::WaitUntil(
      [&] {
        opened.clear();
        const std::string text = FileBytes(logPath_).value_or("");
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
          opened.push_back(text.substr(start, end - start));
        }
        return opened.size() >= count;
      },
      patience);
  return opened;
}

std::optional<std::string> FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool SetReadOnly(const std::string& path, bool readOnly) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD changed = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY)
                                 : (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  return ::SetFileAttributesA(path.c_str(), changed ? changed : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

namespace {

struct WindowSearch {
  DWORD processId;
  bool found = false;
};

BOOL CALLBACK FindVisibleMainWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  char className[32] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (owner == search->processId && std::string(className) == "TForm1" &&
      ::IsWindowVisible(window)) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool MainWindowVisible(DWORD processId) {
  WindowSearch search{processId};
  ::EnumWindows(&FindVisibleMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace tarumo::release
