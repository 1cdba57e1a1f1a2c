#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include "common/Error.h"
#include "platform/win32/FileHandle.h"

namespace tarumo {

bool Win32FileSystem::IsFile(const std::string& path) const {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32FileSystem::ReadAll(const std::string& path) const {
  // Others may read along, but a file held open for writing cannot be opened.
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  const auto fail = [&] { return Error(FormatText(messages::kCannotOpenFile, path)); };
  if (!file) throw fail();

  std::string bytes;
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  char buffer[16384];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) throw fail();
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return bytes;
}

}  // namespace tarumo
