#include "ui/report_view.h"

#include <commctrl.h>
#include <richedit.h>

#include "ui/ui_thread.h"
#include "ui/window_binding.h"

namespace memo {

namespace {

// Blank space between the border and the text, as a browser leaves it around a page.
const int kMarginPixels = 10;

// The text keeps its distance from the border at any size of the control.
void KeepMargins(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  InflateRect(&client, -kMarginPixels, -kMarginPixels / 2);
  SendMessageW(window, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&client));
}

struct RtfSource {
  const std::string* rtf;
  size_t offset;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<RtfSource*>(cookie);
  size_t left = source->rtf->size() - source->offset;
  size_t count = left < static_cast<size_t>(wanted) ? left : static_cast<size_t>(wanted);
  source->rtf->copy(reinterpret_cast<char*>(buffer), count, source->offset);
  source->offset += count;
  *given = static_cast<LONG>(count);
  return 0;
}

}  // namespace

RichReportView::~RichReportView() {
  if (window_) DestroyWindow(window_);
}

HWND RichReportView::Create(HWND parent, int x, int y, int width, int height, int id) {
  static const HMODULE richEdit = LoadLibraryW(L"Msftedit.dll");
  if (!richEdit) return nullptr;
  HWND window = CreateWindowExW(
      WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, x, y, width,
      height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
      nullptr);
  if (!window) return nullptr;
  SendMessageW(window, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255));
  ui::WindowBinding::Hook(window, this);
  KeepMargins(window);
  window_ = window;
  ShowPendingReport();  // a report given before the control existed
  return window;
}

void RichReportView::ShowReport(const std::string& rtf) {
  {
    std::lock_guard<std::mutex> lock(pendingLock_);
    pendingRtf_ = rtf;
    havePending_ = true;
  }
  if (window_) ui::RunOnUi([this] { ShowPendingReport(); });
}

void RichReportView::ShowPendingReport() {
  std::string rtf;
  {
    std::lock_guard<std::mutex> lock(pendingLock_);
    if (!havePending_) return;
    rtf.swap(pendingRtf_);
    havePending_ = false;
  }
  RtfSource source{&rtf, 0};
  EDITSTREAM stream = {};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadRtf;
  HWND window = window_;
  SendMessageW(window, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  SendMessageW(window, EM_SETSEL, 0, 0);
  SendMessageW(window, EM_SCROLLCARET, 0, 0);
}

LRESULT RichReportView::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) window_ = nullptr;
  LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_SIZE) KeepMargins(window);
  return result;
}

}  // namespace memo
