// Planning an import: the format told from the content, duplicates against the database
// and within the file, the summary, and files built to hurt.
#include "exchange/import_plan.h"

#include <gtest/gtest.h>

#include <chrono>

#include "exchange/file_format.h"
#include "exchange/friends_csv.h"
#include "exchange/vcard_reader.h"
#include "exchange_friends.h"

namespace memo {
namespace {

using testing::Described;
using testing::Person;
using Texts = std::vector<std::string>;

TEST(FileFormat, ToldFromTheContent) {
  const std::pair<std::string, ExchangeFormat> cases[] = {
      {std::string("SQLite format 3\0\x10\0", 19), ExchangeFormat::kBackup},
      {"\xEF\xBB\xBF\r\nbegin:vcard\r\n", ExchangeFormat::kVCard},
      {"BEGIN:VCALENDAR\r\n", ExchangeFormat::kCalendar},
      {u8"姓名,生日\n", ExchangeFormat::kCsv},
      {std::string("PK\3\4\0\0", 6), ExchangeFormat::kUnknown},
      {"  \r\n", ExchangeFormat::kUnknown},
  };
  for (const auto& [bytes, format] : cases) EXPECT_EQ(DetectFormat(bytes), format) << bytes;
}

TEST(ImportPlan, DuplicatesOfStoredFriendsAndWithinTheFile) {
  const std::vector<Friend> stored = {Person("甲", "1980年5月3日", false, "old contact")};
  const ImportPlan plan = PlanImport(ReadFriendsCsv(u8"姓名,生日,历法,联系方式\n"
                                                    u8"甲,1980-05-03,公历,new contact\n"
                                                    u8"甲,1980年5月3日,农历\n"
                                                    u8"乙,1980年5月3日,公历\n"
                                                    u8"乙,1980年5月3日,公历,x\n"
                                                    u8"丙,1980年13月3日,公历\n"),
                                     stored);
  EXPECT_EQ(Described(plan.Friends()), (Texts{"甲|1980年5月3日|农历|", "乙|1980年5月3日|公历|"}));
  EXPECT_EQ(plan.additions[1].line, 4);
  EXPECT_EQ(plan.storedDuplicates, 1);
  EXPECT_EQ(plan.fileDuplicates, 1);
  EXPECT_EQ(PlanSummary(plan, false),
            "将导入2位好友，跳过重复的2位（已有1位，文件中重复1位），不能导入1条。");
  EXPECT_EQ(PlanSummary(PlanImport(ImportRead{}, stored), true), "已导入0位好友。");
  EXPECT_EQ(RefusalLine(plan.refusals.at(0)), std::string("第6行 丙：") + kBadCsvBirthday);
  EXPECT_EQ(PreviewLine(plan.additions[0].person), "甲  1980年5月3日  农历");
  EXPECT_EQ(PreviewText(plan, 1),
            std::string("将导入2位好友，跳过重复的2位（已有1位，文件中重复1位），不能导入1条。\r\n"
                        "文件编码：UTF-8\r\n\r\n"
                        "将导入的好友：\r\n甲  1980年5月3日  农历\r\n……另有1条\r\n\r\n"
                        "不能导入的条目：\r\n第6行 丙：") +
                kBadCsvBirthday);
  ImportRead failed;
  failed.failure = kTooManyEntries;
  EXPECT_EQ(PlanSummary(PlanImport(failed, stored), false), "不能导入：文件中的条目超过100000个。");
}

// Files made to crash or stall a reader: each must be read, or refused, quickly.
TEST(ImportPlan, HostileFilesAreReadOrRefusedQuickly) {
  auto repeated = [](const std::string& piece, size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i) text += piece;
    return text;
  };
  const std::string card = u8"BEGIN:VCARD\nFN:甲\nBDAY:1980-05-03\nEND:VCARD\n";
  const struct {
    const char* what;
    std::string bytes;
    size_t friends;
    bool failure;
  } cases[] = {
      {"too many cards", repeated("BEGIN:VCARD\nEND:VCARD\n", kMaxImportEntries + 1), 0, true},
      {"too many rows", repeated("a,1980-5-3\n", kMaxImportEntries + 5), 0, true},
      {"an unterminated quote", "\"" + repeated("x,\n", 1 << 20), 0, false},
      {"a line of commas", repeated(",", 8 << 20), 0, false},
      {"cards nested deep", repeated("BEGIN:VCARD\n", 1 << 20) + card, 0, false},
      {"soft line breaks without end",
       "BEGIN:VCARD\nFN;QUOTED-PRINTABLE:" + repeated("=\n", 1 << 20), 0, false},
      {"a name of a megabyte",
       "BEGIN:VCARD\nFN:" + repeated("x", 1 << 20) + "\nBDAY:19800503\nEND:VCARD\n", 0, false},
      {"a huge date",
       "BEGIN:VCARD\nFN:a\nBDAY:" + repeated("9", 1000) + "\nEND:VCARD\n" +
           "BEGIN:VCARD\nFN:b\nX-ALTBDAY;CALSCALE=chinese:999999999999\nEND:VCARD\n",
       0, false},
      {"a folded card of ten thousand lines",
       "BEGIN:VCARD\nFN:a\nNOTE:a" + repeated("\n b", 10000) + "\nBDAY:19800503\nEND:VCARD\n", 1,
       false},
  };
  for (const auto& [what, bytes, friends, failure] : cases) {
    const auto start = std::chrono::steady_clock::now();
    const ImportRead read =
        DetectFormat(bytes) == ExchangeFormat::kVCard ? ReadVCards(bytes) : ReadFriendsCsv(bytes);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << what;
    EXPECT_EQ(read.friends.size() * !failure, friends) << what;
    EXPECT_EQ(!read.failure.empty(), failure) << what;
  }
}

}  // namespace
}  // namespace memo
