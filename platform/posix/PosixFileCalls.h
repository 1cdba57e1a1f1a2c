// The system calls that write files, gathered so that a test can make any of them fail.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace tarumo {

struct PosixFileCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* data, std::size_t size);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*unlink)(const char* path);
};

// The calls of the running system.
const PosixFileCalls& SystemFileCalls();

}  // namespace tarumo
