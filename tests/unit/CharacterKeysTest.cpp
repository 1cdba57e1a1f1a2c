#include "conversion/CharacterKeys.h"

#include <gtest/gtest.h>

#include "platform/posix/PosixTextServices.h"

namespace tarumo {
namespace {

using Keys = std::vector<std::string>;

// A system without a double-byte code page: no byte is a lead byte.
class SingleByteText final : public TextServices {
 public:
  std::string FoldFullWidth(std::string_view line) const override { return std::string(line); }
  bool IsLeadByte(unsigned char) const override { return false; }
};

TEST(ToFullWidth, FoldsAsciiAndLeavesFullWidthAlone) {
  const PosixTextServices text;
  EXPECT_EQ(ToFullWidth("aい", text), "ａい");
  EXPECT_EQ(ToFullWidth("A1 ", text), "Ａ１　");
  EXPECT_EQ(ToFullWidth("", text), "");
}

TEST(SplitCharacterKeys, OneKeyPerCharacterInOrder) {
  const PosixTextServices text;
  EXPECT_EQ(SplitCharacterKeys("ａい漢", text), (Keys{"ａ", "い", "漢"}));
  EXPECT_EQ(SplitCharacterKeys("", text), Keys{});
}

TEST(SplitCharacterKeys, SingleByteCharactersGetTheEmptyKey) {
  const PosixTextServices text;
  EXPECT_EQ(SplitCharacterKeys(ToFullWidth("a\tb", text), text), (Keys{"ａ", "", "ｂ"}));
  EXPECT_EQ(SplitCharacterKeys("ab", SingleByteText()), (Keys{"", ""}));
}

TEST(SplitCharacterKeys, ALeadByteAtTheEndIsAKeyOfItsOwn) {
  const PosixTextServices text;
  EXPECT_EQ(SplitCharacterKeys("ａ\x82", text), (Keys{"ａ", "\x82"}));
}

}  // namespace
}  // namespace tarumo
