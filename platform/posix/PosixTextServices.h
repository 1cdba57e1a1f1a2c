// Code page 932 character services without the operating system: a fixed folding table.
#pragma once

#include "platform/TextServices.h"

namespace tarumo {

class PosixTextServices final : public TextServices {
 public:
  std::string FoldFullWidth(std::string_view line) const override;
  bool IsLeadByte(unsigned char byte) const override;
};

}  // namespace tarumo
