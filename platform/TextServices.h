// The code page's character services that the conversion relies on.
#pragma once

#include <string>
#include <string_view>

namespace tarumo {

class TextServices {
 public:
  virtual ~TextServices() = default;

  // Every half-width character that has a full-width form replaced by it; the empty text when
  // the line cannot be mapped.
  virtual std::string FoldFullWidth(std::string_view line) const = 0;

  // Whether `byte` starts a double-byte character in the active code page.
  virtual bool IsLeadByte(unsigned char byte) const = 0;
};

}  // namespace tarumo
