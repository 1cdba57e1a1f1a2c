#include "tests/release/HostileServer.h"

#include <ws2tcpip.h>

namespace tarumo::release {
namespace {

constexpr std::size_t kHugeHeaderBytes = 100 * 1024 + 7;

// Winsock, started once for the test program.
bool StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

// Reads until the blank line that ends the request's headers, or the peer stops sending.
void ReadRequest(SOCKET connection) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const int got = ::recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) return;
    request.append(buffer, static_cast<std::size_t>(got));
  }
}

void SendAll(SOCKET connection, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const int now =
        ::send(connection, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (now <= 0) return;
    sent += static_cast<std::size_t>(now);
  }
}

}  // namespace

std::string HostileServer::Answer(Hostility hostility) {
  const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 0\r\nConnection: close\r\n";
  switch (hostility) {
    case Hostility::kNeverAnswers:
      return {};
    case Hostility::kHugeHeader:
      // The day of the week grown past 100 KB; the date itself is 2007/11/19 10:11.
      return head + "Last-Modified: " + std::string(kHugeHeaderBytes, 'M') +
             "on, 19 Nov 2007 10:11:00 GMT\r\n\r\n";
    case Hostility::kFarYear:
      return head + "Last-Modified: Fri, 31 Dec 99999 23:59:00 GMT\r\n\r\n";
    case Hostility::kClosesMidHeader:
      return "HTTP/1.1 200 OK\r\nLast-Modified: Mon, 19 No";
  }
  return {};
}

HostileServer::HostileServer(int port, Hostility hostility) : hostility_(hostility) {
  ::InitializeCriticalSection(&lock_);
  if (!StartWinsock()) return;
  listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (listener_ == INVALID_SOCKET) return;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = ::htons(static_cast<u_short>(port));
  address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, SOMAXCONN) != 0) {
    ::closesocket(listener_);
    listener_ = INVALID_SOCKET;
    return;
  }
  thread_ = ::CreateThread(nullptr, 0, &HostileServer::Serve, this, 0, nullptr);
}

HostileServer::~HostileServer() {
  // Closing the listener ends the thread's wait for the next connection.
  if (listener_ != INVALID_SOCKET) ::closesocket(listener_);
  if (thread_) {
    ::WaitForSingleObject(thread_, INFINITE);
    ::CloseHandle(thread_);
  }
  for (const SOCKET connection : held_) ::closesocket(connection);
  ::DeleteCriticalSection(&lock_);
}

int HostileServer::Connections() const {
  ::EnterCriticalSection(&lock_);
  const int connections = connections_;
  ::LeaveCriticalSection(&lock_);
  return connections;
}

DWORD WINAPI HostileServer::Serve(void* self) {
  auto& server = *static_cast<HostileServer*>(self);
  for (;;) {
    const SOCKET connection = ::accept(server.listener_, nullptr, nullptr);
    if (connection == INVALID_SOCKET) return 0;
    server.Take(connection);
  }
}

void HostileServer::Take(SOCKET connection) {
  ::EnterCriticalSection(&lock_);
  ++connections_;
  ::LeaveCriticalSection(&lock_);
  ReadRequest(connection);
  if (hostility_ == Hostility::kNeverAnswers) {
    held_.push_back(connection);  // only this thread touches it until the destructor joins
    return;
  }
  SendAll(connection, Answer(hostility_));
  ::shutdown(connection, SD_SEND);
  ::closesocket(connection);
}

}  // namespace tarumo::release
