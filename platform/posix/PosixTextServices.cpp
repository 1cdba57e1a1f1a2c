// The full-width folding table of code page 932.
//
// Printable ASCII and the space become their full-width forms; half-width katakana become
// full-width katakana; everything else, double-byte characters whole, stays as it is.
// Decisions where the full-width form is ambiguous in Shift-JIS:
//  - the backslash 0x5C is the backslash here (not the yen sign) and becomes "＼" (0x81 0x5F);
//  - the tilde 0x7E becomes the full-width tilde "～" (0x81 0x60);
//  - the double quote and the apostrophe become "＂" and "＇" in the IBM extension rows
//    (0xFA 0x57, 0xFA 0x56), the bytes the system's own conversion gives them;
//  - a half-width katakana followed by the half-width voiced mark "ﾞ" or semi-voiced mark "ﾟ"
//    becomes the one voiced or semi-voiced full-width katakana when code page 932 has it
//    ("ｶﾞ" is "ガ", "ﾊﾟ" is "パ", "ｳﾞ" is "ヴ"); elsewhere the mark folds on its own to
//    "゛" or "゜". A reader sees one character, and the glyph library draws it as one.
#include "platform/posix/PosixTextServices.h"

#include <array>
#include <cstdint>

namespace tarumo {
namespace {

// Full-width forms of 0x20 to 0x7E, as two bytes packed high to low.
constexpr std::array<std::uint16_t, 0x7F - 0x20> kAsciiFullWidth = {
    0x8140, 0x8149, 0xFA57, 0x8194, 0x8190, 0x8193, 0x8195, 0xFA56,  // space ! " # $ % & '
    0x8169, 0x816A, 0x8196, 0x817B, 0x8143, 0x817C, 0x8144, 0x815E,  // ( ) * + , - . /
    0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256,  // 0 - 7
    0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148,  // 8 9 : ; < = > ?
    0x8197, 0x8260, 0x8261, 0x8262, 0x8263, 0x8264, 0x8265, 0x8266,  // @ A - G
    0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E,  // H - O
    0x826F, 0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276,  // P - W
    0x8277, 0x8278, 0x8279, 0x816D, 0x815F, 0x816E, 0x814F, 0x8151,  // X Y Z [ \ ] ^ _
    0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287,  // ` a - g
    0x8288, 0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F,  // h - o
    0x8290, 0x8291, 0x8292, 0x8293, 0x8294, 0x8295, 0x8296, 0x8297,  // p - w
    0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8160,          // x y z { | } ~
};

// Full-width forms of the half-width katakana 0xA1 to 0xDF.
constexpr std::array<std::uint16_t, 0xE0 - 0xA1> kKatakanaFullWidth = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342,  // ｡ ｢ ｣ ､ ･ ｦ ｧ ｨ
    0x8344, 0x8346, 0x8348, 0x8383, 0x8385, 0x8387, 0x8362, 0x815B,  // ｩ ｪ ｫ ｬ ｭ ｮ ｯ ｰ
    0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E,  // ｱ ｲ ｳ ｴ ｵ ｶ ｷ ｸ
    0x8350, 0x8352, 0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E,  // ｹ ｺ ｻ ｼ ｽ ｾ ｿ ﾀ
    0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B, 0x836C,  // ﾁ ﾂ ﾃ ﾄ ﾅ ﾆ ﾇ ﾈ
    0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E,  // ﾉ ﾊ ﾋ ﾌ ﾍ ﾎ ﾏ ﾐ
    0x8380, 0x8381, 0x8382, 0x8384, 0x8386, 0x8388, 0x8389, 0x838A,  // ﾑ ﾒ ﾓ ﾔ ﾕ ﾖ ﾗ ﾘ
    0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B,          // ﾙ ﾚ ﾛ ﾜ ﾝ ﾞ ﾟ
};

constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

bool IsHalfWidthKatakana(unsigned char byte) { return byte >= 0xA1 && byte <= 0xDF; }

// Voiced forms sit one code after their base in code page 932 (カ 0x834A, ガ 0x834B), the
// semi-voiced forms of the ハ row two after it (ハ 0x836E, パ 0x8370). ウ voices to ヴ 0x8394.
std::uint16_t Voiced(unsigned char base) {
  if ((base >= 0xB6 && base <= 0xC4) || (base >= 0xCA && base <= 0xCE)) {
    return kKatakanaFullWidth[base - 0xA1] + 1;
  }
  if (base == 0xB3) return 0x8394;
  return 0;
}

std::uint16_t SemiVoiced(unsigned char base) {
  return (base >= 0xCA && base <= 0xCE) ? kKatakanaFullWidth[base - 0xA1] + 2 : 0;
}

void AppendDoubleByte(std::string& out, std::uint16_t code) {
  out.push_back(static_cast<char>(code >> 8));
  out.push_back(static_cast<char>(code & 0xFF));
}

}  // namespace

bool PosixTextServices::IsLeadByte(unsigned char byte) const {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string PosixTextServices::FoldFullWidth(std::string_view line) const {
  std::string out;
  out.reserve(line.size() * 2);
  for (std::size_t at = 0; at < line.size(); ++at) {
    const auto byte = static_cast<unsigned char>(line[at]);
    if (IsLeadByte(byte)) {
      // A double-byte character stays whole; its trail byte is never folded on its own.
      out.push_back(line[at]);
      if (at + 1 < line.size()) out.push_back(line[++at]);
    } else if (byte >= 0x20 && byte <= 0x7E) {
      AppendDoubleByte(out, kAsciiFullWidth[byte - 0x20]);
    } else if (IsHalfWidthKatakana(byte)) {
      const auto next = at + 1 < line.size() ? static_cast<unsigned char>(line[at + 1]) : 0;
      std::uint16_t combined = 0;
      if (next == kVoicedMark) combined = Voiced(byte);
      if (next == kSemiVoicedMark) combined = SemiVoiced(byte);
      if (combined != 0) {
        AppendDoubleByte(out, combined);
        ++at;
      } else {
        AppendDoubleByte(out, kKatakanaFullWidth[byte - 0xA1]);
      }
    } else {
      out.push_back(line[at]);
    }
  }
  return out;
}

}  // namespace tarumo
