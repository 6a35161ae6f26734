#include "exchange/content_lines.h"

#include "text/utf8.h"

namespace memo {
namespace {

constexpr char kLineEnd[] = "\r\n";

}  // namespace

void AppendContentLine(std::string& out, std::string_view line) {
  size_t room = kFoldedLineOctets;  // the first line has no leading blank
  while (line.size() > room) {
    size_t cut = room;
    while (cut > 0 && IsUtf8Continuation(line[cut])) --cut;
    out.append(line.substr(0, cut));
    out.append(kLineEnd);
    out.push_back(' ');
    line.remove_prefix(cut);
    room = kFoldedLineOctets - 1;
  }
  out.append(line);
  out.append(kLineEnd);
}

std::string EscapedText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    switch (c) {
      case '\\':
      case ';':
      case ',':
        out.push_back('\\');
        out.push_back(c);
        break;
      case '\r':
        if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        [[fallthrough]];
      case '\n':
        out.append("\\n");
        break;
      default:
        if ((static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) || c == '\t') out.push_back(c);
        break;
    }
  }
  return out;
}

}  // namespace memo
