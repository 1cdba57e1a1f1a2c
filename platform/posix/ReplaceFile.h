// Giving a file new content so that it never holds half of it.
#pragma once

#include <string>
#include <string_view>

#include "platform/posix/PosixFileCalls.h"

namespace tarumo {

enum class ReplaceOutcome { kReplaced, kCannotCreate, kWriteFailed };

// Writes `bytes` to a new file beside `nativePath` and renames it over the target once every
// byte is on disk. A target that is a folder, or that nobody may write (no write permission
// bit, even for a user who could ignore that), is not replaced. On failure the new file is
// removed and the target stays as it was.
ReplaceOutcome ReplaceFile(const std::string& nativePath, std::string_view bytes,
                           const PosixFileCalls& calls);

}  // namespace tarumo
