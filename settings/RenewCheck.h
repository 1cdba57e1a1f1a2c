// The release check: the release archive's Last-Modified date against the installed release.
#pragma once

#include <string>

#include "platform/IniFiles.h"
#include "platform/Internet.h"
#include "platform/MovableMemory.h"

namespace tarumo {

// The results of a check.
namespace renew {
inline constexpr int kNoSession = 1;    // no internet session
inline constexpr int kNoResponse = 2;   // the archive's URL did not open
inline constexpr int kNoHeader = 3;     // the response has no Last-Modified
inline constexpr int kNoMemory = 4;     // no header buffer
inline constexpr int kNoLock = 5;       // the header buffer could not be locked
inline constexpr int kQueryFailed = 6;  // the header query failed otherwise, or held no date
inline constexpr int kNewerRelease = 10;
inline constexpr int kUpToDate = 11;
}  // namespace renew

class ReleaseCheck {
 public:
  ReleaseCheck(Internet& internet, MovableMemory& memory, IniFiles& ini, std::string archiveUrl)
      : internet_(internet), memory_(memory), ini_(ini), archiveUrl_(std::move(archiveUrl)) {}

  // Asks for the archive's headers (agent "tarumo2"), reads Last-Modified in three passes over
  // one growing buffer and compares the date with Date.dat in `programFolder`. Returns a code
  // of renew; a date field that is no integer raises Error. Every handle and buffer is given
  // back on every way out. Keeps nothing between calls.
  int RenewCheck(const std::string& programFolder);

 private:
  Internet& internet_;
  MovableMemory& memory_;
  IniFiles& ini_;
  std::string archiveUrl_;
};

}  // namespace tarumo
