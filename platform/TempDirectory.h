// The system's folder for temporary files.
#pragma once

#include <optional>
#include <string>

namespace tarumo {

class TempDirectory {
 public:
  virtual ~TempDirectory() = default;

  // The folder, ending in its separator; nothing when the system gives none that fits.
  virtual std::optional<std::string> Path() const = 0;
};

}  // namespace tarumo
