#include "exchange/csv_records.h"

#include <algorithm>

namespace memo {
namespace {

// Steps over one line end at pos (CR LF, LF or CR); false when there is none.
bool SkipLineEnd(std::string_view text, size_t& pos) {
  if (pos >= text.size() || (text[pos] != '\r' && text[pos] != '\n')) return false;
  if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
  ++pos;
  return true;
}

// A formula's sign, after any apostrophes: a text that begins with the mark before a sign
// gets one more, which reading takes off again.
bool NeedsMark(std::string_view field) {
  field.remove_prefix(std::min(field.find_first_not_of('\''), field.size()));
  return !field.empty() &&
         std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos;
}

}  // namespace

std::string WithTextMark(std::string_view field) {
  return (NeedsMark(field) ? "'" : "") + std::string(field);
}

std::string_view WithoutTextMark(std::string_view field) {
  return field.substr(0, 1) == "'" && NeedsMark(field.substr(1)) ? field.substr(1) : field;
}

bool ReadCsvRecord(std::string_view text, size_t& pos, int& line, CsvRecord& record) {
  if (pos >= text.size()) return false;
  record.line = line;
  record.fields.assign(1, std::string());
  bool quoted = false;
  while (pos < text.size()) {
    const char c = text[pos];
    std::string* field = record.fields.size() <= kMaxCsvFields ? &record.fields.back() : nullptr;
    if (quoted) {
      if (c == '"' && pos + 1 < text.size() && text[pos + 1] == '"') {
        if (field) field->push_back('"');
        pos += 2;
        continue;
      }
      if (c == '"') {
        quoted = false;
      } else if (SkipLineEnd(text, pos)) {
        ++line;
        if (field) field->push_back('\n');
        continue;
      } else if (field) {
        field->push_back(c);
      }
      ++pos;
    } else if (c == '"') {
      quoted = true;
      ++pos;
    } else if (c == ',') {
      if (record.fields.size() <= kMaxCsvFields) record.fields.emplace_back();
      ++pos;
    } else if (SkipLineEnd(text, pos)) {
      ++line;
      break;
    } else {
      if (field) field->push_back(c);
      ++pos;
    }
  }
  if (record.fields.size() > kMaxCsvFields) record.fields.resize(kMaxCsvFields);
  return true;
}

std::string CsvField(std::string_view field) {
  const bool needsQuotes = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
  if (!needsQuotes) return std::string(field);
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted.push_back('"');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

}  // namespace memo
