// The internet calls of the release check through WinINet.
#pragma once

#include "platform/Internet.h"

namespace tarumo {

class Win32Internet final : public Internet {
 public:
  InternetHandle OpenSession(const char* agent) override;
  InternetHandle OpenUrl(InternetHandle session, const char* url) override;
  bool QueryLastModified(InternetHandle request, char* buffer, std::uint32_t& length,
                         std::uint32_t& error) override;
  void CloseHandle(InternetHandle handle) noexcept override;
};

}  // namespace tarumo
