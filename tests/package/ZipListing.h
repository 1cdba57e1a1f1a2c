// The names in a zip archive as its central directory lists them, with their flags.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarumo::package {

struct ZipEntry {
  std::string name;  // as stored: folders end in '/'
  std::uint16_t flags = 0;

  // Bit 11 of the flags: the name is UTF-8, and unzipping tools read it as such rather than
  // in the system's code page.
  bool nameIsUtf8() const { return (flags & 0x0800) != 0; }
};

// The entries of the archive at `path`, in their order; nothing when the file cannot be read or
// is no zip archive.
std::optional<std::vector<ZipEntry>> ReadZipListing(const std::string& path);

}  // namespace tarumo::package
