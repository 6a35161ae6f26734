#include "ui/report_view.h"

#include <commctrl.h>
#include <richedit.h>

namespace memo {

namespace {

// Posted to the control when a report waits in pendingRtf_.
const UINT kShowPendingMessage = WM_APP + 0x51;
const UINT_PTR kSubclassId = 1;
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
  SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
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
  HWND window = window_;
  if (!window) return;
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
    ShowPendingReport();
  } else {
    PostMessageW(window, kShowPendingMessage, 0, 0);
  }
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

LRESULT CALLBACK RichReportView::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* view = reinterpret_cast<RichReportView*>(self);
  if (message == kShowPendingMessage) {
    view->ShowPendingReport();
    return 0;
  }
  if (message == WM_SIZE) {
    LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    KeepMargins(window);
    return result;
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    view->window_ = nullptr;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace memo
