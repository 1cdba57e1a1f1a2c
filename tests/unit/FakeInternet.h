// An internet and a memory that follow the system's rules for one response header, count
// what they hand out and what comes back, and fail on request.
#pragma once

#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Internet.h"
#include "platform/MovableMemory.h"

namespace tarumo::testing {

class FakeInternet final : public Internet {
 public:
  // The response's Last-Modified text; nothing for a response without one.
  std::optional<std::string> lastModified = "Mon, 19 Nov 2007 10:10:00 GMT";
  bool sessionFails = false;
  bool requestFails = false;
  std::optional<std::uint32_t> queryError;  // every query fails with this error

  std::string agent, url;
  int queries = 0;
  std::vector<std::string> events;  // "open session", "open request", "close session", ...

  InternetHandle OpenSession(const char* agentName) override {
    agent = agentName;
    if (sessionFails) return nullptr;
    events.push_back("open session");
    return &session_;
  }
  InternetHandle OpenUrl(InternetHandle session, const char* address) override {
    url = address;
    if (session != &session_ || requestFails) return nullptr;
    events.push_back("open request");
    return &request_;
  }
  bool QueryLastModified(InternetHandle request, char* buffer, std::uint32_t& length,
                         std::uint32_t& error) override {
    ++queries;
    if (request != &request_)
      error = 6;  // ERROR_INVALID_HANDLE
    else if (queryError)
      error = *queryError;
    else if (!lastModified)
      error = kErrorHeaderNotFound;
    else if (!buffer || length < lastModified->size() + 1) {
      length = static_cast<std::uint32_t>(lastModified->size() + 1);
      error = kErrorInsufficientBuffer;
    } else {
      std::memcpy(buffer, lastModified->c_str(), lastModified->size() + 1);
      length = static_cast<std::uint32_t>(lastModified->size());
      return true;
    }
    return false;
  }
  void CloseHandle(InternetHandle handle) noexcept override {
    events.push_back(handle == &session_ ? "close session" : "close request");
  }

 private:
  int session_ = 0;
  int request_ = 0;
};

class FakeMemory final : public MovableMemory {
 public:
  bool allocationFails = false;
  bool lockFails = false;
  std::vector<std::size_t> allocated;  // sizes, in order
  int locked = 0, unlocked = 0, freed = 0;

  MemoryBlock Allocate(std::size_t bytes) override {
    if (allocationFails) return nullptr;
    allocated.push_back(bytes);
    blocks_.emplace_back(bytes, '\0');
    return &blocks_.back();
  }
  char* Lock(MemoryBlock block) override {
    if (lockFails) return nullptr;
    ++locked;
    return static_cast<std::string*>(block)->data();
  }
  void Unlock(MemoryBlock) noexcept override { ++unlocked; }
  void Free(MemoryBlock) noexcept override { ++freed; }

  bool AllGivenBack() const {
    return locked == unlocked && freed == static_cast<int>(allocated.size());
  }

 private:
  std::deque<std::string> blocks_;  // blocks stay where they are as more are added
};

}  // namespace tarumo::testing
