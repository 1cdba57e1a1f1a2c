#include "platform/posix/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tarumo {
namespace {

// A conversion descriptor kept for the life of the thread: opening one costs more than most
// conversions of a line.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::optional<std::string> Convert(std::string_view input) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string output(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    char* out = output.data();
    std::size_t out_left = output.size();
    while (in_left > 0) {
      if (iconv(cd_, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1)) continue;
      if (errno != E2BIG) return std::nullopt;
      const std::size_t used = output.size() - out_left;
      output.resize(output.size() * 2);
      out = output.data() + used;
      out_left = output.size() - used;
    }
    output.resize(output.size() - out_left);
    return output;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  thread_local Converter converter("UTF-8", "CP932");
  return converter.Convert(cp932);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  thread_local Converter converter("CP932", "UTF-8");
  return converter.Convert(utf8);
}

}  // namespace tarumo
