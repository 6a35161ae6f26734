// The advertisement at start-up, fetched from a small HTTP server on 127.0.0.1: shown when it
// is a picture, the built-in picture kept otherwise, and start-up never held up by it.
#include <gtest/gtest.h>

#include "local_http_server.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "test_files.h"
#include "test_pictures.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::main_window;

namespace {

constexpr COLORREF kServedColor = RGB(0, 128, 255);
constexpr int kPromptEndMs = 2500;

struct Started {
  HWND main = nullptr;
  DWORD upcomingMs = 0;  // from the start to the upcoming pass's page beside the program
};

// Starts the program with its picture from host and waits for the upcoming pass.
Started StartWithPublisher(ProgramUnderTest& program, const std::string& host) {
  Started started;
  const std::wstring page = program.Folder() + L"\\" + Wide("最近生日.html");
  DeleteFileW(page.c_str());
  StartOptions options;
  options.publisherHost = host;
  const DWORD start = GetTickCount();
  started.main = program.StartMainWith(static_cast<int>(kSampleFriends.size()), options);
  if (started.main && WaitUntil([&] { return FileExists(page); }, 12000)) {
    started.upcomingMs = GetTickCount() - start;
  }
  return started;
}

COLORREF PictureMiddle(HWND main) {
  return ScreenColorAt(GetDlgItem(main, ids::kPicture), 84, 44);
}

}  // namespace

TEST(AdvertisementWindow, ShowsAFetchedPictureAndKeepsTheBuiltInOneOtherwise) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));

  // Nobody listening: the built-in picture, and start-up as usual.
  Started started = StartWithPublisher(program, LocalHttpServer::ClosedHost());
  ASSERT_NE(started.main, nullptr);
  ASSERT_NE(started.upcomingMs, 0u);
  Sleep(500);
  const COLORREF builtIn = PictureMiddle(started.main);
  ASSERT_FALSE(SameColor(builtIn, kServedColor));
  EXPECT_EQ(program.Close(), 0);

  // A picture: shown in place of the built-in one.
  {
    LocalHttpServer server(
        HttpAnswer("200 OK", "image/gif", SolidPicture(PictureKind::kGif, 168, 88, kServedColor)));
    started = StartWithPublisher(program, server.Host());
    ASSERT_NE(started.main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return SameColor(PictureMiddle(started.main), kServedColor); }));
    EXPECT_EQ(server.Request().rfind("GET /gg/tw.gif HTTP/1.0\r\n", 0), 0u);
    SaveScreenshot("advertisement-fetched");
    EXPECT_EQ(program.Close(), 0);
  }

  // The server's not-found page and a 5 MiB answer that is no picture: the built-in one stays.
  const std::string notFound = "<html><body>无法找到该页</body></html>";
  const std::string huge(5 * 1024 * 1024, 'x');
  for (const auto& answer : {HttpAnswer("404 Not Found", "text/html", notFound, false),
                             HttpAnswer("200 OK", "image/gif", huge)}) {
    LocalHttpServer server(answer);
    started = StartWithPublisher(program, server.Host());
    ASSERT_NE(started.main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return !server.Request().empty(); }));
    Sleep(1000);  // time to show whatever came
    EXPECT_TRUE(SameColor(PictureMiddle(started.main), builtIn)) << answer.size();
    EXPECT_EQ(program.Close(), 0);
  }
}

TEST(AdvertisementWindow, UpcomingPassNeverWaitsForTheDownload) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));
  // A server that takes the request and never answers holds the download for its 10 s.
  LocalHttpServer server("", LocalHttpServer::Behaviour::kSilent);
  // Without the tray icon the end is the plain one: the last window gone, the loop ended, the
  // application taken down.
  settings::WriteNumber(L"tubiao", 1);
  Started started = StartWithPublisher(program, server.Host());
  ASSERT_NE(started.main, nullptr);
  ASSERT_NE(started.upcomingMs, 0u);
  EXPECT_LT(started.upcomingMs, 5000u);
  EXPECT_TRUE(WaitUntil([&] { return !server.Request().empty(); }));
  // The window answers meanwhile, and a re-sort is not queued behind the download either.
  HWND list = GetDlgItem(started.main, ids::kFriendList);
  DWORD_PTR result = 0;
  EXPECT_NE(SendMessageTimeoutW(started.main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result), 0);
  // 姓名降序
  ASSERT_TRUE(
      ChooseFromSortMenu(started.main, list, {VK_DOWN, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN}));
  EXPECT_TRUE(
      WaitUntil([&] { return ListCell(program.Process(), list, 0, 0) == Wide("周杰"); }, 3000));
  SaveScreenshot("advertisement-download-pending");
  // Nor does the end of the program, with seconds of the download still to go.
  EXPECT_EQ(program.Close(kPromptEndMs), 0);
}
