#include "settings/RenewCheck.h"

#include <cstring>
#include <optional>
#include <string_view>

#include "settings/ReleaseTime.h"

namespace tarumo {
namespace {

constexpr const char* kAgent = "tarumo2";
constexpr std::uint32_t kFirstStatedLength = 16;
constexpr int kHeaderPasses = 3;

// An internet handle, closed when this goes out of scope.
class InternetHandleOwner {
 public:
  InternetHandleOwner(Internet& internet, InternetHandle handle) noexcept
      : internet_(internet), handle_(handle) {}
  ~InternetHandleOwner() {
    if (handle_) internet_.CloseHandle(handle_);
  }
  InternetHandleOwner(const InternetHandleOwner&) = delete;
  InternetHandleOwner& operator=(const InternetHandleOwner&) = delete;

  explicit operator bool() const noexcept { return handle_ != nullptr; }
  InternetHandle get() const noexcept { return handle_; }

 private:
  Internet& internet_;
  InternetHandle handle_;
};

// The header buffer: none at first, then one locked block at a time. The block in hand is
// unlocked and freed when it is replaced and when this goes out of scope.
class HeaderBuffer {
 public:
  explicit HeaderBuffer(MovableMemory& memory) noexcept : memory_(memory) {}
  ~HeaderBuffer() { Release(); }
  HeaderBuffer(const HeaderBuffer&) = delete;
  HeaderBuffer& operator=(const HeaderBuffer&) = delete;

  // Replaces the block by a fresh zero-filled one of `bytes`. 0, or the result code of the
  // step that failed.
  int Replace(std::uint32_t bytes) {
    Release();
    block_ = memory_.Allocate(bytes);
    if (!block_) return renew::kNoMemory;
    data_ = memory_.Lock(block_);
    if (!data_) return renew::kNoLock;
    size_ = bytes;
    return 0;
  }

  char* data() const noexcept { return data_; }

  // The text up to the first NUL.
  std::string_view Text() const noexcept {
    return data_ ? std::string_view(data_, ::strnlen(data_, size_)) : std::string_view();
  }

 private:
  void Release() noexcept {
    if (data_) memory_.Unlock(block_);
    if (block_) memory_.Free(block_);
    block_ = nullptr;
    data_ = nullptr;
    size_ = 0;
  }

  MovableMemory& memory_;
  MemoryBlock block_ = nullptr;
  char* data_ = nullptr;
  std::size_t size_ = 0;
};

struct Stamps {
  std::int64_t installed;
  std::int64_t archive;
};

}  // namespace

int ReleaseCheck::RenewCheck(const std::string& programFolder) {
  InternetHandleOwner session(internet_, internet_.OpenSession(kAgent));
  if (!session) return renew::kNoSession;
  InternetHandleOwner request(internet_, internet_.OpenUrl(session.get(), archiveUrl_.c_str()));
  if (!request) return renew::kNoResponse;

  // The usual run: the first pass learns the size and allocates, the second reads the date,
  // the third finds the length it was left one short and only allocates again.
  HeaderBuffer buffer(memory_);
  std::uint32_t length = kFirstStatedLength;
  std::optional<Stamps> stamps;
  for (int pass = 0; pass < kHeaderPasses; ++pass) {
    std::uint32_t error = 0;
    if (!internet_.QueryLastModified(request.get(), buffer.data(), length, error)) {
      if (error == kErrorHeaderNotFound) return renew::kNoHeader;
      if (error != kErrorInsufficientBuffer) return renew::kQueryFailed;
      if (const int failed = buffer.Replace(length)) return failed;
    }
    if (const auto archive = ParseLastModified(buffer.Text())) {
      stamps = Stamps{Stamp(ReadInstalledRelease(ini_, programFolder)), Stamp(*archive)};
    }
  }

  // A header that never held a date is a failed query: no newer release can be claimed.
  if (!stamps) return renew::kQueryFailed;
  return stamps->installed < stamps->archive ? renew::kNewerRelease : renew::kUpToDate;
}

}  // namespace tarumo
