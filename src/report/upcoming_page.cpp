#include "report/upcoming_page.h"

#include <cstdio>

#include "datetime/gbk_text.h"
#include "text/gb18030.h"

namespace memo {
namespace {

constexpr char kNoteTemplate[] =
    "<BR><FONT color=#ff0000 size=2>%注释%</FONT></FONT></P></FONT></FONT>\r\n";
// The content template: its text goes between these two.
constexpr char kContentStart[] = "<P align=center><FONT color=#000000 size=4 face=黑体>";
constexpr char kContentEnd[] = "</FONT></P>";
// The headings' colours are darkened to a contrast of at least 4.5:1 on white, each keeping
// its hue.
constexpr char kTodayHeading[] =
    "<P align=center><FONT color=#e00000 size=6 face=黑体>今天生日</FONT></P>\r\n";
constexpr char kTomorrowHeading[] =
    "<P align=center><FONT color=#0000ff size=6 face=黑体>明天生日</FONT></P>"
    "<FONT color=#ff0000 size=6>\r\n\r\n";
constexpr char kLaterHeading[] =
    "<P align=center><FONT color=#1a8000 size=6><STRONG>最近生日</STRONG></FONT></P>\r\n\r\n";
constexpr char kSectionEnd[] = "</FONT>\r\n";
constexpr char kTodayLine[] = "<FONT color=#ff0000 size=2>今天是 公历%公历% 农历%农历%</FONT>";

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
  return kContentStart + content + kContentEnd;
}

std::string PageLine(const UpcomingEntry& entry) {
  const Friend& person = entry.person;
  std::string line = EscapeHtml(OneLine(person.name)) + "(" + entry.age + ")" + entry.mark +
                     "&nbsp; " + person.birthday.calendarName() + entry.nextBirthday;
  if (entry.days > 1) line += "&nbsp; 还有" + NumberToText(entry.days) + "天生日";
  if (!person.contact.empty()) line += "&nbsp; 联系方式：" + EscapeHtml(OneLine(person.contact));
  if (!entry.note.empty()) line += ReplaceText(kNoteTemplate, "%注释%", entry.note);
  return line;
}

std::string Section(const char* heading, const std::string& lines) {
  if (lines.empty()) return std::string();
  return heading + Content(lines) + kSectionEnd;
}

std::string TodayLine(const TodayDates& today) {
  const std::string todayLine = ReplaceText(kTodayLine, "%公历%", DateToText(today.solar));
  return ReplaceText(todayLine, "%农历%", LunarDateText(today.lunar));
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

std::string UpcomingPageBody(const std::vector<const UpcomingEntry*>& shown,
                             const TodayDates& today) {
  if (shown.empty()) return std::string();
  std::string sections[3];  // today, tomorrow, later
  for (const UpcomingEntry* entry : shown) {
    sections[entry->days < 2 ? entry->days : 2] += Content(PageLine(*entry)) + "\r\n";
  }
  return TodayLine(today) + Section(kTodayHeading, sections[0]) +
         Section(kTomorrowHeading, sections[1]) + Section(kLaterHeading, sections[2]);
}

std::string UpcomingPage(const std::vector<const UpcomingEntry*>& shown, const TodayDates& today,
                         int daysAhead) {
  std::string body = UpcomingPageBody(shown, today);
  if (body.empty()) {
    body = TodayLine(today) + "\r\n" +
           Content("最近" + NumberToText(daysAhead) + "天内没有好友过生日") + "\r\n";
  }
  return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"gbk\">\r\n"
         "<title>最近生日</title>\r\n</head>\r\n<body>\r\n" +
         WithReferencesBeyondGbk(body) + "</body>\r\n</html>\r\n";
}

}  // namespace memo
