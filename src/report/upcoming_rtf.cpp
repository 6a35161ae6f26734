#include "report/upcoming_rtf.h"

#include "report/upcoming_lines.h"
#include "text/text_codec.h"

namespace memo {
namespace {

constexpr RunStyle kNoteStyle{0xFF0000, 2, Face::kHei, false};
// Between the parts of a line: a no-break space and a blank.
constexpr char16_t kGap[] = u"\u00A0 ";

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
  writer.Write(style, Gb18030ToUtf16(gbk));
  return writer.Take();
}

Paragraph Line(const UpcomingEntry& entry) {
  std::u16string text;
  for (const std::string& part : EntryLineParts(entry)) {
    text += (text.empty() ? u"" : kGap) + Gb18030ToUtf16(part);
  }
  ParagraphWriter writer(ParagraphAlign::kCenter, true);
  writer.Write(kEntryLineStyle, text);
  if (!entry.note.empty()) {
    writer.BreakLine(kEntryLineStyle);
    writer.Write(kNoteStyle, Gb18030ToUtf16(entry.note));
  }
  return writer.Take();
}

}  // namespace

std::vector<Paragraph> UpcomingParagraphs(const std::vector<UpcomingEntry>& entries,
                                          const TodayDates& today) {
  std::vector<Paragraph> paragraphs;
  if (entries.empty()) return paragraphs;
  paragraphs.push_back(OneRun(ParagraphAlign::kLeft, false, kTodayLineStyle, TodayLineText(today)));
  int section = -1;
  for (const UpcomingEntry& entry : entries) {
    const int entrySection = static_cast<int>(SectionOf(entry));
    if (entrySection != section) {
      section = entrySection;
      const SectionHeading& heading = kSectionHeadings[section];
      paragraphs.push_back(OneRun(ParagraphAlign::kCenter, true, heading.style, heading.text));
    }
    paragraphs.push_back(Line(entry));
  }
  return paragraphs;
}

std::string UpcomingRtf(const std::vector<UpcomingEntry>& entries, const TodayDates& today) {
  return RtfDocument(UpcomingParagraphs(entries, today));
}

}  // namespace memo
