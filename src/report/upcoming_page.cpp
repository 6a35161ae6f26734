#include "report/upcoming_page.h"

#include <cstdio>

#include "report/upcoming_lines.h"
#include "text/gb18030.h"
#include "text/text_operations.h"

namespace memo {
namespace {

constexpr char kNoteTemplate[] =
    "<BR><FONT color=#ff0000 size=2>%注释%</FONT></FONT></P></FONT></FONT>\r\n";
constexpr char kContentEnd[] = "</FONT></P>";
constexpr char kPartGap[] = "&nbsp; ";
// What follows each section's heading, in the order of the sections.
constexpr const char* kHeadingEnds[kUpcomingSectionCount] = {
    "\r\n", "<FONT color=#ff0000 size=6>\r\n\r\n", "\r\n\r\n"};
constexpr char kSectionEnd[] = "</FONT>\r\n";

std::string FontStart(const RunStyle& style) {
  char start[48];
  std::snprintf(start, sizeof start, "<FONT color=#%06x size=%d",
                static_cast<unsigned>(style.color), style.size);
  return start + std::string(style.face == Face::kHei ? " face=黑体>" : ">");
}

std::string HeadingHtml(UpcomingSection section) {
  const SectionHeading& heading = kSectionHeadings[static_cast<int>(section)];
  const std::string text = heading.style.bold ? "<STRONG>" + std::string(heading.text) + "</STRONG>"
                                              : std::string(heading.text);
  return "<P align=center>" + FontStart(heading.style) + text + "</FONT></P>" +
         kHeadingEnds[static_cast<int>(section)];
}

// Names and contacts are typed by the user and must show as text in the browser. These
// four bytes never occur inside a GBK double-byte character, so bytewise is safe.
std::string EscapeHtml(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string Content(const std::string& content) {
  return "<P align=center>" + FontStart(kEntryLineStyle) + content + kContentEnd;
}

std::string PageLine(const UpcomingEntry& entry) {
  std::string line;
  for (const std::string& part : EntryLineParts(entry)) {
    line += (line.empty() ? "" : kPartGap) + EscapeHtml(part);
  }
  if (!entry.note.empty()) line += ReplaceText(kNoteTemplate, "%注释%", entry.note);
  return line;
}

std::string Section(UpcomingSection section, const std::string& lines) {
  if (lines.empty()) return std::string();
  return HeadingHtml(section) + Content(lines) + kSectionEnd;
}

std::string TodayLine(const TodayDates& today) {
  return FontStart(kTodayLineStyle) + TodayLineText(today) + "</FONT>";
}

// A character that GBK lacks as a hexadecimal character reference: every browser shows it,
// whichever encoding it takes the page to be in. The characters GBK holds keep their bytes.
std::string WithReferencesBeyondGbk(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    const uint32_t codePoint = NextGb18030Character(text, pos);
    if (codePoint >= 0x80 && GbkCode(codePoint) == kNoShortCode) {
      char reference[16];
      std::snprintf(reference, sizeof reference, "&#x%X;", static_cast<unsigned>(codePoint));
      out += reference;
    } else {
      out.append(text, start, pos - start);
    }
  }
  return out;
}

}  // namespace

std::string UpcomingPageBody(const std::vector<UpcomingEntry>& entries, const TodayDates& today) {
  if (entries.empty()) return std::string();
  std::string sections[kUpcomingSectionCount];
  for (const UpcomingEntry& entry : entries) {
    sections[static_cast<int>(SectionOf(entry))] += Content(PageLine(entry)) + "\r\n";
  }
  return TodayLine(today) + Section(UpcomingSection::kToday, sections[0]) +
         Section(UpcomingSection::kTomorrow, sections[1]) +
         Section(UpcomingSection::kLater, sections[2]);
}

std::string UpcomingPage(const std::vector<UpcomingEntry>& entries, const TodayDates& today,
                         int daysAhead) {
  std::string body = UpcomingPageBody(entries, today);
  if (body.empty()) {
    body = TodayLine(today) + "\r\n" +
           Content("最近" + NumberToText(daysAhead) + "天内没有好友过生日") + "\r\n";
  }
  return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"gbk\">\r\n"
         "<title>最近生日</title>\r\n</head>\r\n<body>\r\n" +
         WithReferencesBeyondGbk(body) + "</body>\r\n</html>\r\n";
}

}  // namespace memo
