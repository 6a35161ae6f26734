// Records of comma-separated values (RFC 4180): fields in double quotes may hold commas,
// quotes (doubled) and line breaks; records end with CR LF, LF or CR.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace memo {

// Fields beyond these are read over and dropped: Outlook's export has about 90 columns and
// Google's a few dozen, more with many numbers, and the ones read here come early.
inline constexpr size_t kMaxCsvFields = 256;

struct CsvRecord {
  int line = 0;  // the line the record begins on, from 1
  std::vector<std::string> fields;
};

// A field as written: in quotes when it holds a comma, a quote, a line break, or blanks
// at an end, which a spreadsheet would otherwise lose.
std::string CsvField(std::string_view field);

// A spreadsheet runs a field that begins with = + - or @ as a formula, and takes a leading
// tab or CR for one too; an apostrophe before it makes the field text, and the spreadsheet
// shows it without the apostrophe. WithoutTextMark takes off what WithTextMark put on.
std::string WithTextMark(std::string_view field);
std::string_view WithoutTextMark(std::string_view field);

// Reads the record at `pos` and moves past it, `line` counting the lines; false at the end
// of the text. The bytes may be UTF-8 or GBK: no GBK character has a byte that is a comma,
// a quote or a line end.
bool ReadCsvRecord(std::string_view text, size_t& pos, int& line, CsvRecord& record);

}  // namespace memo
