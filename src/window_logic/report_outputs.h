// Where the upcoming report goes besides its page file: the report view, and the tray
// icon's tip and balloon.
#pragma once

#include <string>

namespace memo {

// The balloon the upcoming report shows: the information icon, taken away after 5 s.
inline constexpr int kInformationBalloonIcon = 1;
inline constexpr int kBalloonTimeoutMs = 5000;

class ReportView {
 public:
  virtual ~ReportView() = default;
  // Shows this RTF document in place of the one shown before.
  virtual void ShowReport(const std::string& rtf) = 0;
};

class TrayNotifier {
 public:
  virtual ~TrayNotifier() = default;
  virtual void SetTip(const std::string& text) = 0;
  virtual void ShowBalloon(const std::string& title, const std::string& text, int icon,
                           int timeoutMs, bool hideAfterTimeout) = 0;
};

}  // namespace memo
