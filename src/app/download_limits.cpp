#include "app/download_limits.h"

namespace memo {

size_t DownloadChunkSize(long long contentLength) {
  if (contentLength <= 0) return 10240;
  if (contentLength >= 102400) return 102400;
  return static_cast<size_t>(contentLength) + 1;
}

}  // namespace memo
