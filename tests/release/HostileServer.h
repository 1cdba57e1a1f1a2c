// A web server of the test's own on the loopback that answers the release check the way a
// broken or hostile server would. It listens from construction to destruction, on a thread of
// the test program.
#pragma once

// winsock2.h goes first: windows.h would otherwise bring in the old winsock.h.
#include <winsock2.h>

#include <windows.h>

#include <string>
#include <vector>

namespace tarumo::release {

enum class Hostility {
  kNeverAnswers,     // accepts the connection, reads the request and never says a word
  kHugeHeader,       // a Last-Modified header of more than 100 KB
  kFarYear,          // a Last-Modified date in the year 99999
  kClosesMidHeader,  // sends part of the status line and headers, then closes
};

class HostileServer {
 public:
  HostileServer(int port, Hostility hostility);
  ~HostileServer();
  HostileServer(const HostileServer&) = delete;
  HostileServer& operator=(const HostileServer&) = delete;

  // Whether it listens.
  explicit operator bool() const { return listener_ != INVALID_SOCKET && thread_; }
  // How many connections it has taken so far.
  int Connections() const;

  // What it sends after the request, for `hostility`: nothing for kNeverAnswers.
  static std::string Answer(Hostility hostility);

 private:
  static DWORD WINAPI Serve(void* self);
  void Take(SOCKET connection);

  Hostility hostility_;
  SOCKET listener_ = INVALID_SOCKET;
  HANDLE thread_ = nullptr;
  mutable CRITICAL_SECTION lock_;
  std::vector<SOCKET> held_;  // connections kept open without an answer
  int connections_ = 0;
};

}  // namespace tarumo::release
