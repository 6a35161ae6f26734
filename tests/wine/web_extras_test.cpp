// The advertisement download against a small HTTP server on 127.0.0.1 that the test runs
// (the exact request, the body whatever the status, the 1 MiB cut, the 10 s deadline), and
// opening the site in the browser.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "app/win32/web_extras.h"
#include "local_http_server.h"
#include "test_pictures.h"

using namespace wine_test;

namespace {

std::string Pattern(size_t size) {
  std::string body(size, '\0');
  for (size_t i = 0; i < size; ++i) body[i] = static_cast<char>('a' + (i * 7 + i / 1000) % 26);
  return body;
}

// Runs the download and gives the seconds it took.
double TimedDownload(const std::string& address, std::string& body) {
  DWORD start = GetTickCount();
  body = memo::HttpDownload(address);
  return (GetTickCount() - start) / 1000.0;
}

// What the shell runs for an http address; the test puts its own handler there and restores
// the old one afterwards.
class HttpHandlerOverride {
 public:
  explicit HttpHandlerOverride(const std::string& commandLine) {
    RegCreateKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key_, nullptr);
    char old[1024];
    DWORD size = sizeof(old);
    if (RegQueryValueExA(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
        ERROR_SUCCESS) {
      old_.assign(old, size);
    }
    Set(commandLine + '\0');
  }
  ~HttpHandlerOverride() {
    Set(old_);
    RegCloseKey(key_);
  }

 private:
  void Set(const std::string& value) {
    RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data()),
                   static_cast<DWORD>(value.size()));
  }
  HKEY key_ = nullptr;
  std::string old_;
};

std::string WaitForFile(const std::string& path, int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 100) {
    Sleep(100);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
    CloseHandle(file);
    if (read > 0) return std::string(buffer, read);
  }
  return std::string();
}

}  // namespace

TEST(HttpDownload, SendsTheRequestAsWrittenAndReturnsTheBodyWhateverTheStatus) {
  std::string gif = SolidPicture(PictureKind::kGif, 168, 88, RGB(0, 128, 255));
  ASSERT_FALSE(gif.empty());
  {
    LocalHttpServer server(HttpAnswer("200 OK", "image/gif", gif));
    EXPECT_EQ(memo::HttpDownload("http://" + server.Host() + "/gg/tw.gif"), gif);
    std::string request = server.Request();
    EXPECT_EQ(request.rfind("GET /gg/tw.gif HTTP/1.0\r\n", 0), 0u) << request;
    EXPECT_NE(
        request.find("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"),
        std::string::npos)
        << request;
    EXPECT_NE(request.find("\r\nAccept: */*\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nHost: " + server.Host() + "\r\n"), std::string::npos) << request;
    EXPECT_EQ(request.find("\r\n\r\n"), request.size() - 4) << request;
  }
  {
    const std::string page = "<html><body>无法找到该页</body></html>";
    LocalHttpServer server(HttpAnswer("404 Not Found", "text/html", page, false));
    EXPECT_EQ(memo::HttpDownload("http://" + server.Host() + "/gg/tw.gif"), page);
  }
  // Bodies of several chunks, with and without an announced length.
  for (bool withLength : {true, false}) {
    const std::string body = Pattern(300000);
    LocalHttpServer server(HttpAnswer("200 OK", "application/octet-stream", body, withLength));
    EXPECT_EQ(memo::HttpDownload("http://" + server.Host() + "/big"), body) << withLength;
  }
  {
    LocalHttpServer server(HttpAnswer("204 No Content", "text/plain", ""));
    EXPECT_EQ(memo::HttpDownload("http://" + server.Host() + "/gg/tw.gif"), "");
  }
}

TEST(HttpDownload, StopsAtOneMebibyte) {
  const std::string body = Pattern(5 * 1024 * 1024);
  for (bool withLength : {true, false}) {
    LocalHttpServer server(HttpAnswer("200 OK", "image/gif", body, withLength));
    std::string got;
    double seconds = TimedDownload("http://" + server.Host() + "/gg/tw.gif", got);
    EXPECT_EQ(got.size(), 1024u * 1024u) << withLength;
    EXPECT_TRUE(got == body.substr(0, got.size())) << withLength;
    EXPECT_LT(seconds, 5.0);
  }
}

TEST(HttpDownload, GivesUpOnAServerThatNeverAnswers) {
  LocalHttpServer server("", LocalHttpServer::Behaviour::kSilent);
  std::string got = "unchanged";
  double seconds = TimedDownload("http://" + server.Host() + "/gg/tw.gif", got);
  EXPECT_EQ(got, "");
  EXPECT_LT(seconds, 12.0);
  EXPECT_GT(seconds, 5.0);  // it did wait for an answer
}

TEST(HttpDownload, StopsASlowTrickleAtTheDeadline) {
  // One byte every 200 ms: the whole body would take over 16 minutes.
  LocalHttpServer server(HttpAnswer("200 OK", "image/gif", Pattern(5000)),
                         LocalHttpServer::Behaviour::kTrickle);
  std::string got;
  double seconds = TimedDownload("http://" + server.Host() + "/gg/tw.gif", got);
  EXPECT_LT(seconds, 12.0);
  EXPECT_GT(got.size(), 10u);  // what arrived before the deadline is kept
  EXPECT_LT(got.size(), 100u);
  EXPECT_TRUE(got == Pattern(got.size()));
}

TEST(HttpDownload, UnreachableOrMalformedAddressesGiveNothingAtOnce) {
  std::string got = "unchanged";
  double seconds = TimedDownload("http://" + LocalHttpServer::ClosedHost() + "/gg/tw.gif", got);
  EXPECT_EQ(got, "");
  EXPECT_LT(seconds, 5.0);
  for (const char* address : {"", "not an address", "http://", "http:///gg/tw.gif"}) {
    got = "unchanged";
    seconds = TimedDownload(address, got);
    EXPECT_EQ(got, "") << address;
    EXPECT_LT(seconds, 2.0) << address;
  }
}

TEST(HttpDownload, PictureAddressFollowsTheHostOverride) {
  std::string gif = SolidPicture(PictureKind::kGif, 4, 4, RGB(255, 0, 0));
  LocalHttpServer server(HttpAnswer("200 OK", "image/gif", gif));
  // The program reads the override from its environment as the C library sees it.
  _putenv(("BIRTHDAY_MEMO_PUBLISHER_HOST=" + server.Host()).c_str());
  EXPECT_EQ(memo::FetchPublisherPicture(), gif);
  EXPECT_EQ(server.Request().rfind("GET /gg/tw.gif HTTP/1.0\r\n", 0), 0u);
  _putenv("BIRTHDAY_MEMO_PUBLISHER_HOST=");
}

TEST(OpenPublisherSite, AsksTheShellToOpenTheSiteAddress) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string opened = std::string(temp) + "opened-site.txt";
  DeleteFileA(opened.c_str());
  std::string content;
  {
    HttpHandlerOverride handler("cmd.exe /c echo %1> \"" + opened + "\"");
    _putenv("BIRTHDAY_MEMO_PUBLISHER_HOST=127.0.0.1:8123");
    memo::OpenPublisherSite();
    _putenv("BIRTHDAY_MEMO_PUBLISHER_HOST=");
    content = WaitForFile(opened, 5000);
  }
  DeleteFileA(opened.c_str());
  EXPECT_EQ(content.substr(0, content.find_first_of(" \r\n")), "http://127.0.0.1:8123");
}
