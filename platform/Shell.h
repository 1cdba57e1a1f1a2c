// Handing a document or page to the system's shell.
#pragma once

#include <string>

namespace tarumo {

class Shell {
 public:
  virtual ~Shell() = default;

  // Opens `file` (a path or a URL) with its type's default action, the window hidden. Whether
  // anything opens is not reported.
  virtual void Open(const std::string& file) = 0;
};

}  // namespace tarumo
