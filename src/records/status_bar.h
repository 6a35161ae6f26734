// The seam to the main window's status bar: three parts of text.
#pragma once

#include <string>

namespace memo {

class StatusBar {
 public:
  virtual ~StatusBar() = default;
  virtual void SetPartText(int part, const std::string& text) = 0;
};

}  // namespace memo
