#include "platform/win32/LazyLibrary.h"

namespace tarumo {

FARPROC LazyProcedure(const char* library, const char* function) {
  // Loading a library that is loaded already only counts it once more: the count is never
  // given back, as the library is wanted for the rest of the process.
  HMODULE module = ::LoadLibraryA(library);
  return module ? ::GetProcAddress(module, function) : nullptr;
}

}  // namespace tarumo
