// The background worker runs queued work in order, on one thread that is not the caller's.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include <vector>

#include "app/background_worker.h"

namespace memo {
namespace {

TEST(BackgroundWorker, RunsWorkInOrderOnOneOtherThreadAndFinishesItBeforeEnding) {
  std::vector<int> order;
  std::set<std::thread::id> threads;
  {
    BackgroundWorker worker;
    for (int i = 0; i < 200; ++i) {
      worker.Post([&, i] {
        // Early work that takes a while must still finish before later work starts.
        if (i % 50 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        order.push_back(i);
        threads.insert(std::this_thread::get_id());
      });
    }
  }
  ASSERT_EQ(order.size(), 200u);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(order[i], i);
  ASSERT_EQ(threads.size(), 1u);
  EXPECT_NE(*threads.begin(), std::this_thread::get_id());
}

TEST(BackgroundWorker, PostNeverWaitsForTheWork) {
  std::atomic<bool> release{false};
  std::atomic<bool> second{false};
  BackgroundWorker worker;
  worker.Post([&] {
    while (!release) std::this_thread::yield();
  });
  worker.Post([&] { second = true; });  // returns while the first work still runs
  EXPECT_FALSE(second);
  release = true;
}

}  // namespace
}  // namespace memo
