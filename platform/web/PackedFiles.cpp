#include "platform/web/PackedFiles.h"

#include <cstdint>
#include <vector>

#include "common/Error.h"
#include "platform/web/Cp932.h"

namespace tarumo::web {
namespace {

constexpr std::string_view kPackHeader = "TARUMO-GLYPHS 1\n";

bool ReadLength(std::string_view pack, std::size_t& at, std::size_t& length) {
  if (pack.size() - at < 4) return false;
  std::uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = value << 8 | static_cast<unsigned char>(pack[at + k]);
  at += 4;
  length = value;
  return true;
}

}  // namespace

std::string PackedName(const std::string& path) {
  // Converted first: a trail byte may be 0x5C, which is part of its character.
  std::string name = Cp932ToUtf8(path).value_or(path);
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

bool PackedFiles::IsFile(const std::string& path) const {
  return files_.count(PackedName(path)) != 0;
}

std::string PackedFiles::ReadAll(const std::string& path) const {
  const auto found = files_.find(PackedName(path));
  if (found == files_.end()) throw Error(FormatText(messages::kCannotOpenFile, path));
  return found->second;
}

std::size_t PackedFiles::AddPack(std::string_view pack) {
  if (pack.substr(0, kPackHeader.size()) != kPackHeader) return 0;
  std::vector<std::pair<std::string_view, std::string_view>> files;
  for (std::size_t at = kPackHeader.size(); at < pack.size();) {
    std::size_t nameLength = 0, length = 0;
    if (!ReadLength(pack, at, nameLength) || !ReadLength(pack, at, length) ||
        pack.size() - at < nameLength || pack.size() - at - nameLength < length) {
      return 0;
    }
    files.emplace_back(pack.substr(at, nameLength), pack.substr(at + nameLength, length));
    at += nameLength + length;
  }
  for (const auto& [name, bytes] : files) Add(std::string(name), std::string(bytes));
  return files.size();
}

}  // namespace tarumo::web
