// The report view: a read-only rich-text control that shows the upcoming report, with
// scrolling and text selection. The portable core writes the report as RTF.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>

#include "window_logic/report_outputs.h"

namespace memo {

namespace ui {
class WindowBinding;
}

// Must outlive every thread that may call ShowReport.
class RichReportView : public ReportView {
 public:
  RichReportView() = default;
  ~RichReportView() override;
  RichReportView(const RichReportView&) = delete;
  RichReportView& operator=(const RichReportView&) = delete;

  // Creates the control as a child of parent; on the thread that owns parent.
  HWND Create(HWND parent, int x, int y, int width, int height, int id);
  HWND Window() const { return window_; }

  // May be called from any thread: the control changes on the user-interface thread, to
  // the newest report it was given by then.
  void ShowReport(const std::string& rtf) override;

 private:
  friend class ui::WindowBinding;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ShowPendingReport();

  std::atomic<HWND> window_{nullptr};  // read by callers on other threads
  std::mutex pendingLock_;
  std::string pendingRtf_;
  bool havePending_ = false;
};

}  // namespace memo
