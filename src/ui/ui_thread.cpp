#include "ui/ui_thread.h"

#include <atomic>
#include <future>
#include <memory>
#include <mutex>

namespace memo::ui {
namespace {

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

void Send(UiWork* item) {
  std::lock_guard<std::mutex> lock(windowMutex);
  if (!workWindow || !PostMessageW(workWindow, UiWorkMessage, 0, reinterpret_cast<LPARAM>(item))) {
    delete item;
  }
}

}  // namespace

void BecomeUiThread() {
  uiThreadId = GetCurrentThreadId();
}

void SetUiWorkWindow(HWND window) {
  std::lock_guard<std::mutex> lock(windowMutex);
  if (window) {
    workWindow = window;
    return;
  }
  // Work still queued for the window is dropped, so nobody waits for it forever.
  if (workWindow) {
    MSG message;
    while (PeekMessageW(&message, workWindow, UiWorkMessage, UiWorkMessage, PM_REMOVE)) {
      delete reinterpret_cast<UiWork*>(message.lParam);
    }
  }
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

void RunUiWork(LPARAM work) {
  std::unique_ptr<UiWork> item(reinterpret_cast<UiWork*>(work));
  item->work();
}

}  // namespace memo::ui
