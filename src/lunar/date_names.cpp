// The name tables: lunar months and days, stems and branches, zodiac animals, solar
// terms, weekdays and solar months. An index outside a table names nothing.
#include "lunar/date_names.h"

#include <cstddef>

namespace memo {
namespace {

const char* const kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                 "午", "未", "申", "酉", "戌", "亥"};
const char* const kZodiacAnimals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                      "马", "羊", "猴", "鸡", "狗", "猪"};
const char* const kLunarMonths[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                    "七月", "八月", "九月", "十月", "冬月", "腊月"};
const char* const kDayDigits[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
// By tens: 初 for days 1..10, 十 for 11..19, 廿 for 20..29, 三 for 30.
const char* const kDayPrefixes[] = {"初", "十", "廿", "三"};
const char* const kSolarTerms[] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                   "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                   "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
const char* const kWeekdays[] = {"星期一", "星期二", "星期三", "星期四",
                                 "星期五", "星期六", "星期日"};
const char* const kSolarMonths[] = {"一月", "二月", "三月", "四月", "五月",   "六月",
                                    "七月", "八月", "九月", "十月", "十一月", "十二月"};

// The entry for a 1-based index, or the empty text.
template <size_t N>
std::string Entry(const char* const (&table)[N], int index) {
  return index >= 1 && index <= static_cast<int>(N) ? table[index - 1] : "";
}

}  // namespace

std::string LunarMonthName(int month, bool isLeapMonth) {
  std::string name = Entry(kLunarMonths, month);
  return isLeapMonth && !name.empty() ? "闰" + name : name;
}

std::string LunarDayName(int day) {
  if (day < 1 || day > 30) return "";
  // 20 is written 廿十, not 二十, like 30 (三十).
  if (day % 10 == 0 && day >= 20) return std::string(kDayPrefixes[day / 10]) + "十";
  return std::string(kDayPrefixes[(day - 1) / 10]) + kDayDigits[(day - 1) % 10];
}

std::string LunarDateName(int year, int month, int day, bool isLeapMonth) {
  return std::to_string(year) + "年" + LunarMonthName(month, isLeapMonth) + LunarDayName(day);
}

std::string StemBranchText(int sexagenaryIndex) {
  if (sexagenaryIndex < 1 || sexagenaryIndex > 60) return "";
  return Entry(kStems, (sexagenaryIndex - 1) % 10 + 1) +
         Entry(kBranches, (sexagenaryIndex - 1) % 12 + 1);
}

std::string ZodiacName(int branch) {
  return Entry(kZodiacAnimals, branch);
}

std::string SolarTermName(int termIndex) {
  return Entry(kSolarTerms, termIndex);
}

std::string WeekdayName(int weekday) {
  return Entry(kWeekdays, weekday);
}

std::string SolarMonthName(int month) {
  return Entry(kSolarMonths, month);
}

}  // namespace memo
