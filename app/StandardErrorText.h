// What the standard error box shows for a failure.
#pragma once

#include <string>
#include <string_view>

namespace tarumo {

// `message` with "." appended when it is not empty and its last byte sorts after "."; a
// message that ends in "." or in a byte that sorts before it is shown unchanged.
std::string StandardErrorText(std::string_view message);

}  // namespace tarumo
