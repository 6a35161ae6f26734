// Four upcoming entries on 2012-04-15 (lunar 2012-3-25), and the upcoming-birthdays page
// they give, put together from the report's own templates: today line, then the today,
// tomorrow and later sections, one line with a note. GBK bytes, like the page file.
#pragma once

#include <string>
#include <vector>

#include "report/upcoming_entries.h"

namespace memo_test {

inline memo::TodayDates SampleToday() {
  return memo::TodayDates{memo::MakeDateTime(2012, 4, 15), memo::LunarDate{2012, 3, 25, false}};
}

inline std::vector<memo::UpcomingEntry> SampleUpcomingEntries() {
  const auto entry = [](int64_t rowid, const char* name, const char* birthday, bool lunar,
                        const char* contact, int days, const char* next, const char* age,
                        const char* note) {
    return memo::UpcomingEntry{
        {rowid, name, memo::ReadBirthday(birthday, lunar), contact}, days, next, age, note, ""};
  };
  return {entry(1, "张三", "1979年4月15日", false, "13800000000", 0, "4月15日", "33岁", ""),
          entry(2, "李四", "1984年3月30日", true, "li@example.com", 0, "3月30日", "28岁",
                "农历2012年3月30日不存在!该好友的生日以农历2012年3月29日为生日计算。"),
          entry(3, "王五", "1972年4月16日", false, "", 1, "4月16日", "40岁", ""),
          entry(4, "赵六", "2007年4月18日", false, "0571-88888888", 3, "4月18日", "5岁", "")};
}

inline std::string ContentTemplate(const std::string& content) {
  return "<P align=center><FONT color=#000000 size=4 face=黑体>" + content + "</FONT></P>";
}

inline std::string NoteTemplate(const std::string& note) {
  return "<BR><FONT color=#ff0000 size=2>" + note + "</FONT></FONT></P></FONT></FONT>\r\n";
}

inline std::string SampleUpcomingPage() {
  const std::string today =
      ContentTemplate("张三(33岁)&nbsp; 公历4月15日&nbsp; 联系方式：13800000000") + "\r\n" +
      ContentTemplate("李四(28岁)&nbsp; 农历3月30日&nbsp; 联系方式：li@example.com" +
                      NoteTemplate("农历2012年3月30日不存在!该好友的生日以农历2012年3月29日为"
                                   "生日计算。")) +
      "\r\n";
  const std::string tomorrow = ContentTemplate("王五(40岁)&nbsp; 公历4月16日") + "\r\n";
  const std::string later =
      ContentTemplate(
          "赵六(5岁)&nbsp; 公历4月18日&nbsp; 还有3天生日&nbsp; 联系方式：0571-88888888") +
      "\r\n";
  return "<FONT color=#ff0000 size=2>今天是 公历2012年4月15日 农历2012年3月25日</FONT>"
         "<P align=center><FONT color=#e00000 size=6 face=黑体>今天生日</FONT></P>\r\n" +
         ContentTemplate(today) + "</FONT>\r\n" +
         "<P align=center><FONT color=#0000ff size=6 face=黑体>明天生日</FONT></P>"
         "<FONT color=#ff0000 size=6>\r\n\r\n" +
         ContentTemplate(tomorrow) + "</FONT>\r\n" +
         "<P align=center><FONT color=#1a8000 size=6><STRONG>最近生日</STRONG></FONT></P>\r\n\r\n" +
         ContentTemplate(later) + "</FONT>\r\n";
}

}  // namespace memo_test
