// One row of the birthday table, and the names of the table and the columns the program
// uses (any other column of the table is ignored). Texts are GBK.
#pragma once

#include <string>

namespace memo {

inline constexpr char kBirthdayTable[] = "生日";
inline constexpr char kNameColumn[] = "姓名";
inline constexpr char kBirthdayColumn[] = "生日";
inline constexpr char kLunarColumn[] = "提醒方式";
inline constexpr char kContactColumn[] = "联系方式";

struct BirthdayRecord {
  std::string name;
  // The date text of the birth date or of its lunar carrier, "[闰月]" after a leap month.
  std::string birthday;
  bool lunar = false;
  std::string contact;
};

}  // namespace memo
