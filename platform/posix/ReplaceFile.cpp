#include "platform/posix/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

namespace tarumo {
namespace {

constexpr int kTemporaryNameTries = 100;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

std::string FolderOf(const std::string& nativePath) {
  const auto slash = nativePath.rfind('/');
  return slash == std::string::npos ? std::string() : nativePath.substr(0, slash + 1);
}

// A file of its own beside the target, removed again when this goes out of scope unless it
// has taken the target's place.
class TemporaryFile {
 public:
  TemporaryFile(const std::string& nativePath, const PosixFileCalls& calls)
      : stem_(FolderOf(nativePath) + ".~tarumo" + std::to_string(::getpid()) + "-"),
        calls_(calls) {}
  ~TemporaryFile() {
    if (fd_ >= 0) calls_.close(fd_);
    if (!name_.empty() && !kept_) calls_.unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Creates the file, made by nobody else: with the target's permissions when there is a
  // target, else with those the umask leaves of 0666.
  bool Create(std::optional<mode_t> targetMode) {
    const mode_t mode = targetMode.value_or(0666);
    for (int n = 0; n < kTemporaryNameTries; ++n) {
      const std::string name = stem_ + std::to_string(n) + ".tmp";
      fd_ = calls_.open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
      if (fd_ >= 0) {
        name_ = name;
        if (targetMode) ::fchmod(fd_, mode);  // the umask must not narrow them
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }

  // Writes every byte and waits until they are on disk.
  bool Write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = calls_.write(fd_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return calls_.fsync(fd_) == 0;
  }

  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return calls_.close(fd) == 0;
  }

  bool ReplaceTarget(const std::string& nativePath) {
    kept_ = calls_.rename(name_.c_str(), nativePath.c_str()) == 0;
    return kept_;
  }

 private:
  std::string stem_;
  const PosixFileCalls& calls_;
  std::string name_;
  int fd_ = -1;
  bool kept_ = false;
};

}  // namespace

ReplaceOutcome ReplaceFile(const std::string& nativePath, std::string_view bytes,
                           const PosixFileCalls& calls) {
  struct stat target {};
  const bool exists = ::stat(nativePath.c_str(), &target) == 0;
  if (exists && (S_ISDIR(target.st_mode) || (target.st_mode & kWriteBits) == 0 ||
                 ::access(nativePath.c_str(), W_OK) != 0)) {
    return ReplaceOutcome::kCannotCreate;
  }

  TemporaryFile temporary(nativePath, calls);
  if (!temporary.Create(exists ? std::optional<mode_t>(target.st_mode & 07777) : std::nullopt)) {
    return ReplaceOutcome::kCannotCreate;
  }
  const bool written = temporary.Write(bytes);
  if (!temporary.Close() || !written) return ReplaceOutcome::kWriteFailed;
  if (!temporary.ReplaceTarget(nativePath)) return ReplaceOutcome::kCannotCreate;
  return ReplaceOutcome::kReplaced;
}

}  // namespace tarumo
