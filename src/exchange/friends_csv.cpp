#include "exchange/friends_csv.h"

#include <cstdio>
#include <optional>

#include "exchange/contact_columns.h"
#include "exchange/contact_groups.h"
#include "exchange/csv_records.h"
#include "exchange/exchange_text.h"
#include "lunar/lunar_date_words.h"
#include "reckoning/birthday.h"
#include "text/text_codec.h"
#include "text/text_operations.h"

namespace memo {
namespace {

constexpr const char* kHeaders[] = {"姓名", "生日", "历法", "联系方式", "称呼", "分组", "备注"};
constexpr char kLineEnd[] = "\r\n";
// Between two groups in a field: this program's own, Google's labels, Outlook's categories.
const std::vector<std::string> kGroupSeparators = {":::", ";", kGroupSeparator};

// The columns when the record is the header; nothing when it is not.
std::optional<ContactColumns> HeaderColumns(const CsvRecord& record, FileEncoding encoding) {
  std::vector<std::string> titles;
  for (const std::string& field : record.fields) {
    titles.push_back(ExactGb18030(std::string(Trimmed(field)), encoding).value_or(""));
  }
  return ContactColumnsOf(titles);
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
  CsvFriends(FileEncoding encoding, ContactColumns columns)
      : encoding_(encoding), columns_(std::move(columns)) {}

  void Take(ImportRead& read, const CsvRecord& record) const {
    const std::optional<std::string> name = Name(record);
    const std::string shown = name ? *name : ShownGb18030(Raw(record, columns_.name), encoding_);
    if (encoding_ == FileEncoding::kUtf8 && !AllUtf8(record)) {
      return read.Refuse(record.line, shown, kNotUtf8);
    }
    std::optional<std::string> birthdayText = Field(record, columns_.birthday);
    if (birthdayText) *birthdayText = ContactDateText(*birthdayText);
    const CalendarSays says = CalendarOf(Field(record, columns_.calendar));
    if (says == CalendarSays::kUnknown) return read.Refuse(record.line, shown, kUnknownCalendar);
    if (birthdayText && birthdayText->empty()) return read.Refuse(record.line, shown, kNoBirthday);
    const Birthday birthday = ReadCsvBirthday(birthdayText.value_or(""), says);
    if (!birthday.ok()) return read.Refuse(record.line, shown, kBadCsvBirthday);
    TakeFriend(read, record.line, name, shown, Contact(record),
               BirthdayFields{birthday.year, birthday.month, birthday.day, birthday.lunar(),
                              birthday.leap},
               Details(record));
  }

 private:
  static bool AllUtf8(const CsvRecord& record) {
    for (const std::string& field : record.fields) {
      if (!IsUtf8(field)) return false;
    }
    return true;
  }
  static std::string Raw(const CsvRecord& record, size_t at) {
    return at < record.fields.size() ? std::string(WithoutTextMark(Trimmed(record.fields[at])))
                                     : std::string();
  }
  std::optional<std::string> Field(const CsvRecord& record, size_t at) const {
    return ExactGb18030(Raw(record, at), encoding_);
  }
  // The whole name, else the name put together from its parts.
  std::optional<std::string> Name(const CsvRecord& record) const {
    const std::optional<std::string> whole = Field(record, columns_.name);
    const bool inParts = columns_.given != kNoColumn || columns_.family != kNoColumn;
    if (!inParts || !whole || !whole->empty()) return whole;
    const std::optional<std::string> family = Field(record, columns_.family),
                                     given = Field(record, columns_.given),
                                     middle = Field(record, columns_.middle);
    if (!family || !given || !middle) return std::nullopt;
    return NameOfParts(*family, *given, *middle);
  }
  // The first contact column that holds one; of Google's "a ::: b", the first.
  std::optional<std::string> Contact(const CsvRecord& record) const {
    for (size_t at : columns_.contacts) {
      const std::optional<std::string> contact = Field(record, at);
      if (!contact) return contact;
      if (contact->empty()) continue;
      return std::string(Trimmed(contact->substr(0, contact->find(":::"))));
    }
    return std::string();
  }
  ContactDetails Details(const CsvRecord& record) const {
    ContactDetails details;
    details.calledAs = Field(record, columns_.calledAs).value_or("");
    details.groups =
        GroupsOf(SplitLabels(Field(record, columns_.groups).value_or(""), kGroupSeparators));
    details.note = Field(record, columns_.note).value_or("");
    return details;
  }

  FileEncoding encoding_;
  ContactColumns columns_;
};

std::string SheetField(const std::string& gbk) {
  return CsvField(WithTextMark(Gb18030ToUtf8(gbk)));
}

// A birthday without a year as Google writes one, "--05-01", which no spreadsheet takes for
// a date of its own year.
std::string SheetBirthday(const Birthday& birthday) {
  if (!birthday.ok() || birthday.hasYear()) return birthday.text;
  char monthDay[8];
  std::snprintf(monthDay, sizeof monthDay, "--%02d-%02d", birthday.month, birthday.day);
  return monthDay + std::string(birthday.leap ? kLeapMonthMark : "");
}

}  // namespace

std::string WriteFriendsCsv(const std::vector<Friend>& friends) {
  std::string out = kUtf8Bom;
  std::string header;
  for (const char* title : kHeaders) header += (header.empty() ? "" : ",") + std::string(title);
  out += Gb18030ToUtf8(header) + kLineEnd;
  for (const Friend& person : friends) {
    out += SheetField(person.name) + ',' + SheetField(SheetBirthday(person.birthday)) + ',' +
           SheetField(person.birthday.calendarName()) + ',' + SheetField(person.contact) + ',' +
           SheetField(person.calledAs) + ',' + SheetField(person.groups) + ',' +
           SheetField(person.note) + kLineEnd;
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
      const std::optional<ContactColumns> header = HeaderColumns(record, encoding);
      if (header && header->Problem()) {
        read.failure = header->Problem();
        break;
      }
      friends.emplace(encoding, header.value_or(OwnColumnOrder()));
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
