#include "app/StandardErrorText.h"

namespace tarumo {

std::string StandardErrorText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text.push_back('.');
  return text;
}

}  // namespace tarumo
