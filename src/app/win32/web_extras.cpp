#include "app/win32/web_extras.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <wininet.h>

#include <algorithm>
#include <vector>

#include "app/download_limits.h"
#include "app/picture_format.h"
#include "app/publisher_site.h"
#include "text/win32/wide_text.h"

namespace memo {

namespace {

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  operator HINTERNET() const { return handle_; }

 private:
  HINTERNET handle_;
};

// Time left of the whole download, never more than the deadline.
class Deadline {
 public:
  Deadline() : start_(GetTickCount64()) {}
  DWORD RemainingMs() const {
    ULONGLONG elapsed = GetTickCount64() - start_;
    return elapsed >= kDownloadDeadlineMs ? 0 : static_cast<DWORD>(kDownloadDeadlineMs - elapsed);
  }

 private:
  ULONGLONG start_;
};

// Every blocking step of WinINet waits at most this long.
void LimitWaits(HINTERNET handle, DWORD ms) {
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    InternetSetOptionW(handle, option, &ms, sizeof(ms));
  }
}

// The announced body length, or -1 when the answer has none that reads as a number.
long long ContentLength(HINTERNET request) {
  wchar_t text[32];
  DWORD size = sizeof(text);
  if (!HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return -1;
  long long length = 0;
  const wchar_t* c = text;
  if (*c < L'0' || *c > L'9') return -1;
  for (; *c >= L'0' && *c <= L'9'; ++c) {
    length = std::min<long long>(length * 10 + (*c - L'0'), 1LL << 40);
  }
  return length;
}

}  // namespace

std::string HttpDownload(const std::string& address) {
  Deadline deadline;
  std::wstring url = Wide(address);
  wchar_t host[INTERNET_MAX_HOST_NAME_LENGTH] = {}, user[256] = {}, password[256] = {},
          path[INTERNET_MAX_URL_LENGTH] = {};
  URL_COMPONENTSW parts = {};
  parts.dwStructSize = sizeof(parts);
  parts.lpszHostName = host;
  parts.dwHostNameLength = ARRAYSIZE(host);
  parts.lpszUserName = user;
  parts.dwUserNameLength = ARRAYSIZE(user);
  parts.lpszPassword = password;
  parts.dwPasswordLength = ARRAYSIZE(password);
  parts.lpszUrlPath = path;
  parts.dwUrlPathLength = ARRAYSIZE(path);
  if (url.empty() || !InternetCrackUrlW(url.c_str(), 0, 0, &parts) || !*host) return {};

  // The user agent the publisher's site has always seen from this program.
  InternetHandle session(InternetOpenW(L"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)",
                                       INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return {};
  LimitWaits(session, kDownloadDeadlineMs);
  InternetHandle connection(InternetConnectW(session, host, parts.nPort, *user ? user : nullptr,
                                             *password ? password : nullptr, INTERNET_SERVICE_HTTP,
                                             0, 0));
  if (!connection) return {};
  const wchar_t* acceptTypes[] = {L"Accept: */* \r\n", nullptr};
  InternetHandle request(HttpOpenRequestW(connection, L"GET", path, L"HTTP/1.0", nullptr,
                                          acceptTypes,
                                          INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
  if (!request) return {};
  LimitWaits(request, std::max<DWORD>(deadline.RemainingMs(), 1));
  if (!HttpSendRequestW(request, L"Accept: */*\r\n\r\n", static_cast<DWORD>(-1), nullptr, 0)) {
    return {};
  }

  std::string body;
  std::vector<char> chunk(DownloadChunkSize(ContentLength(request)));
  while (body.size() < kMaxDownloadBytes) {
    DWORD remaining = deadline.RemainingMs();
    if (remaining == 0) break;
    LimitWaits(request, remaining);
    // A read asks only for what has arrived, so a server that sends a byte now and then
    // cannot keep one read waiting to fill its whole chunk.
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request, &available, 0, 0) || available == 0) break;
    DWORD wanted = static_cast<DWORD>(
        std::min<size_t>({chunk.size(), available, kMaxDownloadBytes - body.size()}));
    DWORD read = 0;
    if (!InternetReadFile(request, chunk.data(), wanted, &read) || read == 0) break;
    body.append(chunk.data(), read);
  }
  return body;
}

std::string FetchPublisherPicture() {
  // A program built without a publisher asks nobody for anything.
  if (PublisherHost().empty()) return std::string();
  std::string bytes = HttpDownload(PublisherPictureAddress());
  // An error page or any other kind of file is no advertisement: the built-in picture stays.
  if (SniffPicture(bytes) == PictureFormat::kNone) bytes.clear();
  return bytes;
}

void OpenPublisherSite() {
  if (PublisherHost().empty()) return;
  // The shell may hand the address to a COM server; it wants COM on the calling thread.
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  ShellExecuteW(nullptr, L"open", Wide(PublisherSiteAddress()).c_str(), nullptr, nullptr,
                SW_SHOWNORMAL);
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace memo
