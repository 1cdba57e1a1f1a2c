#include "platform/posix/PosixIniFiles.h"

#include <sys/stat.h>

#include "common/Error.h"
#include "platform/posix/IniText.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/ReplaceFile.h"

namespace tarumo {

std::string PosixIniFiles::ReadString(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& fallback) {
  try {
    return FindIniValue(PosixFileSystem().ReadAll(path), section, key).value_or(fallback);
  } catch (const Error&) {
    return fallback;  // a file that cannot be read holds no keys
  }
}

void PosixIniFiles::WriteString(const std::string& path, const std::string& section,
                                const std::string& key, const std::string& value) {
  const std::string native = NativePath(path);
  std::string text;
  struct stat status {};
  if (::stat(native.c_str(), &status) == 0) {
    try {
      text = PosixFileSystem().ReadAll(path);
    } catch (const Error&) {
      throw Error(FormatText(messages::kCannotWriteIni, path));
    }
  }
  if (ReplaceFile(native, WithIniValue(text, section, key, value), calls_) !=
      ReplaceOutcome::kReplaced) {
    throw Error(FormatText(messages::kCannotWriteIni, path));
  }
}

}  // namespace tarumo
