// Functions of system libraries that only some commands use (the release check's WinINet, the
// file dialogs' comdlg32). Such a library is loaded when one of its functions is first asked
// for, so that the program's start does not wait for it, and it stays loaded from then on.
#pragma once

#include <windows.h>

namespace tarumo {

// The address of `function` in `library`, which is loaded on first use; nullptr when either
// cannot be found (GetLastError then tells why).
FARPROC LazyProcedure(const char* library, const char* function);

// LazyProcedure as a pointer to a function of the type of `Function`, as declared by the
// library's header: LazyFunction<decltype(::InternetOpenA)>("wininet.dll", "InternetOpenA").
template <typename Function>
Function* LazyFunction(const char* library, const char* function) {
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(LazyProcedure(library, function)));
}

}  // namespace tarumo
