#include "reckoning/page_rtf.h"

#include <algorithm>
#include <cstdint>

namespace memo {

int HalfPointsOfHtmlSize(int size) {
  // A browser's sizes at 96 dots per inch: 7.5, 10, 12, 13.5, 18, 24 and 36 points.
  static const int kHalfPoints[] = {15, 20, 24, 27, 36, 48, 72};
  return kHalfPoints[std::clamp(size, 1, 7) - 1];
}

namespace {

// The face a Chinese browser shows when the page names none.
const char kDefaultFace[] = "SimSun";

// Twips of blank space a browser puts between paragraphs: 1em of the normal 12-point text.
constexpr int kParagraphGapTwips = 240;

std::string Number(long value) {
  return std::to_string(value);
}

std::string AsciiFace(const std::string& face) {
  std::string out;
  for (char c : face) {
    if (c != '\\' && c != '{' && c != '}' && c != ';') out += c;
  }
  return out;
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

const char* AlignWord(ParagraphAlign align) {
  switch (align) {
    case ParagraphAlign::kCenter:
      return "\\qc";
    case ParagraphAlign::kRight:
      return "\\qr";
    case ParagraphAlign::kJustify:
      return "\\qj";
    case ParagraphAlign::kLeft:
      break;
  }
  return "\\ql";
}

// Index of value in table, added at the end when new.
template <typename T>
size_t IndexIn(std::vector<T>& table, const T& value) {
  auto found = std::find(table.begin(), table.end(), value);
  if (found != table.end()) return found - table.begin();
  table.push_back(value);
  return table.size() - 1;
}

}  // namespace

std::string RtfFaceName(const std::u16string& face) {
  static const struct {
    const char16_t* chinese;
    const char* english;
  } kKnownFaces[] = {{u"黑体", "SimHei"}, {u"宋体", "SimSun"},   {u"新宋体", "NSimSun"},
                     {u"楷体", "KaiTi"},  {u"仿宋", "FangSong"}, {u"微软雅黑", "Microsoft YaHei"}};
  for (const auto& known : kKnownFaces) {
    if (face == known.chinese) return known.english;
  }
  std::string ascii;
  for (char16_t c : face) {
    if (c < 0x20 || c >= 0x7F) return std::string();
    ascii += static_cast<char>(c);
  }
  return AsciiFace(ascii);
}

std::string PageRtf(const std::vector<PageParagraph>& paragraphs) {
  std::vector<std::string> faces = {kDefaultFace};
  std::vector<std::uint32_t> colors;  // colour table entries after the automatic entry 0
  std::string body;
  bool previousFromP = true;  // no gap above the first paragraph
  for (const PageParagraph& paragraph : paragraphs) {
    body += "\\pard";
    body += AlignWord(paragraph.align);
    if (paragraph.fromP) {
      // Margins of neighbouring paragraphs collapse into one gap, as in a browser.
      if (!previousFromP) body += "\\sb" + Number(kParagraphGapTwips);
      body += "\\sa" + Number(kParagraphGapTwips);
    }
    previousFromP = paragraph.fromP;
    body += ' ';
    for (const StyledRun& run : paragraph.runs) {
      std::string face = RtfFaceName(run.style.face);
      size_t font = face.empty() ? 0 : IndexIn(faces, face);
      size_t color = run.style.color == kAutoColor ? 0 : IndexIn(colors, run.style.color) + 1;
      // \plain first: the control's own default format (bold in some) must not show through.
      body += "{\\plain\\f" + Number(font) + "\\fs" + Number(HalfPointsOfHtmlSize(run.style.size)) +
              "\\cf" + Number(color) + (run.style.bold ? "\\b " : " ") + EscapeText(run.text) + "}";
    }
    body += "\\par\r\n";
  }

  std::string rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1{\\fonttbl";
  for (size_t i = 0; i < faces.size(); ++i) {
    rtf += "{\\f" + Number(i) + "\\fnil\\fcharset134 " + faces[i] + ";}";
  }
  rtf += "}{\\colortbl ;";
  for (std::uint32_t color : colors) {
    rtf += "\\red" + Number(color >> 16 & 0xFF) + "\\green" + Number(color >> 8 & 0xFF) + "\\blue" +
           Number(color & 0xFF) + ";";
  }
  rtf += "}\r\n" + body + "}";
  return rtf;
}

std::string PageHtmlToRtf(const std::string& gbkHtml) {
  return PageRtf(LayOutPage(gbkHtml));
}

}  // namespace memo
