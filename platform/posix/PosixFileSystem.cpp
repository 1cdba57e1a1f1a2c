#include "platform/posix/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Error.h"
#include "platform/posix/Cp932.h"

namespace tarumo {

std::string NativePath(const std::string& path) {
  // Convert first: a trail byte may be 0x5C, which is part of its character, not a separator.
  std::string name = Cp932ToUtf8(path).value_or(path);
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

bool PosixFileSystem::IsFile(const std::string& path) const {
  struct stat status {};
  return ::stat(NativePath(path).c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

std::string PosixFileSystem::ReadAll(const std::string& path) const {
  // Not blocking: a FIFO named like a glyph file would otherwise wait for a writer forever.
  const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  const auto fail = [&] { return Error(FormatText(messages::kCannotOpenFile, path)); };
  if (fd < 0) throw fail();

  // Only a regular file has an end to read to: a FIFO or a device is no text file.
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    throw fail();
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(status.st_size));
  char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      ::close(fd);
      throw fail();
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return bytes;
}

}  // namespace tarumo
