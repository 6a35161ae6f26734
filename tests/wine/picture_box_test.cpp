// The advertisement picture box in a real window: the built-in picture, a downloaded one
// swapped in only when it is a picture, the hand cursor and the left button.
#include "ui/picture_box.h"

#include <gtest/gtest.h>

#include <thread>

#include "host_window.h"
#include "test_pictures.h"
#include "ui/picture_decoder.h"
#include "ui/ui_thread.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

constexpr RECT kHostPlace = {100, 100, 500, 300};

}  // namespace

TEST(PictureBox, ShowsADownloadedPictureAndKeepsTheBuiltInOneOtherwise) {
  const COLORREF builtInColor = RGB(0, 0, 255);
  std::string builtIn = SolidPicture(PictureKind::kGif, 168, 88, builtInColor);
  ASSERT_FALSE(builtIn.empty());
  int clicks = 0;
  HWND parent = HostWindow(L"picture box", kHostPlace);
  memo::PictureBox box(builtIn, [&clicks] { ++clicks; });
  HWND window = box.Create(parent, 20, 20, 168, 88, 101);
  ASSERT_NE(window, nullptr);
  PumpMessages(300);
  auto shows = [&](COLORREF color, int tolerance = 0) {
    PumpMessages(200);
    return SameColor(ColorAt(window, 84, 44), color, tolerance) &&
           SameColor(ColorAt(window, 167, 87), color, tolerance);
  };
  EXPECT_TRUE(shows(builtInColor));

  // Not pictures: the built-in picture stays.
  const std::string notPictures[] = {
      "",
      "<html><body>无法找到该页</body></html>",
      "GIF89a but broken",
      std::string("\x89PNG\r\n\x1A\n", 8) + "junk",
      "\xFF\xD8\xFF junk",
      SolidPicture(PictureKind::kPng, memo::kMaxPictureSide + 1, 1, RGB(255, 0, 0))};
  for (const std::string& bytes : notPictures) {
    box.ShowDownloaded(bytes);
    EXPECT_TRUE(shows(builtInColor)) << bytes.substr(0, 20);
  }

  // Pictures: shown, whatever their format; a later failure brings the built-in one back.
  box.ShowDownloaded(SolidPicture(PictureKind::kPng, 168, 88, RGB(255, 0, 0)));
  EXPECT_TRUE(shows(RGB(255, 0, 0)));
  box.ShowDownloaded(SolidPicture(PictureKind::kJpeg, 168, 88, RGB(0, 160, 0)));
  EXPECT_TRUE(shows(RGB(0, 160, 0), 8));
  box.ShowDownloaded("");
  EXPECT_TRUE(shows(builtInColor));

  // From the download's thread, handed over to the user-interface thread as the program does.
  std::string gif = SolidPicture(PictureKind::kGif, 168, 88, RGB(255, 128, 0));
  std::thread download([&] { memo::ui::RunOnUi([&box, gif] { box.ShowDownloaded(gif); }); });
  download.join();
  EXPECT_TRUE(shows(RGB(255, 128, 0)));
  SaveScreenshot("picture-box");

  // A smaller picture sits in the top left corner; the rest is the window colour.
  box.ShowDownloaded(SolidPicture(PictureKind::kPng, 10, 10, RGB(255, 0, 0)));
  PumpMessages(200);
  EXPECT_TRUE(SameColor(ColorAt(window, 5, 5), RGB(255, 0, 0)));
  EXPECT_TRUE(SameColor(ColorAt(window, 84, 44), GetSysColor(COLOR_BTNFACE)));

  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(window, GCLP_HCURSOR)),
            LoadCursor(nullptr, IDC_HAND));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(clicks, 1);
  DestroyWindow(parent);
}

TEST(PictureBox, ABuiltInPictureThatDoesNotDecodeLeavesABlankBox) {
  HWND parent = HostWindow(L"blank picture box", kHostPlace);
  memo::PictureBox box("no picture", nullptr);
  HWND window = box.Create(parent, 20, 20, 168, 88, 101);
  ASSERT_NE(window, nullptr);
  PumpMessages(300);
  EXPECT_TRUE(SameColor(ColorAt(window, 84, 44), GetSysColor(COLOR_BTNFACE)));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));  // no handler: no harm
  box.ShowDownloaded(SolidPicture(PictureKind::kGif, 168, 88, RGB(255, 0, 0)));
  PumpMessages(200);
  EXPECT_TRUE(SameColor(ColorAt(window, 84, 44), RGB(255, 0, 0)));
  DestroyWindow(parent);
}
