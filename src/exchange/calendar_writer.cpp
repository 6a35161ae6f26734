#include "exchange/calendar_writer.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <ctime>
#include <unordered_map>

#include "exchange/content_lines.h"
#include "exchange/exchange_text.h"
#include "lunar/date_names.h"
#include "reckoning/age_forms.h"
#include "reckoning/occurrence.h"
#include "text/text_codec.h"

namespace memo {
namespace {

constexpr char kUidDomain[] = "@birthday-memo";
constexpr size_t kEventOctets = 420;  // about, for reserving the file at once

// FNV-1a, 64 bits: the same value on every machine and in every version of the program.
uint64_t StableHash(const std::string& bytes) {
  uint64_t hash = 0xCBF29CE484222325ull;
  for (unsigned char byte : bytes) {
    hash ^= byte;
    hash *= 0x100000001B3ull;
  }
  return hash;
}

std::string Uid(const Friend& person, int year) {
  // The unit separator cannot occur in a typed text, so no two keys run together.
  std::string key = person.name + '\x1F' + person.birthday.text;
  if (year != 0) key += '\x1F' + std::to_string(year);
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016" PRIx64, StableHash(key));
  return std::string(hex) + kUidDomain;
}

std::string DateValue(DateTime date) {
  char text[9];
  std::snprintf(text, sizeof text, "%04d%02d%02d", YearOf(date), MonthOf(date), DayOf(date));
  return text;
}

std::string StampValue(DateTime utc) {
  const int second = SecondOfDay(utc);
  char text[18];
  std::snprintf(text, sizeof text, "%sT%02d%02d%02dZ", DateValue(utc).c_str(), second / 3600,
                second / 60 % 60, second % 60);
  return text;
}

// The texts of one friend's events, in UTF-8 and escaped once for all its events.
struct FriendTexts {
  std::string name;
  std::string lunarDate;  // "（农历二月三十）", empty for a solar birthday
  std::string description;
};

FriendTexts TextsOf(const Friend& person) {
  const Birthday& birthday = person.birthday;
  FriendTexts texts;
  texts.name = EscapedText(Gb18030ToUtf8(person.name));
  if (birthday.lunar()) {
    texts.lunarDate = Gb18030ToUtf8("（农历" + LunarMonthName(birthday.month, birthday.leap) +
                                    LunarDayName(birthday.day) + "）");
  }
  std::string description;
  if (!person.contact.empty()) description = "联系方式：" + person.contact;
  if (birthday.hasYear()) {
    description +=
        (description.empty() ? "" : "\n") + ("生于" + std::to_string(birthday.year)) + "年";
  }
  texts.description = EscapedText(Gb18030ToUtf8(description));
  return texts;
}

class CalendarBuilder {
 public:
  CalendarBuilder(const CalendarOptions& options, size_t expectedEvents)
      : stamp_("DTSTAMP:" + StampValue(options.stampUtc)) {
    file_.bytes.reserve(expectedEvents * kEventOctets);
    Line("BEGIN:VCALENDAR");
    Line("VERSION:2.0");
    Line("PRODID:-//birthday-memo//birthday-memo//ZH");
    Line("CALSCALE:GREGORIAN");
    Line("METHOD:PUBLISH");
    Line("X-WR-CALNAME:" + Gb18030ToUtf8("好友生日"));
  }

  void Event(const Friend& person, int year, DateTime date, const std::string& summary,
             const FriendTexts& texts, const std::string& rule) {
    Line("BEGIN:VEVENT");
    Line("UID:" + Uid(person, year));
    Line(stamp_);
    Line("DTSTART;VALUE=DATE:" + DateValue(date));
    Line("DTEND;VALUE=DATE:" + DateValue(date + 1));
    if (!rule.empty()) Line("RRULE:" + rule);
    Line("SUMMARY:" + summary);
    Line("DESCRIPTION:" + texts.description);
    Line("TRANSP:TRANSPARENT");
    // From the start of the all-day event, its midnight.
    for (const char* trigger : {"-PT15H", "PT9H"}) {
      Line("BEGIN:VALARM");
      Line("ACTION:DISPLAY");
      Line("DESCRIPTION:" + summary);
      Line(std::string("TRIGGER:") + trigger);
      Line("END:VALARM");
    }
    Line("END:VEVENT");
    ++file_.events;
  }

  void Skip() { ++file_.skipped; }

  CalendarFile Finish() {
    Line("END:VCALENDAR");
    return std::move(file_);
  }

 private:
  void Line(const std::string& line) { AppendContentLine(file_.bytes, line); }

  const std::string stamp_;
  CalendarFile file_;
};

// The UTF-8 of title parts, each converted once: a file repeats the same few ages and marks
// over its thousands of events.
class Utf8Parts {
 public:
  const std::string& Of(const std::string& gbk) {
    auto found = parts_.find(gbk);
    if (found == parts_.end()) found = parts_.emplace(gbk, Gb18030ToUtf8(gbk)).first;
    return found->second;
  }

 private:
  std::unordered_map<std::string, std::string> parts_;
};

void AddYearEvents(CalendarBuilder& builder, const Friend& person, const FriendTexts& texts,
                   int firstYear, int years, AgeForm form, Utf8Parts& parts) {
  static const std::string of = Gb18030ToUtf8("的");
  const Birthday& birthday = person.birthday;
  for (int year = firstYear; year < firstYear + years; ++year) {
    // The day of birth itself is no birthday.
    if (birthday.hasYear() && year - birthday.year < 1) continue;
    const DayNumber day = OccurrenceIn(birthday, year);
    if (!day.ok()) continue;
    // Without a year there is no age to name.
    std::string title = "生日";
    if (birthday.hasYear()) {
      const Ages ages = AgesOnBirthday(birthday, year, day);
      title = AgeInForm(ages, form) + title + MilestoneMark(ages, form);
    }
    builder.Event(person, year, DateTimeOf(day),
                  texts.name + of + parts.Of(title) + texts.lunarDate, texts, std::string());
  }
}

// BYMONTH and BYMONTHDAY of the yearly rule; RFC 7529 writes a leap month as "5L".
std::string RepeatRule(const Birthday& birthday) {
  if (birthday.lunar()) {
    return "RSCALE=CHINESE;FREQ=YEARLY;BYMONTH=" + std::to_string(birthday.month) +
           (birthday.leap ? "L" : "") + ";BYMONTHDAY=" + std::to_string(birthday.day) +
           ";SKIP=BACKWARD";
  }
  // The last day of February is the 29th in a leap year and the 28th, this program's day
  // for it, in any other.
  if (birthday.month == 2 && birthday.day == 29) return "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1";
  return "FREQ=YEARLY";
}

// The first occurrence is the birth date, or for a lunar birth before the engine's years the
// first occurrence that it converts; without a year, this year's.
void AddRepeatingEvent(CalendarBuilder& builder, const Friend& person, const FriendTexts& texts,
                       int thisYear) {
  static const std::string birthdayWord = Gb18030ToUtf8(" 生日");
  const Birthday& birthday = person.birthday;
  const int from = birthday.hasYear() ? birthday.year : thisYear;
  DayNumber first;
  for (int year = from; !first.ok() && year <= from + kMaxCalendarYears; ++year) {
    first = OccurrenceIn(birthday, year);
  }
  if (!first.ok()) {
    builder.Skip();
    return;
  }
  builder.Event(person, 0, DateTimeOf(first), texts.name + birthdayWord, texts,
                RepeatRule(birthday));
}

}  // namespace

CalendarFile WriteCalendar(const std::vector<Friend>& friends, const CalendarOptions& options) {
  const int years = std::clamp(options.years, 1, kMaxCalendarYears);
  const size_t perFriend = options.rules ? 1 : static_cast<size_t>(years);
  CalendarBuilder builder(options, friends.size() * perFriend);
  Utf8Parts parts;
  for (const Friend& person : friends) {
    if (!person.birthday.ok()) {
      builder.Skip();
      continue;
    }
    const FriendTexts texts = TextsOf(person);
    const int thisYear = CurrentYear(options.today, person.birthday.lunar());
    if (options.rules) {
      AddRepeatingEvent(builder, person, texts, thisYear);
    } else {
      AddYearEvents(builder, person, texts, thisYear, years, options.ageForm, parts);
    }
  }
  return builder.Finish();
}

std::optional<int> CalendarYearsOf(const std::string& text) {
  const std::string_view digits = Trimmed(text);
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  int years = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    years = years * 10 + (c - '0');
  }
  if (years < 1 || years > kMaxCalendarYears) return std::nullopt;
  return years;
}

DateTime CurrentUtcTime() {
  const std::time_t now = std::time(nullptr);
  const std::tm* utc = std::gmtime(&now);
  return MakeDateTime(utc->tm_year + 1900, utc->tm_mon + 1, utc->tm_mday, utc->tm_hour, utc->tm_min,
                      utc->tm_sec);
}

}  // namespace memo
