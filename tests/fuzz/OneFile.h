// A file system of one file, whatever its name: the fuzz input as the file a reader opens.
#pragma once

#include <string>
#include <utility>

#include "platform/FileSystem.h"

namespace tarumo::fuzz {

class OneFile final : public FileSystem {
 public:
  explicit OneFile(std::string bytes) : bytes_(std::move(bytes)) {}
  bool IsFile(const std::string&) const override { return true; }
  std::string ReadAll(const std::string&) const override { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace tarumo::fuzz
