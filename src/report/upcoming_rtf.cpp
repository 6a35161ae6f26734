#include "report/upcoming_rtf.h"

#include "datetime/date_time.h"
#include "text/text_codec.h"

namespace memo {
namespace {

constexpr RunStyle kTodayLineStyle{0xFF0000, 2, Face::kDefault, false};
constexpr RunStyle kLineStyle{0x000000, 4, Face::kHei, false};
constexpr RunStyle kNoteStyle{0xFF0000, 2, Face::kHei, false};
// Between the parts of a line: a no-break space and a blank.
constexpr char16_t kGap[] = u"\u00A0 ";

struct Heading {
  RunStyle style;
  const char* text;
};
// Colours of a contrast of at least 4.5:1 on white, as on the page.
const Heading kHeadings[] = {{{0xE00000, 6, Face::kHei, false}, "今天生日"},
                             {{0x0000FF, 6, Face::kHei, false}, "明天生日"},
                             {{0x1A8000, 6, Face::kDefault, true}, "最近生日"}};

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Writes one paragraph the way a browser lays out text: a run of blanks shows as one blank
// between words and not at all at the start or end of a line, and other control characters
// show nothing.
class ParagraphWriter {
 public:
  ParagraphWriter(ParagraphAlign align, bool spaced) : paragraph_{align, spaced, {}} {}

  void Write(const RunStyle& style, const std::u16string& text) {
    for (char16_t c : text) {
      if (IsBlank(c)) {
        pendingBlank_ = lineStarted_;
      } else if (c >= 0x20 && c != 0x7F) {
        if (pendingBlank_) Append(style, u' ');
        pendingBlank_ = false;
        Append(style, c);
        lineStarted_ = true;
      }
    }
  }
  void BreakLine(const RunStyle& style) {
    Append(style, u'\n');
    pendingBlank_ = lineStarted_ = false;
  }
  Paragraph Take() { return std::move(paragraph_); }

 private:
  void Append(const RunStyle& style, char16_t c) {
    std::vector<StyledRun>& runs = paragraph_.runs;
    if (runs.empty() || runs.back().style != style) runs.push_back({style, u""});
    runs.back().text += c;
  }

  Paragraph paragraph_;
  bool pendingBlank_ = false;
  bool lineStarted_ = false;
};

Paragraph OneRun(ParagraphAlign align, bool spaced, const RunStyle& style, const std::string& gbk) {
  ParagraphWriter writer(align, spaced);
  writer.Write(style, GbkToUtf16(gbk));
  return writer.Take();
}

Paragraph Line(const UpcomingEntry& entry) {
  const Friend& person = entry.person;
  std::u16string text = GbkToUtf16(OneLine(person.name) + "(" + entry.age + ")" + entry.mark) +
                        kGap + GbkToUtf16(person.birthday.calendarName() + entry.nextBirthday);
  if (entry.days > 1) text += kGap + GbkToUtf16("还有" + NumberToText(entry.days) + "天生日");
  if (!person.contact.empty()) text += kGap + GbkToUtf16("联系方式：" + OneLine(person.contact));
  ParagraphWriter writer(ParagraphAlign::kCenter, true);
  writer.Write(kLineStyle, text);
  if (!entry.note.empty()) {
    writer.BreakLine(kLineStyle);
    writer.Write(kNoteStyle, GbkToUtf16(entry.note));
  }
  return writer.Take();
}

}  // namespace

std::vector<Paragraph> UpcomingParagraphs(const std::vector<const UpcomingEntry*>& shown,
                                          const TodayDates& today) {
  std::vector<Paragraph> paragraphs;
  if (shown.empty()) return paragraphs;
  paragraphs.push_back(
      OneRun(ParagraphAlign::kLeft, false, kTodayLineStyle,
             "今天是 公历" + DateToText(today.solar) + " 农历" + LunarDateText(today.lunar)));
  int section = -1;
  for (const UpcomingEntry* entry : shown) {
    const int entrySection = entry->days < 2 ? entry->days : 2;
    if (entrySection != section) {
      section = entrySection;
      const Heading& heading = kHeadings[section];
      paragraphs.push_back(OneRun(ParagraphAlign::kCenter, true, heading.style, heading.text));
    }
    paragraphs.push_back(Line(*entry));
  }
  return paragraphs;
}

std::string UpcomingRtf(const std::vector<const UpcomingEntry*>& shown, const TodayDates& today) {
  return RtfDocument(UpcomingParagraphs(shown, today));
}

}  // namespace memo
