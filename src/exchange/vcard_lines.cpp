#include "exchange/vcard_lines.h"

#include <cctype>

#include "exchange/exchange_text.h"

namespace memo {
namespace {

// Physical lines ended by CR LF, LF or CR, numbered from 1.
class PhysicalLines {
 public:
  explicit PhysicalLines(std::string_view text) : text_(text) {}

  bool Next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    const size_t end = text_.find_first_of("\r\n", pos_);
    const size_t stop = end == std::string_view::npos ? text_.size() : end;
    line = text_.substr(pos_, stop - pos_);
    pos_ = stop;
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++number_;
    return true;
  }
  // A line beginning with a blank or a tab continues the one before it.
  bool NextIsFolded() const {
    return pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t');
  }
  bool AtEnd() const { return pos_ >= text_.size(); }
  int number() const { return number_; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
  int number_ = 0;
};

// The end of the part before the value: the first colon outside a quoted parameter value.
size_t ValueColon(std::string_view line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == ':' && !quoted) return i;
  }
  return std::string_view::npos;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// The property name of a line's head, without its group.
std::string_view NameOf(std::string_view head) {
  const std::string_view name = head.substr(0, head.find(';'));
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

bool IsQuotedPrintable(std::string_view head) {
  for (size_t at = head.find(';'); at != std::string_view::npos; at = head.find(';', at + 1)) {
    std::string_view parameter = head.substr(at + 1);
    parameter = parameter.substr(0, parameter.find(';'));
    const size_t equals = parameter.find('=');
    if (equals != std::string_view::npos) parameter.remove_prefix(equals + 1);
    if (EqualsIgnoringCase(Trimmed(parameter), "QUOTED-PRINTABLE")) return true;
  }
  return false;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "=XX" becomes its byte; an "=" that starts no such pair stays as it is.
std::string DecodeQuotedPrintable(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '=' && i + 2 < value.size() && HexValue(value[i + 1]) >= 0 &&
        HexValue(value[i + 2]) >= 0) {
      out.push_back(static_cast<char>(HexValue(value[i + 1]) * 16 + HexValue(value[i + 2])));
      i += 2;
    } else {
      out.push_back(value[i]);
    }
  }
  return out;
}

VCardProperty ParseProperty(int line, std::string_view logical, bool quotedPrintable) {
  VCardProperty property;
  property.line = line;
  const size_t colon = ValueColon(logical);
  const std::string_view head = logical.substr(0, colon);
  property.name = Upper(Trimmed(NameOf(head)));
  std::string_view rest = head.substr(std::min(head.size(), head.find(';')));
  while (!rest.empty()) {
    rest.remove_prefix(1);  // the semicolon
    const std::string_view parameter = rest.substr(0, rest.find(';'));
    rest.remove_prefix(parameter.size());
    const size_t equals = parameter.find('=');
    if (equals == std::string_view::npos) {
      property.parameters.emplace_back(std::string(), Upper(Trimmed(parameter)));
    } else {
      std::string_view value = Trimmed(parameter.substr(equals + 1));
      if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
      }
      property.parameters.emplace_back(Upper(Trimmed(parameter.substr(0, equals))),
                                       std::string(value));
    }
  }
  const std::string_view value =
      colon == std::string_view::npos ? std::string_view() : logical.substr(colon + 1);
  property.value = quotedPrintable ? DecodeQuotedPrintable(value) : std::string(value);
  return property;
}

}  // namespace

std::string VCardProperty::Parameter(std::string_view parameterName) const {
  for (const auto& [name, value] : parameters) {
    if (name == parameterName) return value;
  }
  return std::string();
}

void ForEachVCardProperty(std::string_view text,
                          const std::function<bool(std::string_view name)>& wanted,
                          const std::function<void(const VCardProperty&)>& take) {
  PhysicalLines lines(text);
  std::string_view first;
  std::string logical;
  while (lines.Next(first)) {
    if (Trimmed(first).empty()) continue;
    const int number = lines.number();
    const std::string_view head = first.substr(0, ValueColon(first));
    const bool keep = wanted(Upper(Trimmed(NameOf(head))));
    const bool quotedPrintable = IsQuotedPrintable(head);
    if (keep) logical.assign(first);
    std::string_view next;
    // The last physical line read so far ends with a quoted-printable soft line break.
    bool softBreak = quotedPrintable && !first.empty() && first.back() == '=';
    while (true) {
      if (lines.NextIsFolded()) {
        lines.Next(next);
        if (keep) logical.append(next.substr(1));
      } else if (softBreak && !lines.AtEnd()) {
        lines.Next(next);
        if (keep) {
          logical.pop_back();
          logical.append(next);
        }
      } else {
        break;
      }
      softBreak = quotedPrintable && !next.empty() && next.back() == '=';
    }
    if (keep) take(ParseProperty(number, logical, quotedPrintable));
  }
}

}  // namespace memo
