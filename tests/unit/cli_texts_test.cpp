// Names with characters that GBK lacks, through the command-line tool: nothing is lost on the
// way in, in the lists, on the page, or from a spreadsheet saved in GB 18030. (Such texts stay
// out of the assertions themselves, whose text is compiled into GBK.)
#include <gtest/gtest.h>

#include <regex>

#include "cli_runner.h"
#include "temp_folder.h"
#include "text/text_codec.h"

namespace memo {
namespace {

using testing::RunCli;

std::string Utf8Of(char32_t codePoint) {
  const std::u16string utf16 =
      codePoint < 0x10000
          ? std::u16string(1, static_cast<char16_t>(codePoint))
          : std::u16string{static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10)),
                           static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF))};
  return Gb18030ToUtf8(Utf16ToGb18030(utf16));
}

// The page as a browser reads it: GB 18030, character references resolved; as UTF-8.
std::string PageAsRead(const std::string& bytes) {
  const std::string text = Gb18030ToUtf8(bytes);
  const std::regex reference("&#x([0-9A-F]+);");
  std::string out;
  auto last = text.cbegin();
  for (std::sregex_iterator it(text.begin(), text.end(), reference), end; it != end; ++it) {
    out.append(last, (*it)[0].first);
    out += Utf8Of(static_cast<char32_t>(std::stoul((*it)[1].str(), nullptr, 16)));
    last = (*it)[0].second;
  }
  out.append(last, text.cend());
  return out;
}

// Usage lines too are UTF-8 (read here through a pipe that takes standard error).
TEST(CliTexts, UsageIsUtf8) {
  for (const char* arguments : {"", "greeting --help", "list --db"}) {
    const std::string usage = RunCli(std::string(arguments) + " 2>&1 | cat").out;
    EXPECT_NE(usage.find(u8"[--age 周岁|虚岁|两者]"), std::string::npos) << arguments;
  }
}

TEST(CliTexts, NamesBeyondGbkSurviveEveryPath) {
  const std::string wang = u8"王𬌗", liu = u8"刘䶮", smile = u8"😀", zhang = u8"张𬱖";
  testing::TempFolder folder;
  const std::string today = "--today 2026-03-01 ";
  const std::string db = " --db " + folder.path() + " ";
  const std::string wangRow = wang + u8"\t2000年3月4日\t公历\t25岁\t龙\t双鱼座\t" + smile + "\n";
  EXPECT_EQ(RunCli(today + "add" + db + wang + u8" 2000年3月4日 solar " + smile).out, wangRow);
  EXPECT_EQ(RunCli(today + "add" + db + liu + u8" 1990年3月3日 solar").exitCode, 0);
  EXPECT_EQ(RunCli(today + "list" + db).out,
            wangRow + liu + u8"\t1990年3月3日\t公历\t35岁\t马\t双鱼座\t\n");
  EXPECT_EQ(RunCli(today + "upcoming" + db).out, liu + u8"\t3月3日\t公历\t36岁\t\t还有2天过生日\n" +
                                                     wang + u8"\t3月4日\t公历\t26岁\t" + smile +
                                                     u8"\t还有3天过生日\n");
  ASSERT_EQ(RunCli(today + "report" + db).exitCode, 0);
  const std::string page = testing::ReadFileBytes(folder.path() + u8"/最近生日.html");
  EXPECT_NE(page.find("&#x2C317;"), std::string::npos);
  EXPECT_NE(PageAsRead(page).find(wang + u8"(26岁)"), std::string::npos);
  EXPECT_NE(PageAsRead(page).find(u8"联系方式：" + smile), std::string::npos);

  // A spreadsheet saved in GB 18030, where 𬱖 takes four bytes.
  testing::WriteFileBytes(folder.File("gb18030.csv"),
                          Utf8ToGb18030(u8"姓名,生日,历法\n" + zhang + u8",1980-05-03,公历\n"));
  EXPECT_EQ(RunCli("import" + db + folder.File("gb18030.csv")).exitCode, 0);
  EXPECT_NE(RunCli(today + "list" + db).out.find(zhang + u8"\t1980年5月3日"), std::string::npos);

  // An argument that is no UTF-8 is refused, and nothing is stored.
  EXPECT_EQ(RunCli("add" + db + u8"'\xCD\xF5' 2000年3月4日 solar").exitCode, 2);
  size_t lines = 0;
  for (char c : RunCli("list" + db).out) lines += c == '\n';
  EXPECT_EQ(lines, 3u);
}

}  // namespace
}  // namespace memo
