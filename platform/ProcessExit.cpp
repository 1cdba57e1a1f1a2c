#include "platform/ProcessExit.h"

#include <cstdlib>

namespace tarumo {

void RuntimeExit::Exit(int code) {
  std::exit(code);
}

}  // namespace tarumo
