// Full-width folding and character keys on any bytes: every key is one character of the
// folded line, so the keys put back in place give the line again, and every key finds its
// glyph path in exactly one class folder.
#include <cstdint>
#include <string>

#include "conversion/CharacterKeys.h"
#include "conversion/GlyphFiles.h"
#include "platform/posix/PosixTextServices.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const tarumo::PosixTextServices text;
  const std::string folded = tarumo::ToFullWidth(line, text);
  FUZZ_CHECK(folded.size() <= 2 * line.size());
  // Folding twice changes nothing more: what is full-width stays.
  FUZZ_CHECK(tarumo::ToFullWidth(folded, text) == folded);

  // Joined, the keys give the folded line back, each single-byte character standing in for
  // its empty key.
  std::string joined;
  for (const std::string& key : tarumo::SplitCharacterKeys(folded, text)) {
    FUZZ_CHECK(key.size() <= 2);
    if (key.empty()) {
      const auto byte = static_cast<unsigned char>(folded[joined.size()]);
      FUZZ_CHECK(!text.IsLeadByte(byte));
      joined += folded[joined.size()];
    } else {
      FUZZ_CHECK(text.IsLeadByte(static_cast<unsigned char>(key[0])));
      joined += key;
    }
    const std::string folder = tarumo::ClassFolderOf(key);
    FUZZ_CHECK(folder == "low\\" || folder == "up\\" || folder == "data\\");
  }
  FUZZ_CHECK(joined == folded);
  return 0;
}
