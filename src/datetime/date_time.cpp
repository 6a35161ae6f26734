#include "datetime/date_time.h"

#include "datetime/civil_date.h"

namespace memo {

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  double days = static_cast<double>(DaysFromCivil(year, month, day) - kDateTimeEpochDays);
  double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  // Before the epoch the fraction still counts forward within the day: -1.25 is
  // 1899-12-29 06:00, written as the whole part minus the fraction.
  return days >= 0 ? days + time : days - time;
}

}  // namespace memo
