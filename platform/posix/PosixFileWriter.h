// Writing files on a POSIX machine, with the program's code page 932 paths.
#pragma once

#include "platform/FileWriter.h"
#include "platform/posix/PosixFileCalls.h"

namespace tarumo {

class PosixFileWriter final : public FileWriter {
 public:
  explicit PosixFileWriter(const PosixFileCalls& calls = SystemFileCalls()) : calls_(calls) {}

  void WriteAll(const std::string& path, std::string_view bytes) override;
  void Remove(const std::string& path) noexcept override;

 private:
  const PosixFileCalls& calls_;
};

}  // namespace tarumo
