// Initialisation files in memory that log their writes and refuse them on request.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/Error.h"
#include "platform/IniFiles.h"

namespace tarumo::testing {

class FakeIniFiles final : public IniFiles {
 public:
  // path -> "SECTION/key" -> value
  std::map<std::string, std::map<std::string, std::string>> files;
  bool refuseWrites = false;
  std::vector<std::string>* log = nullptr;  // "write <path> <SECTION>/<key>=<value>" when set

  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) override {
    const auto file = files.find(path);
    if (file == files.end()) return fallback;
    const auto value = file->second.find(section + "/" + key);
    return value == file->second.end() ? fallback : value->second;
  }

  void WriteString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) override {
    if (refuseWrites) throw Error(FormatText(messages::kCannotWriteIni, path));
    files[path][section + "/" + key] = value;
    if (log) log->push_back("write " + path + " " + section + "/" + key + "=" + value);
  }
};

}  // namespace tarumo::testing
