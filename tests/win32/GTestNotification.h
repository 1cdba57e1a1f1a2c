// GoogleTest's Notification for mingw-w64's win32 thread model, which has no std::mutex or
// std::condition_variable for GoogleTest's own one. Only GoogleTest's tests of itself wait
// on it; these test programs never do.
#pragma once

#include <atomic>

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
