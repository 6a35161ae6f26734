// The seam to the main window's status bar: three parts of text, and the texts the friend
// list puts there.
#pragma once

#include <string>

namespace memo {

// Status-bar parts of the main window.
constexpr int kGreetingPart = 0;
constexpr int kRecordCountPart = 1;
constexpr int kTodayPart = 2;

class StatusBar {
 public:
  virtual ~StatusBar() = default;
  virtual void SetPartText(int part, const std::string& text) = 0;
};

// "当前记录数：" and the number of friends in the list.
std::string RecordCountText(int friendCount);
void ShowRecordCount(int friendCount, StatusBar& status);

}  // namespace memo
