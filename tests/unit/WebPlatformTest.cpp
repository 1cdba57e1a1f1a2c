#include <gtest/gtest.h>

#include <string>

#include "common/Error.h"
#include "platform/posix/Cp932.h"
#include "platform/web/Cp932.h"
#include "platform/web/PackedFiles.h"

namespace tarumo {
namespace {

std::string Bytes(unsigned lead, unsigned trail) {
  return {static_cast<char>(lead), static_cast<char>(trail)};
}

// Every one- and two-byte sequence decodes, or fails, as iconv decodes it, and the text it
// decodes to is encoded back as iconv encodes it.
TEST(WebCp932, ConvertsEveryCharacterAsIconvDoes) {
  int characters = 0;
  for (unsigned lead = 0; lead < 256; ++lead) {
    const std::string single(1, static_cast<char>(lead));
    ASSERT_EQ(web::Cp932ToUtf8(single), Cp932ToUtf8(single)) << lead;
    for (unsigned trail = 0; trail < 256; ++trail) {
      const std::string bytes = Bytes(lead, trail);
      const auto decoded = Cp932ToUtf8(bytes);
      ASSERT_EQ(web::Cp932ToUtf8(bytes), decoded) << lead << " " << trail;
      if (!decoded) continue;
      ASSERT_EQ(web::Utf8ToCp932(*decoded), Utf8ToCp932(*decoded)) << lead << " " << trail;
      ++characters;
    }
  }
  EXPECT_GT(characters, 7000);
}

TEST(WebCp932, RefusesWhatIconvRefuses) {
  for (const std::string text : {"\x82", "\x82\x20", "\xA0", "\xFF"}) {
    EXPECT_EQ(web::Cp932ToUtf8(text), std::nullopt);
  }
  // Not UTF-8: a lone continuation byte, an overlong form, a surrogate; no code page 932
  // character: an emoji and a Latin letter with a mark.
  for (const std::string text :
       {"\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF0\x9F\x98\x80", "\xC3\xA9"}) {
    EXPECT_EQ(web::Utf8ToCp932(text), std::nullopt) << text;
    EXPECT_EQ(Utf8ToCp932(text), std::nullopt) << text;
  }
}

TEST(PackedFiles, FindsFilesByTheProgramsPathsAndReadsAPackWhole) {
  web::PackedFiles files;
  // Its name in UTF-8, as the file system has it: "data/ソ.txt". In code page 932 "ソ" ends
  // in the byte of the backslash, which is no separator inside it.
  const std::string pack = std::string("TARUMO-GLYPHS 1\n") +
                           std::string("\x0C\0\0\0\x03\0\0\0", 8) + "data/\xE3\x82\xBD.txt" + "abc";
  ASSERT_EQ(files.AddPack(pack), 1u);
  EXPECT_TRUE(files.IsFile("data\\\x83\x5C.txt"));
  EXPECT_EQ(files.ReadAll("data\\\x83\x5C.txt"), "abc");
  EXPECT_FALSE(files.IsFile("ext\\\x83\x5C.txt"));
  EXPECT_THROW(files.ReadAll("ext\\\x83\x5C.txt"), Error);
  // A pack cut short adds nothing.
  web::PackedFiles cut;
  EXPECT_EQ(cut.AddPack(pack.substr(0, pack.size() - 1)), 0u);
  EXPECT_EQ(cut.size(), 0u);
}

}  // namespace
}  // namespace tarumo
