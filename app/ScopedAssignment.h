// A variable that holds a value for the length of a scope and gets its old value back on every
// way out.
#pragma once

#include <utility>

namespace tarumo {

template <typename T>
class ScopedAssignment {
 public:
  template <typename U>
  ScopedAssignment(T& variable, U&& value) : variable_(variable), saved_(std::move(variable)) {
    variable_ = std::forward<U>(value);
  }
  ~ScopedAssignment() { variable_ = std::move(saved_); }
  ScopedAssignment(const ScopedAssignment&) = delete;
  ScopedAssignment& operator=(const ScopedAssignment&) = delete;

 private:
  T& variable_;
  T saved_;
};

template <typename T, typename U>
ScopedAssignment(T&, U&&) -> ScopedAssignment<T>;

}  // namespace tarumo
