#include "platform/win32/Win32Internet.h"

#include <windows.h>
#include <wininet.h>

#include <initializer_list>
#include <string>

#include "platform/win32/LazyLibrary.h"

static_assert(tarumo::kErrorInsufficientBuffer == ERROR_INSUFFICIENT_BUFFER);
static_assert(tarumo::kErrorHeaderNotFound == ERROR_HTTP_HEADER_NOT_FOUND);

namespace tarumo {
namespace {

// WinINet's functions, loaded with the library when the first release check runs. When the
// library cannot be loaded, no session opens: the check ends as when InternetOpenA fails.
struct WinInet {
  template <typename Function>
  static Function* Get(const char* name) {
    return LazyFunction<Function>("wininet.dll", name);
  }
  decltype(&::InternetOpenA) InternetOpenA = Get<decltype(::InternetOpenA)>("InternetOpenA");
  decltype(&::InternetSetOptionA) InternetSetOptionA =
      Get<decltype(::InternetSetOptionA)>("InternetSetOptionA");
  decltype(&::InternetCrackUrlA) InternetCrackUrlA =
      Get<decltype(::InternetCrackUrlA)>("InternetCrackUrlA");
  decltype(&::InternetConnectA) InternetConnectA =
      Get<decltype(::InternetConnectA)>("InternetConnectA");
  decltype(&::HttpOpenRequestA) HttpOpenRequestA =
      Get<decltype(::HttpOpenRequestA)>("HttpOpenRequestA");
  decltype(&::HttpSendRequestA) HttpSendRequestA =
      Get<decltype(::HttpSendRequestA)>("HttpSendRequestA");
  decltype(&::HttpQueryInfoA) HttpQueryInfoA = Get<decltype(::HttpQueryInfoA)>("HttpQueryInfoA");
  decltype(&::InternetCloseHandle) InternetCloseHandle =
      Get<decltype(::InternetCloseHandle)>("InternetCloseHandle");

  bool Loaded() const {
    return InternetOpenA && InternetSetOptionA && InternetCrackUrlA && InternetConnectA &&
           HttpOpenRequestA && HttpSendRequestA && HttpQueryInfoA && InternetCloseHandle;
  }
};

const WinInet& Api() {
  static const WinInet api;
  return api;
}

// How long a server may take to accept the connection, to take the request and to send each
// part of its answer. The check blocks the window meanwhile, and WinINet's own limits may be
// none at all (Wine waits for an answer forever): a server that accepts and never answers
// must still let the check end.
constexpr DWORD kTimeoutMilliseconds = 10000;

void LimitWaiting(HINTERNET handle) {
  for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                             INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD limit = kTimeoutMilliseconds;
    Api().InternetSetOptionA(handle, option, &limit, sizeof limit);
  }
}

// The parts of an http URL that a connection and a request need.
struct UrlParts {
  std::string host;
  INTERNET_PORT port = INTERNET_DEFAULT_HTTP_PORT;
  std::string path;  // with the query
  bool secure = false;
};

bool CrackUrl(const char* url, UrlParts& parts) {
  char host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
  char path[INTERNET_MAX_PATH_LENGTH] = {};
  char extra[INTERNET_MAX_PATH_LENGTH] = {};
  URL_COMPONENTSA components{};
  components.dwStructSize = sizeof components;
  components.lpszHostName = host;
  components.dwHostNameLength = sizeof host;
  components.lpszUrlPath = path;
  components.dwUrlPathLength = sizeof path;
  components.lpszExtraInfo = extra;
  components.dwExtraInfoLength = sizeof extra;
  if (!Api().InternetCrackUrlA(url, 0, 0, &components)) return false;
  parts.host = host;
  parts.port = components.nPort;
  // The lengths that the call reports, rather than the texts' ends.
  parts.path.assign(path, components.dwUrlPathLength);
  parts.path.append(extra, components.dwExtraInfoLength);
  if (parts.path.empty()) parts.path.push_back('/');
  parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
  return true;
}

}  // namespace

InternetHandle Win32Internet::OpenSession(const char* agent) {
  if (!Api().Loaded()) return nullptr;
  const HINTERNET session =
      Api().InternetOpenA(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (session) LimitWaiting(session);
  return session;
}

InternetHandle Win32Internet::OpenUrl(InternetHandle session, const char* url) {
  // The GET that InternetOpenUrlA would send, made of its parts so that the connection and the
  // request carry the time limits: requests of InternetOpenUrlA take none from their session
  // under every WinINet. Redirects and caching follow WinINet's usual rules as before.
  UrlParts parts;
  if (!CrackUrl(url, parts)) return nullptr;
  // On success the connection stays open under the request; it is a child of the session and
  // closed with it.
  const HINTERNET connection =
      Api().InternetConnectA(static_cast<HINTERNET>(session), parts.host.c_str(), parts.port,
                             nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  if (!connection) return nullptr;
  LimitWaiting(connection);
  const HINTERNET request =
      Api().HttpOpenRequestA(connection, "GET", parts.path.c_str(), nullptr, nullptr, nullptr,
                             parts.secure ? INTERNET_FLAG_SECURE : 0, 0);
  if (!request) {
    Api().InternetCloseHandle(connection);
    return nullptr;
  }
  LimitWaiting(request);
  if (!Api().HttpSendRequestA(request, nullptr, 0, nullptr, 0)) {
    Api().InternetCloseHandle(request);
    Api().InternetCloseHandle(connection);
    return nullptr;
  }
  return request;
}

bool Win32Internet::QueryLastModified(InternetHandle request, char* buffer, std::uint32_t& length,
                                      std::uint32_t& error) {
  // Without a buffer the call is offered none, so that a header shorter than the stated length
  // is never copied to nowhere; it then only reports the size it needs.
  DWORD size = buffer ? length : 0;
  const BOOL found = Api().HttpQueryInfoA(static_cast<HINTERNET>(request), HTTP_QUERY_LAST_MODIFIED,
                                          buffer, &size, nullptr);
  error = found ? 0 : ::GetLastError();
  length = size;
  return found != FALSE;
}

void Win32Internet::CloseHandle(InternetHandle handle) noexcept {
  Api().InternetCloseHandle(static_cast<HINTERNET>(handle));
}

}  // namespace tarumo
