// The upcoming-birthdays page as a reader sees it: paragraphs of styled runs, read from the
// page's HTML the way a browser reads the few elements the page is made of (P with align,
// FONT with color, size and face, STRONG, BR, and character references). Anything else in
// the markup is skipped, so a damaged page still shows its text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace memo {

// No colour given: the view shows its own text colour.
constexpr std::uint32_t kAutoColor = 0xFF000000;

struct RunStyle {
  std::uint32_t color = kAutoColor;  // 0xRRGGBB or kAutoColor
  int size = 3;                      // HTML font size, 1 to 7
  std::u16string face;               // empty: the view's default face
  bool bold = false;

  bool operator==(const RunStyle& other) const {
    return color == other.color && size == other.size && face == other.face && bold == other.bold;
  }
  bool operator!=(const RunStyle& other) const { return !(*this == other); }
};

// Text of one style. u'\n' is a line break (BR), U+00A0 a non-breaking space.
struct StyledRun {
  RunStyle style;
  std::u16string text;
};

enum class ParagraphAlign { kLeft, kCenter, kRight, kJustify };

struct PageParagraph {
  ParagraphAlign align = ParagraphAlign::kLeft;
  bool fromP = false;  // a P element, which a browser sets apart with blank space
  std::vector<StyledRun> runs;

  std::u16string Text() const;
};

// Reads the page's GBK bytes. Empty paragraphs are left out, so an empty page has none.
std::vector<PageParagraph> LayOutPage(const std::string& gbkHtml);

}  // namespace memo
