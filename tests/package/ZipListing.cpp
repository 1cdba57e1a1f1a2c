#include "tests/package/ZipListing.h"

#include "tests/win32/TestFiles.h"

namespace tarumo::package {
namespace {

constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::uint32_t kDirectoryEntry = 0x02014b50;
constexpr std::size_t kEndOfDirectorySize = 22;
constexpr std::size_t kDirectoryEntrySize = 46;

std::uint32_t Little(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

}  // namespace

std::optional<std::vector<ZipEntry>> ReadZipListing(const std::string& path) {
  const std::optional<std::string> read = testing::FileBytes(path);
  if (!read) return std::nullopt;
  const std::string& bytes = *read;
  if (bytes.size() < kEndOfDirectorySize) return std::nullopt;

  // The end record stands last, before an archive comment of at most 65535 bytes.
  std::size_t end = bytes.size() - kEndOfDirectorySize;
  while (Little(bytes, end, 4) != kEndOfDirectory) {
    if (end == 0 || bytes.size() - end > kEndOfDirectorySize + 0xFFFF) return std::nullopt;
    --end;
  }
  const std::uint32_t count = Little(bytes, end + 10, 2);
  std::size_t at = Little(bytes, end + 16, 4);

  std::vector<ZipEntry> entries;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (at + kDirectoryEntrySize > end || Little(bytes, at, 4) != kDirectoryEntry) {
      return std::nullopt;
    }
    const std::size_t nameLength = Little(bytes, at + 28, 2);
    const std::size_t extraLength = Little(bytes, at + 30, 2);
    const std::size_t commentLength = Little(bytes, at + 32, 2);
    if (at + kDirectoryEntrySize + nameLength > end) return std::nullopt;
    entries.push_back({bytes.substr(at + kDirectoryEntrySize, nameLength),
                       static_cast<std::uint16_t>(Little(bytes, at + 8, 2))});
    at += kDirectoryEntrySize + nameLength + extraLength + commentLength;
  }
  return entries;
}

}  // namespace tarumo::package
