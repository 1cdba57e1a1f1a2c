#include "platform/win32/Win32Internet.h"

#include <windows.h>
#include <wininet.h>

static_assert(tarumo::kErrorInsufficientBuffer == ERROR_INSUFFICIENT_BUFFER);
static_assert(tarumo::kErrorHeaderNotFound == ERROR_HTTP_HEADER_NOT_FOUND);

namespace tarumo {

InternetHandle Win32Internet::OpenSession(const char* agent) {
  return ::InternetOpenA(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
}

InternetHandle Win32Internet::OpenUrl(InternetHandle session, const char* url) {
  return ::InternetOpenUrlA(static_cast<HINTERNET>(session), url, nullptr, 0, 0, 0);
}

bool Win32Internet::QueryLastModified(InternetHandle request, char* buffer, std::uint32_t& length,
                                      std::uint32_t& error) {
  // Without a buffer the call is offered none, so that a header shorter than the stated length
  // is never copied to nowhere; it then only reports the size it needs.
  DWORD size = buffer ? length : 0;
  const BOOL found = ::HttpQueryInfoA(static_cast<HINTERNET>(request), HTTP_QUERY_LAST_MODIFIED,
                                      buffer, &size, nullptr);
  error = found ? 0 : ::GetLastError();
  length = size;
  return found != FALSE;
}

void Win32Internet::CloseHandle(InternetHandle handle) noexcept {
  ::InternetCloseHandle(static_cast<HINTERNET>(handle));
}

}  // namespace tarumo
