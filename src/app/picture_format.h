// Which kind of picture a run of downloaded bytes holds, told by its first bytes. Only the
// formats the advertisement may come in count; anything else (an error page, nothing at
// all) is no picture, and the built-in advertisement stays.
#pragma once

#include <string>

namespace memo {

enum class PictureFormat { kNone, kGif, kPng, kJpeg };

PictureFormat SniffPicture(const std::string& bytes);

}  // namespace memo
