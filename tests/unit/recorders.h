// Implementations of the output seams that remember what they were given.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "records/error_reporter.h"
#include "window_logic/report_outputs.h"
#include "window_logic/status_bar.h"

namespace memo::testing {

struct RecordedErrors : ErrorReporter {
  void ShowError(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

struct RecordedStatusBar : StatusBar {
  void SetPartText(int part, const std::string& text) override { parts[part] = text; }
  std::map<int, std::string> parts;
};

struct RecordedReportView : ReportView {
  void ShowReport(const std::string& rtf) override { shown.push_back(rtf); }
  std::vector<std::string> shown;
};

struct RecordedTray : TrayNotifier {
  struct Balloon {
    std::string title, text;
    int icon, timeoutMs;
    bool hideAfterTimeout;
  };
  void SetTip(const std::string& text) override { tips.push_back(text); }
  void ShowBalloon(const std::string& title, const std::string& text, int icon, int timeoutMs,
                   bool hideAfterTimeout) override {
    balloons.push_back(Balloon{title, text, icon, timeoutMs, hideAfterTimeout});
  }
  std::vector<std::string> tips;
  std::vector<Balloon> balloons;
};

}  // namespace memo::testing
