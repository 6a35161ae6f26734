// What the report view shows of the upcoming entries: the page's paragraphs, styles and
// texts as a browser shows the page, written as RTF.
#pragma once

#include <string>
#include <vector>

#include "report/rtf_document.h"
#include "report/upcoming_entries.h"

namespace memo {

// No paragraph when no entry is shown.
std::vector<Paragraph> UpcomingParagraphs(const std::vector<UpcomingEntry>& entries,
                                          const TodayDates& today);

std::string UpcomingRtf(const std::vector<UpcomingEntry>& entries, const TodayDates& today);

}  // namespace memo
