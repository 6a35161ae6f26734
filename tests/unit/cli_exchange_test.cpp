// The exchange commands of the command-line tool on real folders: a round trip through each
// format into an empty folder gives the same friends; a dry run stores nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "temp_folder.h"

namespace memo {
namespace {

using testing::RunCli;

TEST(CliExchange, RoundTripsIntoAnEmptyFolderGiveTheSameFriends) {
  testing::TempFolder folder;
  for (const char* name : {"from", "to-cards.vcf", "to-sheet.csv", "to-backup.mdb"}) {
    std::filesystem::create_directory(folder.File(name));
  }
  const std::string from = " --db " + folder.File("from") + " ";
  for (const char* friendArguments :
       {u8"张三 1980年5月3日 solar 13800000000", u8"李四 1990年5月12日[闰月] lunar 'a,b;c'",
        u8"王五 1992年2月29日 solar w@example.com", u8"'O\"Brien, Jr.' 1965年2月3日 lunar",
        u8"王𬌗 2000年3月4日 solar 刘䶮😀"}) {
    ASSERT_EQ(RunCli("add" + from + friendArguments).exitCode, 0) << friendArguments;
  }
  const std::string stored = RunCli("list" + from).out;
  const std::pair<const char*, const char*> exports[] = {{"--vcf", "cards.vcf"},
                                                         {"--csv", "sheet.csv"}};
  for (const auto& [option, file] : exports) {
    EXPECT_EQ(RunCli("export" + from + option + " " + folder.File(file)).exitCode, 0) << file;
  }
  EXPECT_EQ(RunCli("backup" + from + folder.File("backup.mdb")).out,
            u8"已备份到" + folder.File("backup.mdb") + "\n");
  for (const char* file : {"cards.vcf", "sheet.csv", "backup.mdb"}) {
    const std::string to = " --db " + folder.File(std::string("to-") + file) + " ";
    const testing::CliResult imported = RunCli("import" + to + folder.File(file));
    EXPECT_EQ(imported.exitCode, 0) << file;
    EXPECT_EQ(imported.out.substr(0, imported.out.find('\n')), u8"已导入5位好友。") << file;
    EXPECT_EQ(RunCli("list" + to).out, stored) << file;
    // Again: every friend is there already.
    EXPECT_EQ(RunCli("import" + to + folder.File(file)).out,
              u8"已导入0位好友，跳过重复的5位（已有5位，文件中重复0位）。\n");
  }
}

TEST(CliExchange, DryRunsRefusalsAndWrongArguments) {
  testing::TempFolder folder;
  const std::string db = " --db " + folder.path() + " ";
  testing::WriteFileBytes(folder.File("in.csv"),
                          u8"姓名,生日,历法\n甲,1980-05-03,公历\n乙,5月3号,公历\n");
  EXPECT_EQ(RunCli("import" + db + folder.File("in.csv") + " --dry-run").out,
            u8"将导入1位好友，不能导入1条。\n文件编码：UTF-8\n+ 甲  1980年5月3日  公历\n"
            u8"! 第3行 乙：" +
                std::string(u8"生日不是有效日期（可写作1990年5月1日、1990-5-"
                            u8"1、5月1日、1940年腊月初八或农历1940年十二月初八）") +
                u8"\n");
  EXPECT_EQ(RunCli("list" + db).out, "");
  testing::WriteFileBytes(folder.File("in.ics"), "BEGIN:VCALENDAR\r\n");
  EXPECT_EQ(RunCli("import" + db + folder.File("in.ics")).exitCode, 1);
  EXPECT_EQ(RunCli("import" + db + folder.File("missing.vcf")).exitCode, 1);
  RunCli("add" + db + u8"丙 2011年4月30日 lunar");
  EXPECT_EQ(
      RunCli("--today 2013-04-30 export" + db + "--ics " + folder.File("a.ics") + " --years 3").out,
      u8"已导出3个生日事件。\n");
  for (const char* wrong : {"export --ics a.ics", "export --db x", "export --db x --vcf a --csv b",
                            "export --db x --vcf a --rules", "export --db x --ics a --years 0",
                            "import --db x", "backup --db x"}) {
    EXPECT_EQ(RunCli(wrong).exitCode, 2) << wrong;
  }
}

}  // namespace
}  // namespace memo
