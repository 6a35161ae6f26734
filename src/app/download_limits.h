// How the advertisement download reads its answer, and where it stops. The limits keep a
// broken or hostile server from filling memory or holding the start-up worker.
#pragma once

#include <cstddef>

namespace memo {

// An advertisement picture is a few kilobytes; a megabyte is far more than any needs.
constexpr size_t kMaxDownloadBytes = 1024 * 1024;
// Long enough for a slow line, short enough that a server that never answers is left soon.
constexpr unsigned kDownloadDeadlineMs = 10000;

// Bytes asked for by each read: the announced length plus one, at most 102400, or 10240
// when the answer announces no length or one that is not positive.
size_t DownloadChunkSize(long long contentLength);

}  // namespace memo
