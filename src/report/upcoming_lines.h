// What the page and the report view both say about the upcoming entries, and in which
// styles: the line of today's dates, the three section headings, and the parts of an entry's
// line. Each writes them in its own markup.
#pragma once

#include <string>
#include <vector>

#include "report/rtf_document.h"
#include "report/upcoming_entries.h"

namespace memo {

enum class UpcomingSection { kToday, kTomorrow, kLater };
constexpr int kUpcomingSectionCount = 3;

UpcomingSection SectionOf(const UpcomingEntry& entry);

struct SectionHeading {
  RunStyle style;
  const char* text;
};
// In the order of UpcomingSection.
extern const SectionHeading kSectionHeadings[kUpcomingSectionCount];

constexpr RunStyle kTodayLineStyle{0xFF0000, 2, Face::kDefault, false};
constexpr RunStyle kEntryLineStyle{0x000000, 4, Face::kHei, false};

// "今天是 公历2024年4月5日 农历二月廿七".
std::string TodayLineText(const TodayDates& today);

// The parts of an entry's line, in their order and as plain text: who (name, age, mark), the
// birthday, the days left when it is later than tomorrow, the contact when there is one.
std::vector<std::string> EntryLineParts(const UpcomingEntry& entry);

}  // namespace memo
