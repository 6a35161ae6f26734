#include "app/picture_format.h"

namespace memo {

namespace {
bool StartsWith(const std::string& bytes, const std::string& magic) {
  return bytes.compare(0, magic.size(), magic) == 0;
}
}  // namespace

PictureFormat SniffPicture(const std::string& bytes) {
  if (StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a")) return PictureFormat::kGif;
  if (StartsWith(bytes, std::string("\x89PNG\r\n\x1A\n", 8))) return PictureFormat::kPng;
  if (StartsWith(bytes, "\xFF\xD8\xFF")) return PictureFormat::kJpeg;
  return PictureFormat::kNone;
}

}  // namespace memo
