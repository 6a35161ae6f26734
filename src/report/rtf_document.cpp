#include "report/rtf_document.h"

#include <algorithm>

namespace memo {

int HalfPointsOfHtmlSize(int size) {
  // A browser's sizes at 96 dots per inch: 7.5, 10, 12, 13.5, 18, 24 and 36 points.
  static const int kHalfPoints[] = {15, 20, 24, 27, 36, 48, 72};
  return kHalfPoints[std::clamp(size, 1, 7) - 1];
}

namespace {

// Twips of blank space a browser puts between paragraphs: 1em of the normal 12-point text.
constexpr int kParagraphGapTwips = 240;

std::string Number(long value) {
  return std::to_string(value);
}

// Text as RTF: ASCII as it is (the three RTF specials escaped), everything else as \uN? with
// N the UTF-16 unit as a signed 16-bit number, which is how RTF spells it.
std::string EscapeText(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) {
    if (c == u'\\' || c == u'{' || c == u'}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == u'\n') {
      out += "\\line ";
    } else if (c == 0x00A0) {
      out += "\\~";
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      out += "\\u" + Number(static_cast<std::int16_t>(c)) + "?";
    }
  }
  return out;
}

}  // namespace

std::string RtfDocument(const std::vector<Paragraph>& paragraphs) {
  bool heiUsed = false;
  std::vector<std::uint32_t> colors;  // colour table entries after the automatic entry 0
  std::string body;
  bool previousSpaced = true;  // no gap above the first paragraph
  for (const Paragraph& paragraph : paragraphs) {
    body += paragraph.align == ParagraphAlign::kCenter ? "\\pard\\qc" : "\\pard\\ql";
    if (paragraph.spaced) {
      // Margins of neighbouring paragraphs collapse into one gap, as in a browser.
      if (!previousSpaced) body += "\\sb" + Number(kParagraphGapTwips);
      body += "\\sa" + Number(kParagraphGapTwips);
    }
    previousSpaced = paragraph.spaced;
    body += ' ';
    for (const StyledRun& run : paragraph.runs) {
      const bool hei = run.style.face == Face::kHei;
      heiUsed = heiUsed || hei;
      auto color = std::find(colors.begin(), colors.end(), run.style.color);
      if (color == colors.end()) color = colors.insert(colors.end(), run.style.color);
      // \plain first: the control's own default format (bold in some) must not show through.
      body += std::string("{\\plain\\f") + (hei ? "1" : "0") + "\\fs" +
              Number(HalfPointsOfHtmlSize(run.style.size)) + "\\cf" +
              Number(color - colors.begin() + 1) + (run.style.bold ? "\\b " : " ") +
              EscapeText(run.text) + "}";
    }
    body += "\\par\r\n";
  }

  std::string rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1{\\fonttbl";
  rtf += "{\\f0\\fnil\\fcharset134 SimSun;}";
  if (heiUsed) rtf += "{\\f1\\fnil\\fcharset134 SimHei;}";
  rtf += "}{\\colortbl ;";
  for (std::uint32_t color : colors) {
    rtf += "\\red" + Number(color >> 16 & 0xFF) + "\\green" + Number(color >> 8 & 0xFF) + "\\blue" +
           Number(color & 0xFF) + ";";
  }
  rtf += "}\r\n" + body + "}";
  return rtf;
}

}  // namespace memo
