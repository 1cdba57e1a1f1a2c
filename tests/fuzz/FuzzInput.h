// Cutting one fuzz input into the several texts a target needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarumo::fuzz {

// The input as bytes, handed out piece by piece: each Take ends at the next 0xFF byte (which
// is dropped), the last one takes the rest.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::string_view Take() {
    const auto end = rest_.find('\xFF');
    const std::string_view piece = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return piece;
  }
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

}  // namespace tarumo::fuzz
