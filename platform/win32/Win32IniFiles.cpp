#include "platform/win32/Win32IniFiles.h"

#include <windows.h>

#include <vector>

#include "common/Error.h"

namespace tarumo {
namespace {

constexpr DWORD kFirstSize = 256;
constexpr DWORD kLargestSize = 1 << 20;

}  // namespace

std::string Win32IniFiles::ReadString(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& fallback) {
  // A value that fills the buffer up to its last byte may have been cut: read it again larger.
  for (DWORD size = kFirstSize;; size *= 4) {
    std::vector<char> buffer(size);
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                    buffer.data(), size, path.c_str());
    if (length + 1 < size || size >= kLargestSize) return std::string(buffer.data(), length);
  }
}

void Win32IniFiles::WriteString(const std::string& path, const std::string& section,
                                const std::string& key, const std::string& value) {
  // The system refuses a read-only file; a user who may ignore the attribute (Wine run by root)
  // would write it all the same.
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  const bool readOnly =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  if (readOnly ||
      !::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str())) {
    throw Error(FormatText(messages::kCannotWriteIni, path));
  }
}

}  // namespace tarumo
