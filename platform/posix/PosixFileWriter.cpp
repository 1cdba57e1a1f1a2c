#include "platform/posix/PosixFileWriter.h"

#include "common/Error.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/ReplaceFile.h"

namespace tarumo {

void PosixFileWriter::WriteAll(const std::string& path, std::string_view bytes) {
  switch (ReplaceFile(NativePath(path), bytes, calls_)) {
    case ReplaceOutcome::kReplaced:
      return;
    case ReplaceOutcome::kCannotCreate:
      throw Error(FormatText(messages::kCannotCreateFile, path));
    case ReplaceOutcome::kWriteFailed:
      throw Error(messages::kStreamWriteError);
  }
}

void PosixFileWriter::Remove(const std::string& path) noexcept {
  try {
    calls_.unlink(NativePath(path).c_str());
  } catch (...) {
    // A path that cannot even be converted names no file to remove.
  }
}

}  // namespace tarumo
