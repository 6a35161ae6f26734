// Where the upcoming report goes besides its file: the report view, which loads the page
// from a path, and the tray icon's tip and balloon.
#pragma once

#include <string>

namespace memo {

class ReportView {
 public:
  virtual ~ReportView() = default;
  // Loads the page file at this GBK path.
  virtual void LoadPage(const std::string& path) = 0;
};

class TrayNotifier {
 public:
  virtual ~TrayNotifier() = default;
  virtual void SetTip(const std::string& text) = 0;
  virtual void ShowBalloon(const std::string& title, const std::string& text, int icon,
                           int timeoutMs, bool hideAfterTimeout) = 0;
};

}  // namespace memo
