// Ending the process at once.
#pragma once

namespace tarumo {

class ProcessExit {
 public:
  virtual ~ProcessExit() = default;

  // Ends the process through the runtime's normal exit with `code`.
  [[noreturn]] virtual void Exit(int code) = 0;
};

// The runtime's own exit, the same on every system.
class RuntimeExit final : public ProcessExit {
 public:
  [[noreturn]] void Exit(int code) override;
};

}  // namespace tarumo
