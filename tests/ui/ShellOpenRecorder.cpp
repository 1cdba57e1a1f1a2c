#include "tests/ui/ShellOpenRecorder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "tests/ui/ProgramUnderTest.h"

namespace tarumo::ui {
namespace {

// The shell finds file types in the classes root, which holds the machine's classes.
const HKEY kClasses = HKEY_LOCAL_MACHINE;
constexpr const char* kExtensionKey = "Software\\Classes\\.html";
constexpr const char* kTypeKey = "Software\\Classes\\tarumo.RecordedPage";
constexpr const char* kTypeName = "tarumo.RecordedPage";

bool KeyExists(const char* key) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(kClasses, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(opened);
  return true;
}

std::optional<std::string> DefaultValue(const char* key) {
  char value[512] = {};
  DWORD size = sizeof value;
  if (::RegGetValueA(kClasses, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(value);
}

bool SetDefaultValue(const char* key, const std::string& value) {
  HKEY opened = nullptr;
  if (::RegCreateKeyExA(kClasses, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const LONG result =
      ::RegSetValueExA(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
  ::RegCloseKey(opened);
  return result == ERROR_SUCCESS;
}

}  // namespace

ShellOpenRecorder::ShellOpenRecorder(std::string logPath)
    : logPath_(std::move(logPath)),
      extensionKnown_(KeyExists(kExtensionKey)),
      previousHandler_(DefaultValue(kExtensionKey)) {
  std::string command = "\"";
  command.append(BesideTestProgram("open_recorder.exe")).append("\" \"");
  command.append(logPath_).append("\" \"%1\"");
  const std::string commandKey = std::string(kTypeKey).append("\\shell\\open\\command");
  registered_ =
      SetDefaultValue(commandKey.c_str(), command) && SetDefaultValue(kExtensionKey, kTypeName);
}

ShellOpenRecorder::~ShellOpenRecorder() {
  if (previousHandler_) {
    SetDefaultValue(kExtensionKey, *previousHandler_);
  } else if (extensionKnown_) {
    ::RegDeleteKeyValueA(kClasses, kExtensionKey, nullptr);
  } else {
    ::RegDeleteKeyA(kClasses, kExtensionKey);
  }
  ::RegDeleteTreeA(kClasses, kTypeKey);
}

std::vector<std::string> ShellOpenRecorder::Opened() const {
  std::ifstream log(logPath_, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>()};
  std::vector<std::string> pages;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    pages.push_back(text.substr(start, end - start));
  }
  return pages;
}

}  // namespace tarumo::ui
