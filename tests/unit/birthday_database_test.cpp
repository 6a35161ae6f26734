// The birthday table on a real SQLite file in a temporary folder.
#include "records/birthday_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "recorders.h"
#include "records/gbk_collation.h"
#include "temp_folder.h"

namespace memo {
namespace {

using testing::ReadFileBytes;
using testing::RecordedErrors;
using testing::TempFolder;

// The first column of the first row of a query, as UTF-8; "NULL" for a null, "" for none.
// The text columns compare with the program's collation, so the query needs it too.
std::string Query(const std::string& file, const std::string& sqlUtf8) {
  sqlite3* connection = nullptr;
  std::string result;
  if (sqlite3_open_v2(file.c_str(), &connection, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
      RegisterGbkCollation(connection)) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(connection, sqlUtf8.c_str(), -1, &statement, nullptr);
    if (statement && sqlite3_step(statement) == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(statement, 0);
      result = text ? reinterpret_cast<const char*>(text) : "NULL";
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(connection);
  return result;
}

class BirthdayDatabaseTest : public ::testing::Test {
 protected:
  std::string File() const { return folder.File("config.mdb"); }

  // Appends a row the way the add window stores a friend: add, write, move away.
  static void Append(BirthdayDatabase& database, const BirthdayRecord& record) {
    database.AddRow();
    database.WriteRecord(record);
    database.MoveFirst();
  }

  void Fill(const std::vector<BirthdayRecord>& records) {
    BirthdayDatabase database(errors);
    ASSERT_TRUE(database.OpenBirthdayDatabase(folder.path()));
    for (const auto& record : records) Append(database, record);
  }

  static std::vector<std::string> Column(BirthdayDatabase& database, const char* column) {
    std::vector<std::string> texts;
    for (database.MoveFirst(); !database.AtEnd(); database.MoveNext()) {
      texts.push_back(database.ReadText(column));
    }
    return texts;
  }

  TempFolder folder;
  RecordedErrors errors;
};

TEST_F(BirthdayDatabaseTest, MissingFileIsCreatedWithAnEmptyTable) {
  BirthdayDatabase database(errors);
  ASSERT_TRUE(database.OpenBirthdayDatabase(folder.path()));
  EXPECT_TRUE(database.IsOpen());
  EXPECT_EQ(database.RowCount(), 0);
  EXPECT_TRUE(database.AtEnd());
  EXPECT_EQ(database.ReadText(kNameColumn), "");
  EXPECT_EQ(Query(File(), u8"select count(*) from 生日"), "0");

  // A folder whose name is Chinese: the GBK path reaches the file system as UTF-8.
  std::filesystem::create_directory(folder.path() + u8"/好友");
  BirthdayDatabase other(errors);
  ASSERT_TRUE(other.OpenBirthdayDatabase(folder.path() + "/好友"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() + u8"/好友/config.mdb"));
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(BirthdayDatabaseTest, StoresTextsAsUtf8NullsAndYesNoAsNumbers) {
  Fill({{"张三", "1980年5月3日", false, "123"},
        {"李四", "1990年5月8日[闰月]", true, ""},
        {"", "2000年1月1日", false, "x"}});
  EXPECT_EQ(Query(File(), u8"select 姓名 from 生日 where rowid = 1"), u8"张三");
  EXPECT_EQ(Query(File(), u8"select 生日 from 生日 where rowid = 2"), u8"1990年5月8日[闰月]");
  EXPECT_EQ(Query(File(), u8"select 提醒方式 || typeof(提醒方式) from 生日 where rowid = 1"),
            "0integer");
  EXPECT_EQ(Query(File(), u8"select 提醒方式 from 生日 where rowid = 2"), "1");
  EXPECT_EQ(Query(File(), u8"select 联系方式 from 生日 where rowid = 2"), "NULL");
  EXPECT_EQ(Query(File(), u8"select 姓名 from 生日 where rowid = 3"), "NULL");

  Query(File(), u8"insert into 生日 (生日) values ('1970年1月1日')");
  BirthdayDatabase database(errors);
  ASSERT_TRUE(database.OpenBirthdayDatabase(folder.path()));
  ASSERT_EQ(database.RowCount(), 4);
  EXPECT_EQ(database.ReadText(kNameColumn), "张三");
  EXPECT_EQ(database.ReadText(kContactColumn), "123");
  EXPECT_FALSE(database.ReadYesNo(kLunarColumn));
  database.MoveNext();
  EXPECT_EQ(database.ReadText(kBirthdayColumn), "1990年5月8日[闰月]");
  EXPECT_TRUE(database.ReadYesNo(kLunarColumn));
  EXPECT_EQ(database.ReadText(kContactColumn), "");
  database.MoveToPosition(3);  // the row written with nulls
  EXPECT_EQ(database.ReadText(kNameColumn), "");
  EXPECT_EQ(database.ReadText(kContactColumn), "");
  EXPECT_FALSE(database.ReadYesNo(kLunarColumn));
  EXPECT_EQ(database.ReadText("其他"), "");
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(BirthdayDatabaseTest, PositionsFollowTheOpenResultSet) {
  Fill({{"赵", "1", false, ""},
        {"阿", "2", false, ""},
        {"王", "3", false, ""},
        {"李", "4", false, ""}});
  BirthdayDatabase database(errors);
  ASSERT_TRUE(database.OpenBirthdayDatabase(folder.path()));
  ASSERT_TRUE(database.OpenOrdered("姓名 ASC"));
  ASSERT_EQ(Column(database, kNameColumn), (std::vector<std::string>{"阿", "李", "王", "赵"}));

  // A change at a position reaches that row of the table once the cursor moves on.
  database.MoveToPosition(2);
  EXPECT_EQ(database.ReadText(kNameColumn), "王");
  database.WriteText(kContactColumn, "x");
  database.MoveFirst();
  EXPECT_EQ(Query(File(), u8"select group_concat(姓名) from 生日 where 联系方式 = 'x'"), u8"王");

  // Deleting moves the later rows up, in the result set and in the addressing behind it.
  database.MoveToPosition(1);
  ASSERT_TRUE(database.DeleteRow());
  EXPECT_EQ(database.RowCount(), 3);
  EXPECT_EQ(Query(File(), u8"select count(*) from 生日 where 姓名 = '李'"), "0");
  database.MoveToPosition(1);
  database.WriteText(kBirthdayColumn, "5");
  ASSERT_TRUE(database.Update());
  EXPECT_EQ(Query(File(), u8"select 生日 from 生日 where 姓名 = '王'"), "5");

  // An added row goes to the end of a sorted set, and a later save at its position
  // changes it rather than adding another.
  database.AddRow();
  database.WriteText(kNameColumn, "陈");
  database.MoveFirst();
  EXPECT_EQ(Column(database, kNameColumn), (std::vector<std::string>{"阿", "王", "赵", "陈"}));
  database.MoveToPosition(3);
  database.WriteText(kContactColumn, "y");
  database.MoveFirst();
  EXPECT_EQ(Query(File(), u8"select count(*) || 联系方式 from 生日 where 姓名 = '陈'"), u8"1y");

  // A row that another program removed meanwhile is written anew, not lost.
  Query(File(), u8"delete from 生日 where 姓名 = '王'");
  database.MoveToPosition(1);
  database.WriteText(kContactColumn, "z");
  database.MoveFirst();
  EXPECT_EQ(Query(File(), u8"select 联系方式 from 生日 where 姓名 = '王'"), "z");
  EXPECT_EQ(Query(File(), u8"select count(*) from 生日"), "4");

  database.MoveToPosition(4);
  EXPECT_TRUE(database.AtEnd());
  database.MoveNext();
  EXPECT_TRUE(database.AtEnd());
  database.MoveToPosition(-1);
  EXPECT_TRUE(database.AtEnd());
  EXPECT_FALSE(database.DeleteRow());
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(BirthdayDatabaseTest, OrderedOpensSortLikeAChineseDatabase) {
  Fill({{"张伟", "1980年5月3日", true, ""},
        {"赵六", "1980年10月1日", false, ""},
        {"李四", "1979年12月1日", true, ""},
        {"王五", "1990年5月8日[闰月]", false, ""},
        {"阿明", "1980年5月12日", false, ""}});
  BirthdayDatabase database(errors);
  ASSERT_TRUE(database.OpenBirthdayDatabase(folder.path()));
  EXPECT_EQ(Column(database, kNameColumn),
            (std::vector<std::string>{"张伟", "赵六", "李四", "王五", "阿明"}));
  ASSERT_TRUE(database.OpenOrdered("姓名 ASC"));
  EXPECT_EQ(Column(database, kNameColumn),
            (std::vector<std::string>{"阿明", "李四", "王五", "张伟", "赵六"}));
  ASSERT_TRUE(database.OpenOrdered("姓名 DESC"));
  EXPECT_EQ(Column(database, kNameColumn),
            (std::vector<std::string>{"赵六", "张伟", "王五", "李四", "阿明"}));
  ASSERT_TRUE(database.OpenOrdered("生日 ASC"));
  EXPECT_EQ(Column(database, kBirthdayColumn),
            (std::vector<std::string>{"1979年12月1日", "1980年10月1日", "1980年5月12日",
                                      "1980年5月3日", "1990年5月8日[闰月]"}));
  ASSERT_TRUE(database.OpenOrdered("提醒方式 ASC"));
  EXPECT_EQ(Column(database, kNameColumn),
            (std::vector<std::string>{"赵六", "王五", "阿明", "张伟", "李四"}));
  ASSERT_TRUE(database.OpenTable(kBirthdayTable));
  database.MoveFirst();
  EXPECT_EQ(database.ReadText(kNameColumn), "张伟");
  EXPECT_TRUE(errors.texts.empty());

  EXPECT_FALSE(database.OpenOrdered("没有这列 ASC"));
  EXPECT_FALSE(database.IsOpen());
  EXPECT_EQ(database.RowCount(), 0);
  EXPECT_EQ(database.ReadText(kNameColumn), "");
  ASSERT_EQ(errors.texts.size(), 1u);
  EXPECT_EQ(errors.texts[0].rfind("无法打开生日表：no such column", 0), 0u) << errors.texts[0];
}

TEST(GbkCollation, OrdersByGbkBytes) {
  auto sign = [](int value) { return (value > 0) - (value < 0); };
  const std::vector<std::string> ascending = {
      "",
      "1980\xE5\xB9\xB4"
      "10",
      "1980\xE5\xB9\xB4"
      "5",
      "A",
      "a",
      u8"阿",
      u8"李",
      u8"王",
      u8"张",
      u8"张三",
      u8"张四",
      u8"赵",
      u8"䷀",           // in the Basic Multilingual Plane but not in GBK: after every GBK text
      u8"\U0001F600"};  // outside the plane
  for (size_t i = 0; i < ascending.size(); ++i) {
    for (size_t j = 0; j < ascending.size(); ++j) {
      int expected = sign(static_cast<int>(i) - static_cast<int>(j));
      EXPECT_EQ(sign(CompareInGbkOrder(ascending[i], ascending[j])), expected)
          << ascending[i] << " / " << ascending[j];
    }
  }
  // Bytes that are not UTF-8 still give a strict order.
  EXPECT_NE(CompareInGbkOrder("\xFF"
                              "a",
                              "\xFF"
                              "b"),
            0);
  EXPECT_EQ(sign(CompareInGbkOrder("\xC3", "\xC4")), -sign(CompareInGbkOrder("\xC4", "\xC3")));
}

TEST_F(BirthdayDatabaseTest, FileThatIsNoDatabaseIsReportedAndNeverWritten) {
  std::string foreign = std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(4000, 'x');
  testing::WriteFileBytes(File(), foreign);
  BirthdayDatabase database(errors);
  EXPECT_FALSE(database.OpenBirthdayDatabase(folder.path()));
  ASSERT_EQ(errors.texts.size(), 1u);
  EXPECT_EQ(errors.texts[0], "无法打开生日表：file is not a database");
  EXPECT_EQ(database.RowCount(), 0);

  // A save after that is refused visibly.
  database.AddRow();
  database.WriteText(kNameColumn, "张三");
  database.MoveFirst();
  EXPECT_FALSE(database.Update());
  EXPECT_FALSE(database.OpenOrdered("姓名 ASC"));
  EXPECT_EQ(errors.texts.size(), 3u);
  EXPECT_EQ(errors.texts[1], "无法保存好友生日：file is not a database");
  EXPECT_EQ(ReadFileBytes(File()), foreign);
  EXPECT_FALSE(std::filesystem::exists(File() + "-journal"));
}

TEST_F(BirthdayDatabaseTest, CorruptDatabaseIsReportedAndNeverWritten) {
  Fill({{"张三", "1980年5月3日", false, "123"}});
  std::string bytes = ReadFileBytes(File());
  ASSERT_GE(bytes.size(), 8192u);
  // Page 2 holds the table's rows.
  std::fill(bytes.begin() + 4096, bytes.begin() + 8192, '\xFF');
  testing::WriteFileBytes(File(), bytes);

  BirthdayDatabase database(errors);
  EXPECT_FALSE(database.OpenBirthdayDatabase(folder.path()));
  database.AddRow();
  database.MoveFirst();
  ASSERT_EQ(errors.texts.size(), 2u);
  EXPECT_EQ(errors.texts[0].rfind("无法打开生日表：", 0), 0u);
  EXPECT_EQ(ReadFileBytes(File()), bytes);
}

TEST_F(BirthdayDatabaseTest, ReadOnlyFileLoadsAndRefusesSavesVisibly) {
  Fill({{"张三", "1980年5月3日", false, "123"}, {"李四", "1980年6月3日", false, ""}});
  if (!TempFolder::MakeReadOnly(File())) GTEST_SKIP() << "cannot make a file read-only here";
  const std::string bytes = ReadFileBytes(File());

  BirthdayDatabase database(errors);
  ASSERT_TRUE(database.OpenBirthdayDatabase(folder.path()));
  EXPECT_EQ(database.RowCount(), 2);
  EXPECT_TRUE(errors.texts.empty());

  database.WriteText(kNameColumn, "王五");
  database.MoveNext();
  ASSERT_EQ(errors.texts.size(), 1u);
  EXPECT_EQ(errors.texts[0], "无法保存好友生日：attempt to write a readonly database");
  EXPECT_FALSE(database.DeleteRow());
  EXPECT_EQ(database.RowCount(), 2);
  ASSERT_EQ(errors.texts.size(), 2u);
  EXPECT_EQ(errors.texts[1].rfind("无法删除好友生日：", 0), 0u);
  EXPECT_EQ(ReadFileBytes(File()), bytes);
}

}  // namespace
}  // namespace memo
