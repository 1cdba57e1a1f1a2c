// A shell that records what it was asked to open.
#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace tarumo::testing {

class FakeShell final : public Shell {
 public:
  std::vector<std::string> opened;

  void Open(const std::string& file) override { opened.push_back(file); }
};

}  // namespace tarumo::testing
