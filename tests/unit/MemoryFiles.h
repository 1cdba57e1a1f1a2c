// Files kept in memory, for reading and writing, with failures on request.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/Error.h"
#include "platform/FileSystem.h"
#include "platform/FileWriter.h"

namespace tarumo::testing {

class MemoryFiles final : public FileSystem, public FileWriter {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> readOnly;  // writing these fails as the system refuses them
  bool diskFull = false;           // every write fails part-way
  std::vector<std::string> removed;

  bool IsFile(const std::string& path) const override { return files.count(path) != 0; }

  std::string ReadAll(const std::string& path) const override {
    const auto found = files.find(path);
    if (found == files.end()) throw Error(FormatText(messages::kCannotOpenFile, path));
    return found->second;
  }

  void WriteAll(const std::string& path, std::string_view bytes) override {
    if (readOnly.count(path)) throw Error(FormatText(messages::kCannotCreateFile, path));
    if (diskFull) throw Error(messages::kStreamWriteError);
    files[path] = std::string(bytes);
  }

  void Remove(const std::string& path) noexcept override {
    removed.push_back(path);
    files.erase(path);
  }
};

}  // namespace tarumo::testing
