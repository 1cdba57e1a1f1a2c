#include "platform/win32/Win32FileWriter.h"

#include <windows.h>

#include <string>

#include "common/Error.h"
#include "platform/win32/FileHandle.h"

namespace tarumo {
namespace {

constexpr int kTemporaryNameTries = 100;
constexpr DWORD kWriteChunk = 1 << 20;

// The folder part of `path` up to its last separator. Scanned by characters: the trail byte
// of a double-byte character may be 0x5C and is no separator.
std::string FolderOf(const std::string& path) {
  std::size_t end = 0;
  for (const char* at = path.c_str(); *at; at = ::CharNextA(at)) {
    if (*at == '\\' || *at == '/' || *at == ':')
      end = static_cast<std::size_t>(at - path.c_str()) + 1;
  }
  return path.substr(0, end);
}

// Whether the target can be written in place of: missing, or openable for writing by us alone.
// A read-only, busy or folder target is refused before anything is written. The read-only
// attribute is tested on its own too: a user who may ignore it (Wine run by root) would
// otherwise open the file all the same.
bool TargetCanBeReplaced(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  FileHandle target(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  return target || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

// A file of our own beside the target, created with no sharing; deleted again when this goes
// out of scope, unless it has taken the target's place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target)
      : stem_(FolderOf(target) + "~tarumo" + std::to_string(::GetCurrentProcessId()) + "-") {}
  ~TemporaryFile() {
    if (!name_.empty() && !kept_) ::DeleteFileA(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // A handle to the new file, or INVALID_HANDLE_VALUE when none can be created.
  HANDLE Create() {
    for (int n = 0; n < kTemporaryNameTries; ++n) {
      const std::string name = stem_ + std::to_string(n) + ".tmp";
      const HANDLE handle = ::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
      if (handle != INVALID_HANDLE_VALUE) name_ = name;
      if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return handle;
    }
    return INVALID_HANDLE_VALUE;
  }

  // Moves the closed file over `target`.
  bool ReplaceTarget(const std::string& target) {
    kept_ = ::MoveFileExA(name_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    return kept_;
  }

 private:
  std::string stem_;
  std::string name_;
  bool kept_ = false;
};

bool WriteEvery(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() < kWriteChunk ? static_cast<DWORD>(bytes.size()) : kWriteChunk;
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return ::FlushFileBuffers(file) != FALSE;
}

}  // namespace

void Win32FileWriter::WriteAll(const std::string& path, std::string_view bytes) {
  const auto cannotCreate = [&] { return Error(FormatText(messages::kCannotCreateFile, path)); };
  if (!TargetCanBeReplaced(path)) throw cannotCreate();
  TemporaryFile temporary(path);
  {
    FileHandle file(temporary.Create());
    if (!file) throw cannotCreate();
    if (!WriteEvery(file.get(), bytes)) throw Error(messages::kStreamWriteError);
  }  // closed before it is moved
  if (!temporary.ReplaceTarget(path)) throw cannotCreate();
}

void Win32FileWriter::Remove(const std::string& path) noexcept {
  ::DeleteFileA(path.c_str());
}

}  // namespace tarumo
