// Initialisation files: "[section]" lines with "key=value" lines below them.
//
// Sections and keys match without regard to ASCII case; blanks around a value and one pair
// of quotes enclosing it are not part of it. Each call opens the file and lets go of it.
#pragma once

#include <string>

namespace tarumo {

class IniFiles {
 public:
  virtual ~IniFiles() = default;

  // The value of `key`, or `fallback` when the file, the section or the key is missing.
  virtual std::string ReadString(const std::string& path, const std::string& section,
                                 const std::string& key, const std::string& fallback) = 0;

  // Sets `key` to `value`, creating the file and the section when needed and leaving every
  // other section and key as it was. Raises Error("<path> に書き込めません") when refused.
  virtual void WriteString(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

}  // namespace tarumo
