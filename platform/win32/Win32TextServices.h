// Code page 932 character services of Windows: LCMapStringA and the lead-byte table.
#pragma once

#include "platform/TextServices.h"

namespace tarumo {

class Win32TextServices final : public TextServices {
 public:
  std::string FoldFullWidth(std::string_view line) const override;
  bool IsLeadByte(unsigned char byte) const override;
};

}  // namespace tarumo
