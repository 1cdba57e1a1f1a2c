// Code page 932 as the build machine's iconv converts it, made into tables when the web module
// is built (tools/cp932table). 0xFFFF stands for no character.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarumo::cp932 {

inline constexpr std::uint16_t kNoCharacter = 0xFFFF;
inline constexpr unsigned kLeadBytes = 60;  // 0x81 to 0x9F and 0xE0 to 0xFC
inline constexpr unsigned kFirstTrail = 0x40;
inline constexpr unsigned kTrailBytes = 0xFD - kFirstTrail;

// The code point of every single byte; kNoCharacter for a lead byte or no character.
extern const std::uint16_t kSingleByte[256];
// The code point of every lead byte (by its index) and trail byte (from kFirstTrail).
extern const std::uint16_t kDoubleByte[kLeadBytes][kTrailBytes];

// A code point and the one or two bytes that iconv writes for it, high byte first.
struct EncodedCharacter {
  std::uint16_t codePoint;
  std::uint16_t bytes;
};
// By code point, ascending.
extern const EncodedCharacter kEncoded[];
extern const std::size_t kEncodedCount;

}  // namespace tarumo::cp932
