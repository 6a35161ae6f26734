#include "datetime/local_minute.h"

#include "datetime/clock.h"

namespace memo {
namespace {

// Two digits at `at` as a number below `limit`; -1 otherwise.
int TwoDigits(const std::string& text, size_t at, int limit) {
  if (at + 2 > text.size()) return -1;
  const char tens = text[at], ones = text[at + 1];
  if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return -1;
  const int value = (tens - '0') * 10 + (ones - '0');
  return value < limit ? value : -1;
}

}  // namespace

int64_t MinuteNumberOf(DateTime moment) {
  return MinuteNumber(DayNumberOf(moment), SecondOfDay(moment) / 60);
}

std::optional<int> ReadTimeOfDay(const std::string& text) {
  if (text.size() != 5 || text[2] != ':') return std::nullopt;
  const int hour = TwoDigits(text, 0, 24), minute = TwoDigits(text, 3, 60);
  if (hour < 0 || minute < 0) return std::nullopt;
  return hour * 60 + minute;
}

std::string TimeOfDayText(int minuteOfDay) {
  const char text[] = {static_cast<char>('0' + minuteOfDay / 600),
                       static_cast<char>('0' + minuteOfDay / 60 % 10),
                       ':',
                       static_cast<char>('0' + minuteOfDay % 60 / 10),
                       static_cast<char>('0' + minuteOfDay % 10),
                       '\0'};
  return text;
}

std::optional<DateTime> ReadLocalMoment(const std::string& text) {
  if (text.size() != 16 && text.size() != 19) return std::nullopt;
  const DayNumber day = ParseIsoDate(text.substr(0, 10));
  const std::optional<int> minute = ReadTimeOfDay(text.substr(11, 5));
  const bool secondsOk = text.size() == 16 || (text[16] == ':' && TwoDigits(text, 17, 60) >= 0);
  if (!day.ok() || text[10] != 'T' || !minute || !secondsOk) return std::nullopt;
  const int second = text.size() == 19 ? TwoDigits(text, 17, 60) : 0;
  const CivilDate civil = day.civil();
  return MakeDateTime(civil.year, civil.month, civil.day, *minute / 60, *minute % 60, second);
}

}  // namespace memo
