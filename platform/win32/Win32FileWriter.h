// Writing files on Windows with the ANSI functions in code page 932.
#pragma once

#include "platform/FileWriter.h"

namespace tarumo {

class Win32FileWriter final : public FileWriter {
 public:
  void WriteAll(const std::string& path, std::string_view bytes) override;
  void Remove(const std::string& path) noexcept override;
};

}  // namespace tarumo
