// The internet calls of the release check: one session, one request, one response header.
//
// Handles are the system's own values passed through unchanged; null is none. The caller
// closes every handle it was given.
#pragma once

#include <cstdint>

namespace tarumo {

using InternetHandle = void*;

// Errors that a header query reports.
inline constexpr std::uint32_t kErrorInsufficientBuffer = 122;
inline constexpr std::uint32_t kErrorHeaderNotFound = 12150;

class Internet {
 public:
  virtual ~Internet() = default;

  // A session with the system's proxy configuration, sending `agent` with every request. Its
  // requests give up on a server that takes longer than a fixed time (ten seconds) to
  // connect, to take the request or to answer.
  virtual InternetHandle OpenSession(const char* agent) = 0;

  // Requests `url` (a GET, the usual caching rules) and waits for the response headers.
  virtual InternetHandle OpenUrl(InternetHandle session, const char* url) = 0;

  // Copies the response's Last-Modified text with a terminating NUL into `buffer`, which
  // holds `length` bytes. Success leaves the text's length in `length`; failure gives the
  // error in `error` and, for kErrorInsufficientBuffer, the size needed in `length`.
  virtual bool QueryLastModified(InternetHandle request, char* buffer, std::uint32_t& length,
                                 std::uint32_t& error) = 0;

  virtual void CloseHandle(InternetHandle handle) noexcept = 0;
};

}  // namespace tarumo
