// What the readers decide about bytes from outside: the encoding of each file, control
// characters in names and contacts, and fields a spreadsheet would run as formulas.
#include <gtest/gtest.h>

#include "exchange/csv_records.h"
#include "exchange/friends_csv.h"
#include "exchange/vcard_reader.h"
#include "exchange_friends.h"
#include "text/text_codec.h"

namespace memo {
namespace {

using testing::Described;
using testing::Person;
using Texts = std::vector<std::string>;

// The friends read, then each refusal as line|name|reason.
Texts Outcome(const ImportRead& read) {
  std::vector<Friend> friends;
  for (const ImportedFriend& entry : read.friends) friends.push_back(entry.person);
  Texts texts = Described(friends);
  for (const Refusal& refusal : read.refusals) {
    texts.push_back(std::to_string(refusal.line) + "|" + refusal.name + "|" + refusal.reason);
  }
  return texts;
}

ImportRead ReadEither(const std::string& bytes, std::optional<FileEncoding> encoding) {
  return bytes.find("BEGIN:VCARD") != std::string::npos ? ReadVCards(bytes, encoding)
                                                        : ReadFriendsCsv(bytes, encoding);
}

TEST(ImportSafety, EachFileIsReadInItsOwnEncoding) {
  const std::string sheet = u8"姓名,生日\n张三,1980-05-03\n李四,1981-06-04\n";
  // A byte that stands for no character is shown as U+FFFD, 84 31 A4 37 in GB 18030.
  const std::string kBroken = "\x84\x31\xA4\x37", kBroken4 = kBroken + kBroken + kBroken + kBroken;
  const struct {
    const char* what;
    std::string bytes;
    std::optional<FileEncoding> chosen;
    FileEncoding used;
    Texts outcome;
  } cases[] = {
      {"UTF-8",
       sheet,
       std::nullopt,
       FileEncoding::kUtf8,
       {"张三|1980年5月3日|公历|", "李四|1981年6月4日|公历|"}},
      {"UTF-8 but for a Latin-1 byte",
       sheet + "Ren\xE9,1982-07-05\n",
       std::nullopt,
       FileEncoding::kUtf8,
       {"张三|1980年5月3日|公历|", "李四|1981年6月4日|公历|",
        "4|Ren" + kBroken + "|含有不是UTF-8编码的字节"}},
      {"UTF-8 chosen as GB 18030",
       "Ren\xE9,1982-07-05\n",
       FileEncoding::kGb18030,
       FileEncoding::kGb18030,
       {"1|Ren" + kBroken + "|姓名含有无法识别的字节"}},
      {"GBK",
       Utf8ToGb18030(sheet),
       std::nullopt,
       FileEncoding::kGb18030,
       {"张三|1980年5月3日|公历|", "李四|1981年6月4日|公历|"}},
      {"GBK chosen as UTF-8",
       Utf8ToGb18030(sheet),
       FileEncoding::kUtf8,
       FileEncoding::kUtf8,
       {"1|" + kBroken4 + "|含有不是UTF-8编码的字节", "2|" + kBroken4 + "|含有不是UTF-8编码的字节",
        "3|" + kBroken4 + "|含有不是UTF-8编码的字节"}},
      {"cards, UTF-8 but for a Latin-1 byte",
       u8"BEGIN:VCARD\nFN:张三\nBDAY:1980-05-03\nEND:VCARD\n"
       u8"BEGIN:VCARD\nFN:Ren\xE9\nNOTE:王五\nBDAY:1982-07-05\nEND:VCARD\n",
       std::nullopt,
       FileEncoding::kUtf8,
       {"张三|1980年5月3日|公历|", "5|Ren" + kBroken + "|含有不是UTF-8编码的字节"}},
      {"UTF-8 with an emoji as CESU-8 writes its surrogates",
       sheet + "\xED\xA0\xBD\xED\xB8\x80,1982-07-05\n",
       std::nullopt,
       FileEncoding::kUtf8,
       {"张三|1980年5月3日|公历|", "李四|1981年6月4日|公历|",
        Utf8ToGb18030(u8"\U0001F600") + "|1982年7月5日|公历|"}},
      {"UTF-8 with an overlong form and a lone surrogate",
       sheet + "a\xC0\xAF,1982-07-05\n\xED\xA0\xBD,1983-01-01\n",
       std::nullopt,
       FileEncoding::kUtf8,
       {"张三|1980年5月3日|公历|", "李四|1981年6月4日|公历|",
        "4|a" + kBroken + kBroken + "|含有不是UTF-8编码的字节",
        "5|" + kBroken + kBroken + kBroken + "|含有不是UTF-8编码的字节"}},
      {"cards in GBK",
       Utf8ToGb18030(u8"BEGIN:VCARD\nFN:张三\nBDAY:1980-05-03\nEND:VCARD\n"),
       std::nullopt,
       FileEncoding::kGb18030,
       {"张三|1980年5月3日|公历|"}},
  };
  for (const auto& [what, bytes, chosen, used, outcome] : cases) {
    const ImportRead read = ReadEither(bytes, chosen);
    EXPECT_EQ(read.encoding, used) << what;
    EXPECT_EQ(Outcome(read), outcome) << what;
  }
  EXPECT_EQ(EncodingNamed("gb18030"), FileEncoding::kGb18030);
  EXPECT_EQ(EncodingNamed("UTF-8"), FileEncoding::kUtf8);
  EXPECT_EQ(EncodingNamed("latin1"), std::nullopt);
}

TEST(ImportSafety, ControlCharactersAreRefusedButLineSpaceIsOneBlank) {
  using namespace std::string_literals;
  const struct {
    const char* what;
    std::string bytes;
    Texts outcome;
  } cases[] = {
      {"a NUL inside a card's name",
       "BEGIN:VCARD\nFN:ab\0cd\nBDAY:1980-05-03\nEND:VCARD\n"s,
       {"1|ab cd|姓名含有控制字符"}},
      {"a NUL first",
       "BEGIN:VCARD\nFN:\0ab\nBDAY:1980-05-03\nEND:VCARD\n"s,
       {"1| ab|姓名含有控制字符"}},
      {"an escape in a contact", "a,1980-05-03,,x\x1B[2J\n", {"1|a|联系方式含有控制字符"}},
      {"DEL in a name", "a\x7F,1980-05-03\n", {"1|a |姓名含有控制字符"}},
      {"tabs and line breaks",
       "\"a\t\tb\r\n\r\nc\",1980-05-03,,\"1\n2\"\n",
       {"a b c|1980年5月3日|公历|1 2"}},
      {"a card's escaped line break",
       "BEGIN:VCARD\nFN:a\\nb\nBDAY:1980-05-03\nEND:VCARD\n",
       {"a b|1980年5月3日|公历|"}},
  };
  for (const auto& [what, bytes, outcome] : cases) {
    EXPECT_EQ(Outcome(ReadEither(bytes, std::nullopt)), outcome) << what;
  }
}

TEST(ImportSafety, ARefusalQuotesTheFirstFortyCharactersOfAName) {
  const std::string forty = u8"张三李四王五赵六孙七周八" + std::string(28, 'a');
  const struct {
    std::string name;  // UTF-8
    std::string shown;
  } cases[] = {
      {forty, forty},
      {forty + u8"吴", forty + u8"…"},
      {u8"\U0001F600" + forty, u8"\U0001F600" + forty.substr(0, forty.size() - 1) + u8"…"},
      {forty + std::string(1 << 20, 'b'), forty + u8"…"},
  };
  for (const auto& c : cases) {
    const Texts outcome = Outcome(ReadFriendsCsv(c.name + ",\n", FileEncoding::kUtf8));
    EXPECT_EQ(outcome, Texts{"1|" + Utf8ToGb18030(c.shown) + "|" + kNoBirthday}) << c.shown;
  }
}

TEST(ImportSafety, FormulasGoOutAsTextAndComeBackAsTheyWere) {
  const Texts names = {
      "=HYPERLINK(\"http://x\",\"y\")", "+86 138", "-1", "@SUM(A1)", "'Tis", "'=x", "=", "a=b"};
  std::vector<Friend> friends;
  Texts expected;
  for (const std::string& name : names) {
    friends.push_back(Person(name, "1980年5月3日", false, name));
    expected.push_back(name + "|1980年5月3日|公历|" + name);
  }
  const std::string bytes = WriteFriendsCsv(friends);
  EXPECT_NE(bytes.find("\r\n\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",1980"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n'+86 138,1980"), std::string::npos);
  for (const char* sign : {"\n=", "\n+", "\n-", "\n@", ",=", ",+", ",-", ",@"}) {
    EXPECT_EQ(bytes.find(sign), std::string::npos) << sign;
  }
  EXPECT_EQ(Outcome(ReadFriendsCsv(bytes)), expected);
  EXPECT_EQ(WithTextMark("\tx"), "'\tx");
  EXPECT_EQ(WithoutTextMark("'=1"), "=1");
  EXPECT_EQ(WithoutTextMark("'1"), "'1");
}

}  // namespace
}  // namespace memo
