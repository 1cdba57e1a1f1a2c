#include "platform/posix/PosixFileCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace tarumo {
namespace {

int OpenFile(const char* path, int flags, mode_t mode) {
  return ::open(path, flags, mode);
}

}  // namespace

const PosixFileCalls& SystemFileCalls() {
  static const PosixFileCalls calls{OpenFile, ::write, ::fsync, ::close, ::rename, ::unlink};
  return calls;
}

}  // namespace tarumo
