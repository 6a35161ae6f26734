// The advertisement's network side: the HTTP download of the picture and opening the
// publisher's site in the browser.
#pragma once

#include <string>

namespace memo {

// GETs the address over HTTP/1.0 with WinINet and gives the body whatever the status, or what
// was read before something failed (possibly nothing). Stops after kMaxDownloadBytes and
// gives up about kDownloadDeadlineMs after it started. Blocks: for a background thread.
std::string HttpDownload(const std::string& address);

// The advertisement picture's bytes from the publisher's site: nothing when unreachable or
// when the answer is no GIF, PNG or JPEG.
std::string FetchPublisherPicture();

// Asks the shell to open the publisher's site in the default browser.
void OpenPublisherSite();

}  // namespace memo
