// The columns of a spreadsheet of contacts, told by the titles of its header row in any
// order: this program's own (姓名,生日,历法,联系方式,称呼,分组,备注), Google Contacts' two
// exports (the older one with Name, Given Name, Additional Name, Family Name and Group
// Membership; the newer one with First Name, Middle Name, Last Name and Labels) and Outlook's
// (First Name, Middle Name, Last Name, Mobile Phone, Categories). Columns of other titles are
// ignored. Texts are GBK.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace memo {

inline constexpr size_t kNoColumn = static_cast<size_t>(-1);

// The reasons a header refuses the whole file.
inline constexpr char kNoNameColumn[] = "表头中没有姓名列";
inline constexpr char kNoBirthdayColumn[] = "表头中没有生日列";

struct ContactColumns {
  size_t name = kNoColumn, given = kNoColumn, middle = kNoColumn, family = kNoColumn;
  size_t birthday = kNoColumn, calendar = kNoColumn;
  size_t calledAs = kNoColumn, groups = kNoColumn, note = kNoColumn;
  // The columns that may hold the contact, best first: a row's first one that is not empty.
  std::vector<size_t> contacts;

  // kNoNameColumn or kNoBirthdayColumn for a header that lacks one, else nothing.
  const char* Problem() const;
};

// The columns when the titles (trimmed) name any column known here; nothing when they name
// none, and the row is no header.
std::optional<ContactColumns> ContactColumnsOf(const std::vector<std::string>& titles);

// A file of this program's without its header: 姓名,生日,历法,联系方式.
ContactColumns OwnColumnOrder();

// A name given in parts: a Chinese one runs family, middle and given name together
// (张 + 伟 → 张伟); a Latin one is given, middle and family name with blanks between.
std::string NameOfParts(const std::string& family, const std::string& given,
                        const std::string& middle);

// A birthday column's text as Google and Outlook write dates, made a text the birthday reader
// takes: "--05-01" (no year) → "05-01", "5/1/1990" (month first) → "1990/5/1"; Outlook's
// "0/0/00" for no date → empty. Any other text is given back as it is.
std::string ContactDateText(const std::string& text);

}  // namespace memo
