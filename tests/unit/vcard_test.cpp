// Contact cards in the forms phones write, the refusals with their reasons, and cards
// written for a phone that read back to the same friends.
#include <gtest/gtest.h>

#include "exchange/vcard_reader.h"
#include "exchange/vcard_writer.h"
#include "exchange_friends.h"
#include "text/text_codec.h"

namespace memo {
namespace {

using testing::Described;
using testing::Person;
using Texts = std::vector<std::string>;

Texts Refusals(const ImportRead& read) {
  Texts texts;
  for (const Refusal& refusal : read.refusals) {
    texts.push_back(std::to_string(refusal.line) + "|" + refusal.name + "|" + refusal.reason);
  }
  return texts;
}

std::vector<Friend> FriendsOf(const ImportRead& read) {
  std::vector<Friend> friends;
  for (const ImportedFriend& entry : read.friends) friends.push_back(entry.person);
  return friends;
}

TEST(VCardReader, TheFormsPhonesWrite) {
  const struct {
    const char* what;
    std::string file;
    const char* friendRead;  // in Described's form
  } cases[] = {
      {"3.0",
       u8"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:张三\r\nN:张;三;;;\r\nTEL;TYPE=CELL:138 0000\r\n"
       u8"TEL:139\r\nBDAY:1980-05-03\r\nEND:VCARD\r\n",
       "张三|1980年5月3日|公历|138 0000"},
      {"2.1, quoted-printable UTF-8 with a soft line break, N alone, LF",
       "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E6=9D=8E;=E5=9B=\n"
       "=9B;;;\nTEL;CELL;PREF:+86-1380\nBDAY:19800503\nEND:VCARD\n",
       "李四|1980年5月3日|公历|+86-1380"},
      {"4.0 with a time, folded name, BOM, e-mail without a telephone",
       std::string("\xEF\xBB\xBF") +
           u8"BEGIN:VCARD\r\nVERSION:4.0\r\nFN:王\r\n  五\r\nBDAY:19800503T103000Z\r\n"
           u8"EMAIL;TYPE=home:w@example.com\r\nEND:VCARD\r\n",
       "王 五|1980年5月3日|公历|w@example.com"},
      {"the iPhone's lunar birthday, preferred to BDAY; grouped property",
       u8"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:赵六\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-05-03\r\n"
       u8"item1.X-ALTBDAY;CALSCALE=chinese:007800021101\r\nEND:VCARD\r\n",
       "赵六|1985年11月1日|农历|"},
      {"a leap month named in this program's note",
       u8"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:孙七\r\nX-ALTBDAY;CALSCALE=chinese:007800070512\r\n"
       u8"NOTE:农历生日：闰五月十二\r\nEND:VCARD\r\n",
       "孙七|1990年5月12日[闰月]|农历|"},
      {"a lunar birthday written as a date",
       u8"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:周八\r\nX-ALTBDAY;CALSCALE=chinese:1948-08-15\r\n"
       u8"END:VCARD\r\n",
       "周八|1948年8月15日|农历|"},
      {"a lunar birthday written as a date without dashes",
       u8"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:吴九\r\nX-ALTBDAY;CALSCALE=chinese:19481230\r\n"
       u8"END:VCARD\r\n",
       "吴九|1948年12月30日|农历|"},
      {"a Latin name from N, escapes",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;John\\, Jr.\r\nTEL:1\\;2\r\n"
       "BDAY:1980.5.3\r\nEND:VCARD\r\n",
       "John, Jr. Smith|1980年5月3日|公历|1;2"},
      // 淺 is 9C 5C in GBK: its second byte is a backslash that escapes nothing.
      {"an old phone's GBK card",
       Utf8ToGb18030(u8"BEGIN:VCARD\r\nN:淺;野\r\nBDAY:1980-05-03\r\nEND:VCARD"),
       "淺野|1980年5月3日|公历|"},
  };
  for (const auto& [what, file, friendRead] : cases) {
    const ImportRead read = ReadVCards(file);
    EXPECT_EQ(Described(FriendsOf(read)), Texts{friendRead}) << what;
    EXPECT_TRUE(read.refusals.empty()) << what << ": " << Refusals(read).front();
  }
}

TEST(VCardReader, RefusalsWithLineAndReason) {
  const std::string file =
      u8"BEGIN:VCARD\r\nFN:无生日\r\nTEL:1\r\nEND:VCARD\r\n"        // 1
      u8"BEGIN:VCARD\r\nFN:无年份\r\nBDAY:--0503\r\nEND:VCARD\r\n"  // 5
      u8"BEGIN:VCARD\r\nFN:苹果\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-05-03\r\nEND:VCARD\r\n"
      u8"BEGIN:VCARD\r\nFN:表情😀\r\nBDAY:1980-05-03\r\nEND:VCARD\r\n"  // 13
      u8"BEGIN:VCARD\r\nFN:二月\r\nBDAY:1980-02-30\r\nEND:VCARD\r\n"   // 17
      u8"BEGIN:VCARD\r\nFN:农历\r\nX-ALTBDAY;CALSCALE=chinese:0078000211\r\nEND:VCARD\r\n"
      u8"BEGIN:VCARD\r\nBDAY:1980-05-03\r\nEND:VCARD\r\n"  // 25
      u8"BEGIN:VCARD\r\nFN:未完\r\nBDAY:1980-05-03\r\n";   // 28
  // The cards without a year are friends without a year.
  const Texts friends = Described(FriendsOf(ReadVCards(file)));
  ASSERT_GE(friends.size(), 2u);
  EXPECT_EQ(Texts(friends.begin(), friends.begin() + 2),
            (Texts{"无年份|5月3日|公历|", "苹果|5月3日|公历|"}));
  EXPECT_EQ(
      Described(FriendsOf(ReadVCards(u8"BEGIN:VCARD\r\nFN:甲\r\nBDAY:--05-03\r\nEND:VCARD\r\n"))),
      Texts{"甲|5月3日|公历|"});
  EXPECT_EQ(Refusals(ReadVCards(file)),
            (Texts{"1|无生日|没有生日", "17|二月|生日不是有效日期",
                   std::string("21|农历|") + kBadCardBirthday, "25||没有姓名",
                   "28||名片没有结束（缺少END:VCARD）"}));
}

TEST(VCardWriter, CardsForAPhoneReadBackAsTheSameFriends) {
  const std::vector<Friend> friends = {
      Person("张三", "1980年5月3日", false, "13800000000"),
      Person("李四", "1965年2月3日", true, "li@example.com"),
      Person("王五", "1990年5月12日[闰月]", true, "a,b;c"),
      Person("很长的名字" + std::string(80, 'x'), "2000年2月29日", false)};
  const CardFile file = WriteVCards(friends);
  EXPECT_EQ(file.cards, 4);
  EXPECT_EQ(file.bytes.substr(0, file.bytes.find("BEGIN:VCARD", 1)),
            u8"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:张三\r\nN:张三;;;;\r\nBDAY:1980-05-03\r\n"
            u8"TEL:13800000000\r\nEND:VCARD\r\n");
  EXPECT_NE(
      file.bytes.find(u8"X-ALTBDAY;CALSCALE=chinese:007800070512\r\nNOTE:农历生日：闰五月十二"),
      std::string::npos);
  EXPECT_NE(file.bytes.find("EMAIL:li@example.com"), std::string::npos);
  EXPECT_EQ(Described(FriendsOf(ReadVCards(file.bytes))), Described(friends));
  EXPECT_EQ(WriteVCards({Person("甲", "不是日期", false)}).skipped, 1);
}

// vCard → program → vCard → program keeps the details and the birthdays without a year.
TEST(VCardWriter, DetailsAndBirthdaysWithoutAYearTravelBothWays) {
  const std::string phone =
      u8"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:王丽\r\nNICKNAME:妈妈\r\nBDAY:--0501\r\n"
      u8"CATEGORIES:家人,亲戚\\,远房\r\nNOTE:喜欢兰花\\n不吃辣\r\nEND:VCARD\r\n"
      u8"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:张伟\r\nX-ALTBDAY;CALSCALE=chinese:--1208\r\n"
      u8"END:VCARD\r\n"
      u8"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:李娜\r\nX-ALTBDAY;CALSCALE=chinese:--0415\r\n"
      u8"NOTE:农历生日：闰四月十五\r\nNOTE:同学\r\nEND:VCARD\r\n";
  const Texts expected = {"王丽|5月1日|公历||妈妈|家人、亲戚,远房|喜欢兰花\n不吃辣",
                          "张伟|12月8日|农历|", "李娜|4月15日[闰月]|农历||||同学"};
  const std::vector<Friend> first = FriendsOf(ReadVCards(phone));
  EXPECT_EQ(Described(first), expected);
  const CardFile written = WriteVCards(first);
  EXPECT_NE(written.bytes.find("BDAY:--0501\r\n"), std::string::npos);
  EXPECT_NE(written.bytes.find("X-ALTBDAY;CALSCALE=chinese:--1208\r\n"), std::string::npos);
  EXPECT_EQ(Described(FriendsOf(ReadVCards(written.bytes))), expected);
}

}  // namespace
}  // namespace memo
