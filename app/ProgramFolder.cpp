#include "app/ProgramFolder.h"

namespace tarumo {

std::string ProgramFolderOf(std::string_view executablePath, const TextServices& text) {
  std::size_t end = 0;  // one past the last backslash seen
  for (std::size_t at = 0; at < executablePath.size(); ++at) {
    const auto byte = static_cast<unsigned char>(executablePath[at]);
    if (text.IsLeadByte(byte)) {
      ++at;
    } else if (byte == '\\') {
      end = at + 1;
    }
  }
  return std::string(executablePath.substr(0, end));
}

}  // namespace tarumo
