// The one background thread: start-up set-up, the upcoming pass and list reloads run on it
// strictly one after another, so two of them never work on the same list at once. Work that
// changes windows hands those changes to the user-interface thread itself.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace memo {

class BackgroundWorker {
 public:
  BackgroundWorker();
  // Runs the work already queued, then ends the thread.
  ~BackgroundWorker();
  BackgroundWorker(const BackgroundWorker&) = delete;
  BackgroundWorker& operator=(const BackgroundWorker&) = delete;

  // Queues work behind everything queued before; never waits for it.
  void Post(std::function<void()> work);

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> queue_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace memo
