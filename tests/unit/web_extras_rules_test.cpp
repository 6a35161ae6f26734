// The portable rules of the advertisement: where it comes from, how its download is read,
// and which bytes count as a picture.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/download_limits.h"
#include "app/picture_format.h"
#include "app/publisher_site.h"

namespace memo {
namespace {

TEST(PublisherSite, AddressesUseTheBuildHostUnlessTheEnvironmentNamesAnother) {
  unsetenv("BIRTHDAY_MEMO_PUBLISHER_HOST");
  EXPECT_EQ(PublisherHost(), PUBLISHER_HOST);
  EXPECT_EQ(PublisherSiteAddress(), std::string("http://") + PUBLISHER_HOST);
  EXPECT_EQ(PublisherPictureAddress(), std::string("http://") + PUBLISHER_HOST + "/gg/tw.gif");

  setenv("BIRTHDAY_MEMO_PUBLISHER_HOST", "127.0.0.1:8123", 1);
  EXPECT_EQ(PublisherSiteAddress(), "http://127.0.0.1:8123");
  EXPECT_EQ(PublisherPictureAddress(), "http://127.0.0.1:8123/gg/tw.gif");

  setenv("BIRTHDAY_MEMO_PUBLISHER_HOST", "", 1);
  EXPECT_EQ(PublisherHost(), PUBLISHER_HOST);
  unsetenv("BIRTHDAY_MEMO_PUBLISHER_HOST");
}

TEST(PictureFormat, TellsGifPngAndJpegByTheirFirstBytes) {
  EXPECT_EQ(SniffPicture("GIF89a\x01\x00"), PictureFormat::kGif);
  EXPECT_EQ(SniffPicture("GIF87a"), PictureFormat::kGif);
  EXPECT_EQ(SniffPicture(std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16)), PictureFormat::kPng);
  EXPECT_EQ(SniffPicture("\xFF\xD8\xFF\xE0\x00\x10JFIF"), PictureFormat::kJpeg);
  EXPECT_EQ(SniffPicture("\xFF\xD8\xFF"), PictureFormat::kJpeg);

  EXPECT_EQ(SniffPicture(""), PictureFormat::kNone);
  EXPECT_EQ(SniffPicture("GIF8"), PictureFormat::kNone);
  EXPECT_EQ(SniffPicture("GIF88a"), PictureFormat::kNone);
  EXPECT_EQ(SniffPicture("gif89a"), PictureFormat::kNone);
  EXPECT_EQ(SniffPicture("\x89PNG\r\n"), PictureFormat::kNone);
  EXPECT_EQ(SniffPicture(std::string("\x89PNG\n\r\x1A\n", 8)), PictureFormat::kNone);
  EXPECT_EQ(SniffPicture("\xFF\xD8"), PictureFormat::kNone);
  EXPECT_EQ(SniffPicture("BM\x36\x00"), PictureFormat::kNone);
  EXPECT_EQ(SniffPicture("<html><body>无法找到该页</body></html>"), PictureFormat::kNone);
  EXPECT_EQ(SniffPicture(" GIF89a"), PictureFormat::kNone);
}

TEST(DownloadLimits, ChunksFollowTheAnnouncedLength) {
  EXPECT_EQ(DownloadChunkSize(1), 2u);
  EXPECT_EQ(DownloadChunkSize(5000), 5001u);
  EXPECT_EQ(DownloadChunkSize(102399), 102400u);
  EXPECT_EQ(DownloadChunkSize(102400), 102400u);
  EXPECT_EQ(DownloadChunkSize(5LL * 1024 * 1024), 102400u);
  EXPECT_EQ(DownloadChunkSize(1LL << 40), 102400u);
  EXPECT_EQ(DownloadChunkSize(0), 10240u);
  EXPECT_EQ(DownloadChunkSize(-1), 10240u);
}

}  // namespace
}  // namespace memo
