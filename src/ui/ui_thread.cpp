#include "ui/ui_thread.h"

#include <windows.h>

#include <atomic>
#include <future>
#include <memory>
#include <mutex>

#include "ui/window_failure.h"

namespace memo::ui {
namespace {

constexpr wchar_t kWorkWindowClass[] = L"BirthdayMemoUiWork";
constexpr UINT kUiWorkMessage = WM_APP + 1;

// One piece of work on its way; whoever waits for it is released when it is destroyed,
// whether it ran or was dropped.
struct UiWork {
  std::function<void()> work;
  std::shared_ptr<std::promise<void>> done;
  ~UiWork() {
    if (done) done->set_value();
  }
};

std::mutex windowMutex;
HWND workWindow = nullptr;
std::atomic<DWORD> uiThreadId{0};

LRESULT CALLBACK WorkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kUiWorkMessage) return DefWindowProcW(window, message, wParam, lParam);
  std::unique_ptr<UiWork> item(reinterpret_cast<UiWork*>(lParam));
  item->work();
  return 0;
}

void Send(UiWork* item) {
  std::lock_guard<std::mutex> lock(windowMutex);
  if (!workWindow || !PostMessageW(workWindow, kUiWorkMessage, 0, reinterpret_cast<LPARAM>(item))) {
    delete item;
  }
}

// Under the lock; the window's class and the window made once.
HWND MakeWorkWindow() {
  if (workWindow) return workWindow;
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = WorkWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWorkWindowClass;
  if (!RegisterClassW(&windowClass)) return nullptr;
  // A message-only window: no place on the screen, no broadcasts, only the work.
  workWindow = CreateWindowExW(0, kWorkWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  return workWindow;
}

}  // namespace

bool BecomeUiThread() {
  uiThreadId = GetCurrentThreadId();
  bool made;
  {
    std::lock_guard<std::mutex> lock(windowMutex);
    made = MakeWorkWindow() != nullptr;
  }
  if (!made) ReportWindowFailure(nullptr, kProgramName, "the work window");
  return made;
}

void EndUiWork() {
  std::lock_guard<std::mutex> lock(windowMutex);
  if (!workWindow) return;
  MSG message;
  while (PeekMessageW(&message, workWindow, kUiWorkMessage, kUiWorkMessage, PM_REMOVE)) {
    delete reinterpret_cast<UiWork*>(message.lParam);
  }
  DestroyWindow(workWindow);
  workWindow = nullptr;
}

bool OnUiThread() {
  return GetCurrentThreadId() == uiThreadId;
}

void RunOnUi(std::function<void()> work) {
  if (OnUiThread()) {
    work();
    return;
  }
  Send(new UiWork{std::move(work), nullptr});
}

void RunOnUiLater(std::function<void()> work) {
  Send(new UiWork{std::move(work), nullptr});
}

void RunOnUiAndWait(std::function<void()> work) {
  if (OnUiThread()) {
    work();
    return;
  }
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  Send(new UiWork{std::move(work), done});
  finished.wait();
}

}  // namespace memo::ui
