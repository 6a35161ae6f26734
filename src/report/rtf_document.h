// A rich-text document for a rich-text view: paragraphs of styled runs, written as RTF.
// Every character outside ASCII is written as a Unicode escape, so the view shows the right
// Chinese text whatever the system's ANSI code page is; sizes are a browser's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace memo {

enum class Face { kDefault, kHei };  // 宋体 (SimSun) and 黑体 (SimHei)

struct RunStyle {
  std::uint32_t color = 0;  // 0xRRGGBB
  int size = 3;             // HTML font size, 1 to 7
  Face face = Face::kDefault;
  bool bold = false;

  bool operator==(const RunStyle& other) const {
    return color == other.color && size == other.size && face == other.face && bold == other.bold;
  }
  bool operator!=(const RunStyle& other) const { return !(*this == other); }
};

// Text of one style. u'\n' is a line break, U+00A0 a non-breaking space.
struct StyledRun {
  RunStyle style;
  std::u16string text;
};

enum class ParagraphAlign { kLeft, kCenter };

struct Paragraph {
  ParagraphAlign align = ParagraphAlign::kLeft;
  bool spaced = false;  // set apart with blank space, as a browser sets apart a P element
  std::vector<StyledRun> runs;
};

// Point size, in half points, of an HTML font size 1 to 7.
int HalfPointsOfHtmlSize(int size);

std::string RtfDocument(const std::vector<Paragraph>& paragraphs);

}  // namespace memo
