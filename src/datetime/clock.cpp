#include "datetime/clock.h"

#include <chrono>
#include <ctime>
#include <mutex>
#include <string>

namespace memo {
namespace {

std::mutex clockMutex;
ClockFunction installedClock;

DateTime SystemNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, local.tm_sec);
}

}  // namespace

void SetClock(ClockFunction clock) {
  std::lock_guard<std::mutex> lock(clockMutex);
  installedClock = std::move(clock);
}

void FixClock(DateTime moment, int secondsPerDay) {
  if (secondsPerDay <= 0) {
    SetClock([moment] { return moment; });
    return;
  }
  const auto start = std::chrono::steady_clock::now();
  SetClock([moment, secondsPerDay, start] {
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return moment +
           std::chrono::duration_cast<std::chrono::seconds>(elapsed).count() / secondsPerDay;
  });
}

void RunClockFrom(DateTime moment, int secondsPerDay) {
  constexpr double kSecondsPerDay = 24 * 60 * 60;
  const double pace = secondsPerDay > 0 ? kSecondsPerDay / secondsPerDay : 1;
  const auto start = std::chrono::steady_clock::now();
  SetClock([moment, pace, start] {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return moment + elapsed.count() * pace / kSecondsPerDay;
  });
}

DateTime Now() {
  ClockFunction clock;
  {
    std::lock_guard<std::mutex> lock(clockMutex);
    clock = installedClock;
  }
  return clock ? clock() : SystemNow();
}

DayNumber ParseIsoDate(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return DayNumber();
  for (size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
    if (text[i] < '0' || text[i] > '9') return DayNumber();
  }
  return DayNumber::FromCivil(std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                              std::stoi(text.substr(8, 2)));
}

}  // namespace memo
