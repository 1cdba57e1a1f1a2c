#include "tests/ui/ShellOpenRecorder.h"

#include "tests/ui/ProgramUnderTest.h"
#include "tests/ui/Waiting.h"
#include "tests/win32/TestFiles.h"

namespace tarumo::ui {
namespace {

// The shell looks file types and protocols up in the classes root, which holds the machine's
// classes.
const HKEY kClasses = HKEY_LOCAL_MACHINE;
constexpr const char* kClassesKey = "Software\\Classes\\";
constexpr const char* kTypeName = "tarumo.Recorded";
constexpr const char* kOpenCommand = "\\shell\\open\\command";

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

}  // namespace

ShellOpenRecorder::ShellOpenRecorder(std::string logPath,
                                     const std::vector<std::string>& extensions,
                                     const std::vector<std::string>& protocols)
    : logPath_(std::move(logPath)) {
  std::string command = "\"";
  command.append(BesideTestProgram("open_recorder.exe")).append("\" \"");
  command.append(logPath_).append("\" \"%1\"");
  const std::string classes = kClassesKey;
  Set(classes + kTypeName + kOpenCommand, command);
  for (const std::string& extension : extensions) Set(classes + extension, kTypeName);
  for (const std::string& protocol : protocols) Set(classes + protocol + kOpenCommand, command);
}

ShellOpenRecorder::~ShellOpenRecorder() {
  for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved) {
    if (!saved->existed) {
      ::RegDeleteTreeA(kClasses, saved->key.c_str());
    } else if (saved->value) {
      SetDefaultValue(saved->key, *saved->value);
    } else {
      ::RegDeleteKeyValueA(kClasses, saved->key.c_str(), nullptr);
    }
  }
  ::RegDeleteTreeA(kClasses, (std::string(kClassesKey) + kTypeName).c_str());
}

void ShellOpenRecorder::Set(const std::string& key, const std::string& value) {
  saved_.push_back({key, KeyExists(key), DefaultValue(key)});
  registered_ = SetDefaultValue(key, value) && registered_;
}

std::vector<std::string> ShellOpenRecorder::Opened(std::size_t count, DWORD patience) const {
  std::vector<std::string> opened;
  WaitUntil(
      [&] {
        opened.clear();
        const std::string text = testing::FileBytes(logPath_).value_or("");
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
          opened.push_back(text.substr(start, end - start));
        }
        return opened.size() >= count;
      },
      patience);
  return opened;
}

}  // namespace tarumo::ui
