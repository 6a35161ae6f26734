#include "exchange/friends_csv.h"

#include <array>
#include <optional>

#include "exchange/csv_records.h"
#include "exchange/exchange_text.h"
#include "lunar/lunar_date_words.h"
#include "reckoning/birthday.h"
#include "text/text_codec.h"
#include "text/text_operations.h"

namespace memo {
namespace {

enum Column { kName, kBirthday, kCalendar, kContact, kColumns };
constexpr std::array<const char*, kColumns> kHeaders = {"姓名", "生日", "历法", "联系方式"};
constexpr char kLineEnd[] = "\r\n";
// Put before a month and day to read them; a leap year, so that 2月29日 reads too.
constexpr char kAnyYear[] = "2000年";

using ColumnPositions = std::array<size_t, kColumns>;
constexpr ColumnPositions kHeaderOrder = {0, 1, 2, 3};

// The positions of the columns when the record is the header; nothing when it is not.
std::optional<ColumnPositions> HeaderPositions(const CsvRecord& record, FileEncoding encoding) {
  ColumnPositions positions;
  positions.fill(kMaxCsvFields);
  bool named = false;
  for (size_t i = 0; i < record.fields.size(); ++i) {
    const std::optional<std::string> title =
        ExactGb18030(std::string(Trimmed(record.fields[i])), encoding);
    for (size_t column = 0; title && column < kColumns; ++column) {
      if (*title == kHeaders[column] && positions[column] == kMaxCsvFields) {
        positions[column] = i;
        named = named || column == kName;
      }
    }
  }
  if (!named) return std::nullopt;
  return positions;
}

// What the 历法 column says; an empty one says nothing, and the date is solar unless the
// birthday column itself makes it lunar.
enum class CalendarSays { kNothing, kSolar, kLunar, kUnknown };

CalendarSays CalendarOf(const std::optional<std::string>& calendar) {
  if (!calendar) return CalendarSays::kUnknown;
  if (calendar->empty()) return CalendarSays::kNothing;
  if (*calendar == kSolarCalendar || *calendar == "阳历" ||
      EqualsIgnoringCase(*calendar, "solar")) {
    return CalendarSays::kSolar;
  }
  if (*calendar == kLunarCalendar || *calendar == "阴历" ||
      EqualsIgnoringCase(*calendar, "lunar")) {
    return CalendarSays::kLunar;
  }
  return CalendarSays::kUnknown;
}

// The word that makes a date in the birthday column lunar whatever the 历法 column says.
constexpr char kLunarWord[] = "农历";

// "5月3日" names a day but not the year that the age needs: a reason of its own.
const char* BirthdayProblem(const std::string& text) {
  return ReadDateTextFields(kAnyYear + text) ? kNoBirthYear : kBadCsvBirthday;
}

// The birthday column as people write lunar dates too: with 农历 before it, or in lunar
// words ("1940年腊月初八", with the table's leap mark too: "1963年四月十五[闰月]"), either of
// which makes it lunar; a 历法 column that says 公历 then contradicts it, and the birthday is
// not read.
Birthday ReadCsvBirthday(std::string text, CalendarSays calendar) {
  const bool lunarWord = text.compare(0, sizeof(kLunarWord) - 1, kLunarWord) == 0;
  if (lunarWord) text.erase(0, sizeof(kLunarWord) - 1);
  const std::string unmarked = ReplaceText(text, kLeapMonthMark, "");
  const std::optional<LunarDate> words = ReadLunarDateWords(unmarked);
  if ((lunarWord || words) && calendar == CalendarSays::kSolar) return Birthday{};
  if (words) {
    const bool leap = words->isLeapMonth || unmarked != text;
    return BirthdayOf(true, words->year, words->month, words->day, leap);
  }
  return ReadBirthday(text, lunarWord || calendar == CalendarSays::kLunar);
}

class CsvFriends {
 public:
  CsvFriends(FileEncoding encoding, const ColumnPositions& positions)
      : encoding_(encoding), positions_(positions) {}

  void Take(ImportRead& read, const CsvRecord& record) const {
    const std::optional<std::string> name = Field(record, kName);
    const std::string shown = name ? *name : ShownGb18030(Raw(record, kName), encoding_);
    if (encoding_ == FileEncoding::kUtf8 && !AllUtf8(record)) {
      return read.Refuse(record.line, shown, kNotUtf8);
    }
    const std::optional<std::string> birthdayText = Field(record, kBirthday);
    const std::optional<std::string> calendar = Field(record, kCalendar);
    const CalendarSays says = CalendarOf(calendar);
    if (says == CalendarSays::kUnknown) return read.Refuse(record.line, shown, kUnknownCalendar);
    if (birthdayText && birthdayText->empty()) return read.Refuse(record.line, shown, kNoBirthday);
    const Birthday birthday = ReadCsvBirthday(birthdayText.value_or(""), says);
    if (!birthday.ok())
      return read.Refuse(record.line, shown, BirthdayProblem(birthdayText.value_or("")));
    TakeFriend(read, record.line, name, shown, Field(record, kContact),
               BirthdayFields{birthday.year, birthday.month, birthday.day, birthday.lunar(),
                              birthday.leap});
  }

 private:
  static bool AllUtf8(const CsvRecord& record) {
    for (const std::string& field : record.fields) {
      if (!IsUtf8(field)) return false;
    }
    return true;
  }
  std::string Raw(const CsvRecord& record, Column column) const {
    const size_t at = positions_[column];
    return at < record.fields.size() ? std::string(WithoutTextMark(Trimmed(record.fields[at])))
                                     : std::string();
  }
  std::optional<std::string> Field(const CsvRecord& record, Column column) const {
    return ExactGb18030(Raw(record, column), encoding_);
  }

  FileEncoding encoding_;
  ColumnPositions positions_;
};

std::string SheetField(const std::string& gbk) {
  return CsvField(WithTextMark(Gb18030ToUtf8(gbk)));
}

}  // namespace

std::string WriteFriendsCsv(const std::vector<Friend>& friends) {
  std::string out = kUtf8Bom;
  std::string header;
  for (const char* title : kHeaders) header += (header.empty() ? "" : ",") + std::string(title);
  out += Gb18030ToUtf8(header) + kLineEnd;
  for (const Friend& person : friends) {
    out += SheetField(person.name) + ',' + SheetField(person.birthday.text) + ',' +
           SheetField(person.birthday.calendarName()) + ',' + SheetField(person.contact) + kLineEnd;
  }
  return out;
}

ImportRead ReadFriendsCsv(std::string_view bytes, std::optional<FileEncoding> chosen) {
  bytes = WithoutBom(bytes);
  const FileEncoding encoding = chosen.value_or(EncodingOf(bytes));
  ImportRead read;
  read.encoding = encoding;
  std::optional<CsvFriends> friends;
  size_t pos = 0;
  int line = 1;
  CsvRecord record;
  while (ReadCsvRecord(bytes, pos, line, record)) {
    if (record.fields.size() == 1 && Trimmed(record.fields[0]).empty()) continue;
    if (!friends) {
      const std::optional<ColumnPositions> header = HeaderPositions(record, encoding);
      friends.emplace(encoding, header.value_or(kHeaderOrder));
      if (header) continue;
    }
    if (read.Full()) {
      read.failure = kTooManyEntries;
      break;
    }
    friends->Take(read, record);
  }
  return read;
}

}  // namespace memo
