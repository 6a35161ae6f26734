#include "reckoning/page_layout.h"

#include <cstddef>
#include <optional>

#include "text/text_codec.h"

namespace memo {

std::u16string PageParagraph::Text() const {
  std::u16string text;
  for (const StyledRun& run : runs) text += run.text;
  return text;
}

namespace {

bool IsHtmlSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}
bool IsAsciiLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}
int HexValue(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}
char16_t AsciiLower(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c;
}
std::u16string Lower(std::u16string text) {
  for (char16_t& c : text) c = AsciiLower(c);
  return text;
}
std::u16string Trim(const std::u16string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsHtmlSpace(text[begin])) ++begin;
  while (end > begin && IsHtmlSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

void AppendCodePoint(std::u16string& out, std::uint32_t code) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
  if (code >= 0x10000) {
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
  } else {
    out += static_cast<char16_t>(code);
  }
}

// Decodes a character reference starting at text[at] == '&'. On success appends the character,
// returns the index after the ';'; otherwise returns nullopt and the '&' is plain text.
std::optional<size_t> DecodeReference(const std::u16string& text, size_t at, std::u16string& out) {
  // A reference is short; a ';' further away belongs to other text.
  size_t semicolon = text.substr(at, 32).find(u';');
  if (semicolon == std::u16string::npos) return std::nullopt;
  semicolon += at;
  std::u16string body = text.substr(at + 1, semicolon - at - 1);
  static const struct {
    const char16_t* name;
    char16_t character;
  } kNamed[] = {{u"nbsp", 0x00A0}, {u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}};
  for (const auto& named : kNamed) {
    if (body == named.name) {
      out += named.character;
      return semicolon + 1;
    }
  }
  if (body.size() < 2 || body[0] != u'#') return std::nullopt;
  bool hex = body[1] == u'x' || body[1] == u'X';
  size_t digits = hex ? 2 : 1;
  if (digits >= body.size()) return std::nullopt;
  std::uint32_t code = 0;
  for (size_t i = digits; i < body.size(); ++i) {
    int value = hex ? HexValue(body[i]) : (IsDigit(body[i]) ? body[i] - u'0' : -1);
    if (value < 0) return std::nullopt;
    code = code * (hex ? 16 : 10) + value;
    if (code > 0x10FFFF) code = 0x110000;  // stays out of range without overflowing
  }
  AppendCodePoint(out, code);
  return semicolon + 1;
}

std::u16string DecodeReferences(const std::u16string& text) {
  std::u16string out;
  for (size_t i = 0; i < text.size();) {
    if (text[i] == u'&') {
      if (std::optional<size_t> next = DecodeReference(text, i, out)) {
        i = *next;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

struct Attribute {
  std::u16string name;  // lower case
  std::u16string value;
};

struct Tag {
  std::u16string name;  // lower case
  bool closing = false;
  std::vector<Attribute> attributes;

  std::optional<std::u16string> Find(const std::u16string& attribute) const {
    for (const Attribute& a : attributes) {
      if (a.name == attribute) return a.value;
    }
    return std::nullopt;
  }
};

// Reads the attributes of a tag from text[at] up to and including its '>'. Returns the
// index after the '>', or npos when the text ends inside the tag.
size_t ReadAttributes(const std::u16string& text, size_t at, Tag& tag) {
  size_t i = at;
  auto atEnd = [&] { return i >= text.size(); };
  while (true) {
    while (!atEnd() && (IsHtmlSpace(text[i]) || text[i] == u'/')) ++i;
    if (atEnd()) return std::u16string::npos;
    if (text[i] == u'>') return i + 1;
    Attribute attribute;
    while (!atEnd() && !IsHtmlSpace(text[i]) && text[i] != u'=' && text[i] != u'>' &&
           text[i] != u'/') {
      attribute.name += AsciiLower(text[i++]);
    }
    while (!atEnd() && IsHtmlSpace(text[i])) ++i;
    if (!atEnd() && text[i] == u'=') {
      ++i;
      while (!atEnd() && IsHtmlSpace(text[i])) ++i;
      if (atEnd()) return std::u16string::npos;
      if (text[i] == u'"' || text[i] == u'\'') {
        char16_t quote = text[i++];
        size_t close = text.find(quote, i);
        if (close == std::u16string::npos) return std::u16string::npos;
        attribute.value = text.substr(i, close - i);
        i = close + 1;
      } else {
        size_t begin = i;
        while (!atEnd() && !IsHtmlSpace(text[i]) && text[i] != u'>') ++i;
        attribute.value = text.substr(begin, i - begin);
      }
      attribute.value = DecodeReferences(attribute.value);
    }
    if (!attribute.name.empty()) tag.attributes.push_back(std::move(attribute));
  }
}

// FONT color: "#rrggbb", "#rgb" or six bare hex digits; anything else leaves the colour as is.
std::optional<std::uint32_t> ParseColor(const std::u16string& value) {
  std::u16string digits = Trim(value);
  bool hashed = !digits.empty() && digits[0] == u'#';
  if (hashed) digits.erase(0, 1);
  if (digits.size() == 3 && hashed) {
    digits = {digits[0], digits[0], digits[1], digits[1], digits[2], digits[2]};
  }
  if (digits.size() != 6) return std::nullopt;
  std::uint32_t color = 0;
  for (char16_t c : digits) {
    int value = HexValue(c);
    if (value < 0) return std::nullopt;
    color = color * 16 + value;
  }
  return color;
}

// FONT size: 1 to 7, or a change of the normal size 3 written with a sign; clamped to 1..7.
std::optional<int> ParseSize(const std::u16string& value) {
  std::u16string text = Trim(value);
  size_t i = 0;
  int sign = 0;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) sign = text[i++] == u'+' ? 1 : -1;
  if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
  int number = 0;
  while (i < text.size() && IsDigit(text[i]) && number < 100)
    number = number * 10 + text[i++] - u'0';
  int size = sign == 0 ? number : 3 + sign * number;
  return size < 1 ? 1 : size > 7 ? 7 : size;
}

// FONT face: the first of a comma-separated list.
std::optional<std::u16string> ParseFace(const std::u16string& value) {
  std::u16string face = Trim(value.substr(0, value.find(u',')));
  if (face.empty()) return std::nullopt;
  return face;
}

ParagraphAlign ParseAlign(const std::optional<std::u16string>& value) {
  std::u16string align = value ? Lower(Trim(*value)) : std::u16string();
  if (align == u"center") return ParagraphAlign::kCenter;
  if (align == u"right") return ParagraphAlign::kRight;
  if (align == u"justify") return ParagraphAlign::kJustify;
  return ParagraphAlign::kLeft;
}

// An open FONT or STRONG element. As in a browser, these stay in force across paragraph
// boundaries until their own end tag, which closes the innermost open element of its kind.
struct Formatting {
  bool strong = false;
  std::optional<std::uint32_t> color;
  std::optional<int> size;
  std::optional<std::u16string> face;
};

// Deeper nesting than any real page is ignored rather than slowing the view down.
constexpr size_t kMaxOpenFormatting = 256;

class PageReader {
 public:
  std::vector<PageParagraph> Read(const std::u16string& html) {
    text_ = &html;
    size_t i = 0;
    while (i < html.size()) {
      char16_t c = html[i];
      if (c == u'<') {
        i = ReadMarkup(i);
      } else if (c == u'&') {
        std::u16string decoded;
        std::optional<size_t> next = DecodeReference(html, i, decoded);
        AddText(next ? decoded : std::u16string(1, c));
        i = next ? *next : i + 1;
      } else {
        size_t end = html.find_first_of(u"<&", i);
        if (end == std::u16string::npos) end = html.size();
        AddText(html.substr(i, end - i));
        i = end;
      }
    }
    EndParagraph();
    return std::move(paragraphs_);
  }

 private:
  // Handles the markup starting at '<'; returns where the text goes on.
  size_t ReadMarkup(size_t at) {
    const std::u16string& html = *text_;
    size_t next = at + 1;
    bool closing = next < html.size() && html[next] == u'/';
    if (closing) ++next;
    if (next < html.size() && IsAsciiLetter(html[next])) {
      Tag tag;
      tag.closing = closing;
      while (next < html.size() && (IsAsciiLetter(html[next]) || IsDigit(html[next]))) {
        tag.name += AsciiLower(html[next++]);
      }
      size_t after = ReadAttributes(html, next, tag);
      if (after == std::u16string::npos) return html.size();  // cut off inside a tag
      Apply(tag);
      return after;
    }
    if (closing || (next < html.size() && (html[next] == u'!' || html[next] == u'?'))) {
      // Comments, declarations and broken end tags show nothing.
      bool comment = html.compare(at, 4, u"<!--") == 0;
      size_t end = comment ? html.find(u"-->", at + 4) : html.find(u'>', next);
      if (end == std::u16string::npos) return html.size();
      return end + (comment ? 3 : 1);
    }
    AddText(u"<");
    return at + 1;
  }

  void Apply(const Tag& tag) {
    if (tag.name == u"p") {
      if (!tag.closing) {
        EndParagraph();
        current_.align = ParseAlign(tag.Find(u"align"));
        current_.fromP = true;
      } else if (current_.fromP) {
        EndParagraph();
      }
    } else if (tag.name == u"br" && !tag.closing) {
      pendingSpace_ = false;
      Append(u'\n');
      lineStarted_ = false;
    } else if (tag.name == u"font" || tag.name == u"strong") {
      bool strong = tag.name == u"strong";
      if (tag.closing) {
        Close(strong);
      } else if (open_.size() < kMaxOpenFormatting) {
        Formatting formatting;
        formatting.strong = strong;
        if (!strong) {
          if (auto color = tag.Find(u"color")) formatting.color = ParseColor(*color);
          if (auto size = tag.Find(u"size")) formatting.size = ParseSize(*size);
          if (auto face = tag.Find(u"face")) formatting.face = ParseFace(*face);
        }
        open_.push_back(formatting);
        UpdateStyle();
      }
    }
  }

  void Close(bool strong) {
    for (size_t i = open_.size(); i-- > 0;) {
      if (open_[i].strong == strong) {
        open_.erase(open_.begin() + i);
        UpdateStyle();
        return;
      }
    }
  }

  void UpdateStyle() {
    style_ = RunStyle();
    for (const Formatting& f : open_) {
      if (f.strong) style_.bold = true;
      if (f.color) style_.color = *f.color;
      if (f.size) style_.size = *f.size;
      if (f.face) style_.face = *f.face;
    }
  }

  // White space collapses to one space between words and vanishes at line ends.
  void AddText(const std::u16string& text) {
    for (char16_t c : text) {
      if (IsHtmlSpace(c)) {
        if (lineStarted_) pendingSpace_ = true;
        continue;
      }
      if (c < 0x20 || c == 0x7F) continue;  // control characters show nothing
      if (pendingSpace_) Append(u' ');
      pendingSpace_ = false;
      Append(c);
      lineStarted_ = true;
    }
  }

  void Append(char16_t c) {
    std::vector<StyledRun>& runs = current_.runs;
    if (runs.empty() || runs.back().style != style_) runs.push_back({style_, u""});
    runs.back().text += c;
  }

  void EndParagraph() {
    if (!current_.runs.empty()) paragraphs_.push_back(std::move(current_));
    current_ = PageParagraph();
    pendingSpace_ = false;
    lineStarted_ = false;
  }

  const std::u16string* text_ = nullptr;
  std::vector<PageParagraph> paragraphs_;
  PageParagraph current_;
  std::vector<Formatting> open_;
  RunStyle style_;
  bool pendingSpace_ = false;
  bool lineStarted_ = false;
};

}  // namespace

std::vector<PageParagraph> LayOutPage(const std::string& gbkHtml) {
  return PageReader().Read(GbkToUtf16(gbkHtml));
}

}  // namespace memo
