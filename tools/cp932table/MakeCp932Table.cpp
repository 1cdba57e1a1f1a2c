// make-cp932table OUTPUT: writes a C++ source with code page 932 as the machine's iconv
// converts it, for a program that has no iconv of its own (the web page's module): the code
// point of every one- and two-byte character, and the bytes of every code point that iconv
// writes in code page 932, which are not always the first bytes that decode to it (the NEC and
// IBM rows repeat characters).
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr unsigned kNone = 0xFFFF;
// Must match platform/web/Cp932Tables.h.
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kTrailBytes = 0xFD - kFirstTrail;

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // The whole of `input` converted, or nothing when iconv takes it not all.
  std::optional<std::string> Convert(const std::string& input) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char out[16];
    char* outPtr = out;
    std::size_t outLeft = sizeof out;
    if (iconv(cd_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0) {
      return std::nullopt;
    }
    return std::string(out, sizeof out - outLeft);
  }

 private:
  iconv_t cd_;
};

// The one BMP code point of a decoded character, or kNone.
unsigned CodePoint(const std::optional<std::string>& utf32) {
  if (!utf32 || utf32->size() != 4) return kNone;
  const auto* b = reinterpret_cast<const unsigned char*>(utf32->data());
  const unsigned value = b[0] | b[1] << 8 | b[2] << 16 | static_cast<unsigned>(b[3]) << 24;
  return value < kNone ? value : kNone;
}

bool IsLeadByte(unsigned byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-cp932table OUTPUT\n";
    return 2;
  }
  Iconv decode("UTF-32LE", "CP932"), encode("CP932", "UTF-32LE");
  if (!decode.ok() || !encode.ok()) {
    std::cerr << "make-cp932table: iconv cannot convert between CP932 and UTF-32LE\n";
    return 1;
  }
  std::ofstream out(argv[1]);
  out << "// Made by tools/cp932table/make-cp932table from the build machine's iconv.\n"
         "#include \"platform/web/Cp932Tables.h\"\n\nnamespace tarumo::cp932 {\n\n";
  out << "const std::uint16_t kSingleByte[256] = {";
  for (unsigned byte = 0; byte < 256; ++byte) {
    const unsigned code = IsLeadByte(byte)
                              ? kNone
                              : CodePoint(decode.Convert(std::string(1, static_cast<char>(byte))));
    out << (byte % 16 ? " " : "\n    ") << code << ",";
  }
  out << "\n};\n\nconst std::uint16_t kDoubleByte[kLeadBytes][kTrailBytes] = {\n";
  for (unsigned lead = 0; lead < 256; ++lead) {
    if (!IsLeadByte(lead)) continue;
    out << "    {";
    for (unsigned trail = kFirstTrail; trail < kFirstTrail + kTrailBytes; ++trail) {
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      out << ((trail - kFirstTrail) % 16 ? " " : "\n        ") << CodePoint(decode.Convert(bytes))
          << ",";
    }
    out << "},\n";
  }
  out << "};\n\n";
  std::vector<std::pair<unsigned, unsigned>> encoded;
  for (unsigned code = 0; code < kNone; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    const char utf32[4] = {static_cast<char>(code & 0xFF), static_cast<char>(code >> 8 & 0xFF), 0,
                           0};
    const auto bytes = encode.Convert(std::string(utf32, 4));
    if (!bytes || bytes->empty() || bytes->size() > 2) continue;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes->data());
    if (code < 0x80 && (bytes->size() != 1 || b[0] != code)) {
      // The module's converter keeps ASCII as it is, without the table.
      std::cerr << "make-cp932table: iconv does not keep ASCII as it is in CP932\n";
      return 1;
    }
    encoded.emplace_back(code, bytes->size() == 1 ? b[0] : (b[0] << 8 | b[1]));
  }
  out << "const EncodedCharacter kEncoded[" << encoded.size() << "] = {";
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    out << (i % 6 ? " " : "\n    ") << "{" << encoded[i].first << ", " << encoded[i].second << "},";
  }
  out << "\n};\n\nconst std::size_t kEncodedCount = " << encoded.size() << ";\n\n"
      << "}  // namespace tarumo::cp932\n";
  if (!out) {
    std::cerr << "make-cp932table: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
