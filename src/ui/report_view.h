// The report view: a read-only rich-text control that shows the upcoming page file, with
// scrolling and text selection. The page's HTML is laid out by the portable core and handed
// to the control as RTF.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>

#include "reckoning/report_outputs.h"

namespace memo {

namespace ui {
class WindowBinding;
}

// Must outlive every thread that may call LoadPage.
class RichReportView : public ReportView {
 public:
  RichReportView() = default;
  ~RichReportView() override;
  RichReportView(const RichReportView&) = delete;
  RichReportView& operator=(const RichReportView&) = delete;

  // Creates the control as a child of parent; on the thread that owns parent.
  HWND Create(HWND parent, int x, int y, int width, int height, int id);
  HWND Window() const { return window_; }

  // Reads the page file at this GBK path and shows it; a missing or empty file shows an empty
  // page. May be called from any thread: the control changes on the user-interface thread,
  // and reads the file then, so the newest page is what it shows.
  void LoadPage(const std::string& path) override;

 private:
  friend class ui::WindowBinding;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ShowPendingPage();

  std::atomic<HWND> window_{nullptr};  // read by callers on other threads
  std::mutex pendingLock_;
  std::string pendingPath_;
  bool havePending_ = false;
};

}  // namespace memo
