// What reading an exchange file gives: the friends it holds, each with the line it begins
// on, and the entries refused, each with its line and reason. Texts are GBK.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exchange/exchange_text.h"
#include "records/friend.h"

namespace memo {

// Limits that keep a huge or hostile file from taking the program's memory and time.
inline constexpr size_t kMaxImportFileBytes = 64u << 20;
inline constexpr size_t kMaxImportEntries = 100000;      // friends and refusals together
inline constexpr size_t kMaxImportTextCharacters = 255;  // a name or a contact
// Enough of a refused entry's name to find it in the file; a hostile file's name of
// megabytes would otherwise fill the preview and the terminal.
inline constexpr size_t kMaxRefusedNameCharacters = 40;

// The reasons an entry is refused.
inline constexpr char kNoBirthday[] = "没有生日";
inline constexpr char kBadBirthday[] = "生日不是有效日期";
inline constexpr char kUnknownCalendar[] = "历法不是公历或农历";
inline constexpr char kNoName[] = "没有姓名";
inline constexpr char kNameNotText[] = "姓名含有无法识别的字节";
inline constexpr char kContactNotText[] = "联系方式含有无法识别的字节";
inline constexpr char kNameTooLong[] = "姓名太长";
inline constexpr char kContactTooLong[] = "联系方式太长";
inline constexpr char kUnfinishedCard[] = "名片没有结束（缺少END:VCARD）";
inline constexpr char kNotUtf8[] = "含有不是UTF-8编码的字节";
inline constexpr char kNameControl[] = "姓名含有控制字符";
inline constexpr char kContactControl[] = "联系方式含有控制字符";
// Reasons that refuse the whole file.
inline constexpr char kTooManyEntries[] = "文件中的条目超过100000个";
inline constexpr char kUnreadableFile[] = "文件无法读取";
inline constexpr char kUnreadableBackup[] = "备份文件无法读取";
inline constexpr char kFileTooLarge[] = "文件超过64MB";
inline constexpr char kCalendarFile[] = "日历文件只能导出，不能导入";
inline constexpr char kUnknownFile[] = "这不是通讯录、表格或备份文件";

struct ImportedFriend {
  int line = 0;
  Friend person;
};

struct Refusal {
  int line = 0;
  // As far as it could be read, for the user to find the entry: its first
  // kMaxRefusedNameCharacters characters, and "…" when there were more.
  std::string name;
  std::string reason;
};

struct ImportRead {
  std::vector<ImportedFriend> friends;
  std::vector<Refusal> refusals;
  // Why the whole file was refused; empty when it was read.
  std::string failure;
  // What a text file was read as; a backup has no encoding of its own.
  std::optional<FileEncoding> encoding;

  bool Full() const;
  void Refuse(int line, const std::string& name, const std::string& reason);
};

// A birthday as an exchange file gives it, before it is checked.
struct BirthdayFields {
  int year = 0;  // 0 when the file gives none
  int month = 0;
  int day = 0;
  bool lunar = false;
  bool leap = false;
};

// A name or contact is stored as the preview shows it: a run of tabs and line breaks
// becomes one blank, as in the window's one-line boxes, and any other control character
// (C0 or DEL) refuses the entry, since the table would keep a text cut at a NUL. Returns the
// reason, or nothing with both texts made one line.
const char* ControlProblem(std::string& name, std::string& contact);

// The reason a name and a contact cannot be stored, or nothing with both made one line: a
// name that is empty, too long or without a GBK form (nothing), a contact too long or
// without one, or a control character.
const char* TextsProblem(std::optional<std::string>& name, std::optional<std::string>& contact);

// What a file says of a contact beyond the birthday table's columns. They never refuse an
// entry: the 称呼 is made one line, a note keeps its line breaks and loses other control
// characters.
struct ContactDetails {
  std::string calledAs;
  std::string groups;  // as GroupsOf gives them
  std::string note;
};

// Adds the friend with the birthday in its stored form, or a refusal: a TextsProblem, or a
// date that is no birthday.
void TakeFriend(ImportRead& read, int line, std::optional<std::string> name,
                const std::string& shownName, std::optional<std::string> contact,
                const BirthdayFields& birthday, ContactDetails details = {});

}  // namespace memo
