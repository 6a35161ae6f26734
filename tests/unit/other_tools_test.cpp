// Files as other programs write them, following their documented forms: phones' and
// address books' contact cards, and spreadsheets saved by Excel and LibreOffice.
#include <gtest/gtest.h>

#include "exchange/import_plan.h"
#include "exchange/import_source.h"
#include "exchange_friends.h"

namespace memo {
namespace {

using Texts = std::vector<std::string>;

TEST(OtherTools, TheirFilesImport) {
  const struct {
    const char* file;
    Texts friends;
    Texts refusals;
  } cases[] = {
      {"android-contacts.vcf",
       {"欧阳娜娜|1985年7月21日|公历|138-0013-8000", "王小明|11月2日|公历|xiaoming@example.com"},
       {"第14行 Bruce Lee：没有生日"}},
      // Both birthdays on the card: the lunar one is the one kept.
      {"iphone-contacts.vcf",
       {"张伟|1970年2月8日|农历|139 1234 5678", "李娜|9月10日|公历|186 0000 1111",
        "陈静|1992年2月29日|公历|+86 21 5555 0000"},
       {}},
      {"google-contacts.vcf", {"刘洋|1988年12月1日|公历|+86 137 0000 2222|||大学同学"}, {}},
      {"google-contacts.csv",
       {"王丽|1966年5月1日|公历|+86 138 0000 1111|妈妈|家人|喜欢兰花\n不吃辣",
        "张伟|5月3日|公历|+86 139 0000 2222||同事|",
        "John Smith|1980年12月24日|公历|john@example.com"},
       {"第5行 李娜：没有生日"}},
      {"google-contacts-labels.csv",
       {"王丽|1966年5月1日|公历|+86 138 0000 1111|妈妈|家人、亲戚|喜欢兰花",
        "张伟|5月3日|公历|+86 139 0000 2222"},
       {}},
      {"outlook-contacts.csv",
       {"王丽|1966年5月1日|公历|13800001111|妈妈|家人、亲戚|喜欢兰花",
        "张伟|1990年5月3日|公历|13900002222||同事|"},
       {"第4行 李娜：没有生日"}},
      {"thunderbird.vcf", {"周杰|1979年1月18日|公历|zhoujie@example.org"}, {}},
      {"outlook.vcf", {"黄蓉|1983年6月14日|公历|13500000000"}, {}},
      {"excel-gbk.csv",
       {"张三|1980年5月3日|公历|13800000000", "李四|1965年2月3日|农历|",
        "王五, 小名阿五|1990年5月12日|农历|QQ: 10001"},
       {}},
      {"excel-utf8.csv",
       {"赵六|1975年10月1日|公历|zhao@example.com", "钱七|1990年5月12日[闰月]|农历|"},
       {}},
      {"libreoffice.csv", {"孙八|1999年9月9日|公历|139 0000 9999", "吴九|2001年1月1日|农历|"}, {}},
  };
  for (const auto& [file, friends, refusals] : cases) {
    const ImportRead read = ReadImportFile(std::string(SOURCE_DIR) + "/tests/samples/" + file);
    EXPECT_EQ(read.failure, "") << file;
    std::vector<Friend> people;
    for (const ImportedFriend& entry : read.friends) people.push_back(entry.person);
    EXPECT_EQ(testing::Described(people), friends) << file;
    Texts reasons;
    for (const Refusal& refusal : read.refusals) reasons.push_back(RefusalLine(refusal));
    EXPECT_EQ(reasons, refusals) << file;
  }
}

}  // namespace
}  // namespace memo
