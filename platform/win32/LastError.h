// The system's own description of the last failed call, as an Error.
#pragma once

#include "common/Error.h"

namespace tarumo {

// An Error whose message is the system's text for GetLastError(), in the ANSI code page.
Error LastError();

}  // namespace tarumo
