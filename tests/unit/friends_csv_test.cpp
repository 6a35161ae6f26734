// The spreadsheet file: written for Excel, read in its encodings and column orders, with
// every refused row's line and reason.
#include "exchange/friends_csv.h"

#include <gtest/gtest.h>

#include "exchange/contact_columns.h"
#include "exchange_friends.h"
#include "text/text_codec.h"

namespace memo {
namespace {

using testing::Described;
using testing::Person;
using Texts = std::vector<std::string>;

Texts Read(const std::string& bytes, Texts* refusals = nullptr) {
  const ImportRead read = ReadFriendsCsv(bytes);
  std::vector<Friend> friends;
  for (const ImportedFriend& entry : read.friends) friends.push_back(entry.person);
  if (refusals) {
    for (const Refusal& refusal : read.refusals) {
      refusals->push_back(std::to_string(refusal.line) + "|" + refusal.name + "|" + refusal.reason);
    }
  }
  return Described(friends);
}

TEST(FriendsCsv, WrittenWithBomAndHeaderAndReadBack) {
  const std::vector<Friend> friends = {Person("张三", "1980年5月3日", false, "13800000000"),
                                       Person("李, \"四\"", "1990年5月12日[闰月]", true, "a\r\nb"),
                                       Person(" 王五", "1965年2月3日", true)};
  const std::string bytes = WriteFriendsCsv(friends);
  EXPECT_EQ(bytes.substr(0, bytes.find(u8"李")),
            u8"\xEF\xBB\xBF姓名,生日,历法,联系方式,称呼,分组,备注\r\n张三,1980年5月3日,公历,"
            u8"13800000000,,,\r\n\"");
  EXPECT_EQ(Read(bytes),
            (Texts{"张三|1980年5月3日|公历|13800000000", "李, \"四\"|1990年5月12日[闰月]|农历|a b",
                   "王五|1965年2月3日|农历|"}));  // blanks at the ends go
}

TEST(FriendsCsv, DetailsAndBirthdaysWithoutAYearReadBack) {
  std::vector<Friend> friends = {Person("王丽", "5月1日", false),
                                 Person("张伟", "4月15日[闰月]", true),
                                 Person("李娜", "1990年12月8日", true)};
  friends[0].calledAs = "妈妈";
  friends[0].groups = "家人、亲戚";
  friends[0].note = "喜欢兰花\n不吃辣";
  const std::string bytes = WriteFriendsCsv(friends);
  EXPECT_NE(bytes.find(u8"王丽,'--05-01,公历,,妈妈,家人、亲戚,\"喜欢兰花\n不吃辣\""),
            std::string::npos);
  EXPECT_EQ(Read(bytes), Described(friends));
}

// A header the program knows, but without a column it cannot do without.
TEST(FriendsCsv, HeaderWithoutNameOrBirthdayRefusesTheFile) {
  const struct {
    const char* csv;
    const char* failure;
  } cases[] = {
      {"Name,Phone 1 - Value\n王丽,138\n", kNoBirthdayColumn},
      {"Birthday,Notes,Mobile Phone\n1966/5/1,,138\n", kNoNameColumn},
      {"First Name,Birthday\n丽,1966-05-01\n", nullptr},
  };
  for (const auto& c : cases) {
    const ImportRead read = ReadFriendsCsv(c.csv);
    EXPECT_EQ(read.failure, c.failure ? c.failure : "") << c.csv;
    EXPECT_EQ(read.friends.size() + read.refusals.size(), c.failure ? 0u : 1u) << c.csv;
  }
}

TEST(FriendsCsv, EncodingsColumnOrdersAndDateForms) {
  const struct {
    const char* what;
    std::string bytes;
    Texts read;
  } cases[] = {
      {"UTF-8 without a mark, columns reordered, an unknown column",
       u8"联系方式,备注,历法,姓名,附加,生日\n123,x,阴历,甲,?,1980/5/3\n,,,乙,,1980-05-04\n",
       {"甲|1980年5月3日|农历|123|||x", "乙|1980年5月4日|公历|"}},
      {"GBK as a Chinese Excel saves it",
       Utf8ToGb18030(u8"姓名,生日,历法\r\n丙,1980年5月3日,农历\r\n"),
       {"丙|1980年5月3日|农历|"}},
      {"GB 18030 with its byte order mark",
       "\x84\x31\x95\x33" + Utf8ToGb18030(u8"姓名,生日\r\n丙,1980年5月3日\r\n"),
       {"丙|1980年5月3日|公历|"}},
      {"no header", u8"丁,1980-5-3,公历,1\n", {"丁|1980年5月3日|公历|1"}},
  };
  for (const auto& [what, bytes, read] : cases) {
    Texts refusals;
    EXPECT_EQ(Read(bytes, &refusals), read) << what;
    EXPECT_EQ(refusals, Texts{}) << what;
  }
}

TEST(FriendsCsv, RefusedRowsWithTheirLines) {
  Texts refusals;
  const Texts read = Read(
      u8"姓名,生日,历法\n"
      u8"甲,1980年5月3日,回历\n"
      u8"\"乙\n(两行)\",1980年2月30日,公历\n"
      u8"丙,,公历\n"
      u8",1980-05-03,公历\n"
      u8"\n"
      u8"丁,1980年5月3日[闰月],公历\n"
      u8"戊,1980年5月31日,农历\n"
      u8"己,1980年5月3日,农历\n"
      u8"庚,5月3号,公历\n",
      &refusals);
  EXPECT_EQ(read, Texts{"己|1980年5月3日|农历|"});
  const std::string bad = kBadCsvBirthday;
  EXPECT_EQ(refusals, (Texts{"2|甲|历法不是公历或农历", "3|乙 (两行)|" + bad, "5|丙|没有生日",
                             "6||没有姓名", "8|丁|" + bad, "9|戊|" + bad, "11|庚|" + bad}));
}

// Lunar birthdays as people write them: in lunar words, or with 农历 in the date itself.
TEST(FriendsCsv, LunarDatesAsPeopleWriteThem) {
  const struct {
    const char* birthday;
    const char* calendar;
    const char* read;  // nullptr: refused
  } cases[] = {
      {"1940年腊月初八", "", "1940年12月8日|农历"},
      {"1940年腊月初八", "农历", "1940年12月8日|农历"},
      {"农历1940年十二月初八", "", "1940年12月8日|农历"},
      {"1990年闰五月十二", "农历", "1990年5月12日[闰月]|农历"},
      {"1963年四月十五[闰月]", "", "1963年4月15日[闰月]|农历"},  // the table's leap mark
      {"1963年四月十五[闰月]", "农历", "1963年4月15日[闰月]|农历"},
      {"1963年闰四月十五[闰月]", "", "1963年4月15日[闰月]|农历"},
      {"1963年四月十五[闰月]", "公历", nullptr},
      {"2004年二月三十", "", "2004年2月30日|农历"},
      {"1985年正月廿十", "", "1985年1月20日|农历"},
      {"1985年一月二十", "", "1985年1月20日|农历"},
      {"农历1990-5-12", "", "1990年5月12日|农历"},
      {"1980年5月3日", "", "1980年5月3日|公历"},
      {"1940年腊月初八", "公历", nullptr},  // the columns contradict each other
      {"1940年腊月三十一", "", nullptr},
      {"1940年十三月初八", "农历", nullptr},
      {"腊月初八", "农历", "12月8日|农历"},
      {"闰四月十五", "", "4月15日[闰月]|农历"},
      {"5月1日", "", "5月1日|公历"},
      {"--05-01", "", "5月1日|公历"},
      {"1990/5/1", "", "1990年5月1日|公历"},
      {"5/1/1990", "", "1990年5月1日|公历"},
      {"--02-29", "", "2月29日|公历"},
      {"2月30日", "", nullptr},
      {"--12-08", "农历", "12月8日|农历"},
  };
  for (const auto& c : cases) {
    const std::string csv =
        std::string("姓名,生日,历法\n甲,") + c.birthday + "," + c.calendar + "\n";
    const Texts read = Read(Gb18030ToUtf8(csv));
    EXPECT_EQ(read, c.read ? Texts{"甲|" + std::string(c.read) + "|"} : Texts{}) << c.birthday;
  }
}

}  // namespace
}  // namespace memo
