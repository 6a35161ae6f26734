// The friend list: loading in the eight orders, ages, the status-bar texts, and saving
// and deleting friends in the list and the table together.
#include "records/friend_list.h"

#include <gtest/gtest.h>

#include "settings/settings_names.h"
#include "records_fixture.h"

namespace memo {
namespace {

using Names = std::vector<std::string>;

class FriendListTest : public testing::RecordsFixture {
 protected:
  void AddFive() {
    Add("张伟", "1980年5月3日", false, "123");
    Add("赵六", "1980年10月1日", true);
    Add("李四", "1979年12月1日", false);
    Add("王五", "1990年5月8日[闰月]", true, "qq");
    Add("阿明", "1980年5月12日", false);
  }
  Names Loaded(int sortCode) {
    LoadFriendList(context, sortCode);
    return Column(friends, 0);
  }
};

TEST_F(FriendListTest, LoadsInEverySortOrder) {
  On(2012, 7, 1);
  AddFive();
  const Names stored = {"张伟", "赵六", "李四", "王五", "阿明"};
  EXPECT_EQ(Loaded(settings.ReadNumber(SortSetting)), stored);  // paixu missing
  EXPECT_EQ(Loaded(0), stored);
  EXPECT_EQ(Loaded(1), (Names{"阿明", "李四", "王五", "张伟", "赵六"}));
  EXPECT_EQ(Loaded(2), (Names{"赵六", "张伟", "王五", "李四", "阿明"}));
  const Names byBirthday = {"李四", "赵六", "阿明", "张伟", "王五"};  // 1980年10月 before 5月
  EXPECT_EQ(Loaded(3), byBirthday);
  EXPECT_EQ(Loaded(6), byBirthday);
  const Names byBirthdayDown(byBirthday.rbegin(), byBirthday.rend());
  EXPECT_EQ(Loaded(4), byBirthdayDown);
  EXPECT_EQ(Loaded(7), byBirthdayDown);
  EXPECT_EQ(Loaded(5), (Names{"张伟", "李四", "阿明", "赵六", "王五"}));
  EXPECT_EQ(Loaded(8), stored);
  EXPECT_EQ(Loaded(-1), stored);
  EXPECT_TRUE(database.AtEnd());  // the set stays open at its end
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(FriendListTest, ColumnsAndAges) {
  On(2012, 1, 1);
  AddFive();
  Add("钱七", "1980年12月31日", false);
  database.AddRow();  // a birthday text that is no date
  database.WriteText(kNameColumn, "孙八");
  database.WriteText(kBirthdayColumn, "某天");
  database.MoveFirst();

  LoadFriendList(context, 0);
  ASSERT_EQ(friends.RowCount(), 7);
  EXPECT_EQ(Row(friends, 0), (Names{"张伟", "1980年5月3日", "公历", "32岁", "123", ""}));
  // Lunar ages count from today's lunar year: 2012-01-01 is in lunar 2011.
  EXPECT_EQ(Row(friends, 3), (Names{"王五", "1990年5月8日[闰月]", "农历", "21岁", "qq", ""}));
  EXPECT_EQ(friends.Cell(5, 3), "32岁");  // whether or not the birthday has passed
  EXPECT_EQ(friends.Cell(6, 3), "1912岁");
  On(2012, 12, 31);
  LoadFriendList(context, 0);
  EXPECT_EQ(friends.Cell(5, 3), "32岁");
  EXPECT_EQ(friends.Cell(3, 3), "22岁");
}

TEST_F(FriendListTest, SortMenuStoresTheCodeAndReloadsInTheBackground) {
  AddFive();
  LoadFriendList(context, 0);
  std::vector<std::function<void()>> queued;
  OnSortMenu(context, 2, [&](std::function<void()> task) { queued.push_back(std::move(task)); });
  EXPECT_EQ(settings.ReadNumber(SortSetting), 2);
  ASSERT_EQ(queued.size(), 1u);
  EXPECT_EQ(friends.Cell(0, 0), "张伟");  // not before the worker runs it
  queued[0]();
  EXPECT_EQ(friends.Cell(0, 0), "赵六");
}

TEST_F(FriendListTest, StatusBarTexts) {
  AddFive();
  EXPECT_EQ(statusBar.parts[1], "当前记录数：5");
  LoadFriendList(context, 0);
  ShowRowSummary(context);
  EXPECT_EQ(statusBar.parts.count(0), 0u);  // no current row
  friends.SetCurrentRow(0);
  ShowRowSummary(context);
  EXPECT_EQ(statusBar.parts[0], "张伟生日：1980年5月3日(公历)");
  friends.SetCurrentRow(3);
  ShowRowSummary(context);
  EXPECT_EQ(statusBar.parts[0], "王五生日：1990年5月8日[闰月](农历)");
}

TEST_F(FriendListTest, SaveWritesTheSameRowInListAndTable) {
  On(2012, 7, 1);
  Add("王五", "1990年5月8日[闰月]", true);
  Add("", "1980年5月3日", false);
  // A solar date picked on a day of a lunar leap month keeps a plain date text.
  Add("钱七", "2012年6月1日[闰月]", false);
  EXPECT_EQ(Row(friends, 0), (Names{"王五", "1990年5月8日[闰月]", "农历", "22岁", "", ""}));
  EXPECT_EQ(friends.Cell(2, 1), "2012年6月1日");

  BirthdayDatabase reader(errors);
  ASSERT_TRUE(reader.OpenBirthdayDatabase(folder.path()));
  ASSERT_EQ(reader.RowCount(), 3);
  EXPECT_EQ(reader.ReadText(kBirthdayColumn), "1990年5月8日[闰月]");
  EXPECT_TRUE(reader.ReadYesNo(kLunarColumn));
  reader.MoveNext();
  EXPECT_EQ(reader.ReadText(kNameColumn), "");
  reader.MoveNext();
  EXPECT_EQ(reader.ReadText(kBirthdayColumn), "2012年6月1日");

  // Editing a row of a sorted list changes that friend, and the age a reload shows is the
  // one the edit wrote.
  LoadFriendList(context, 1);  // "", 钱七, 王五
  ASSERT_EQ(friends.Cell(2, 0), "王五");
  SaveFriend(context, "王五", true, DateFromText("1991年5月8日"), "新", 2, false);
  const Names edited = Row(friends, 2);
  LoadFriendList(context, 1);
  EXPECT_EQ(Row(friends, 2), edited);
  EXPECT_EQ(edited, (Names{"王五", "1991年5月8日", "农历", "21岁", "新", ""}));
  EXPECT_EQ(friends.RowCount(), 3);
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(FriendListTest, DeletesTheSelectedRowsAfterConfirmation) {
  AddFive();
  Add("钱七", "1980年12月31日", false);
  LoadFriendList(context, 1);  // 阿明 李四 钱七 王五 张伟 赵六
  for (int row : {1, 3, 4}) friends.Select(row);
  std::string asked;
  DeleteSelectedFriends(context, [&](const std::string& question) {
    asked = question;
    return false;
  });
  EXPECT_EQ(asked, "确定要删除这3位好友的生日信息吗?");
  EXPECT_EQ(friends.RowCount(), 6);
  EXPECT_TRUE(tray.tips.empty());

  DeleteSelectedFriends(context, [](const std::string&) { return true; });
  EXPECT_EQ(Column(friends, 0), (Names{"阿明", "钱七", "赵六"}));
  EXPECT_EQ(tray.tips.size(), 1u);  // the upcoming pass ran
  LoadFriendList(context, 0);
  EXPECT_EQ(Column(friends, 0), (Names{"赵六", "阿明", "钱七"}));

  // After a deletion a new friend still reaches the table.
  Add("孙八", "2000年1月1日", false);
  LoadFriendList(context, 0);
  EXPECT_EQ(Column(friends, 0), (Names{"赵六", "阿明", "钱七", "孙八"}));

  friends.Select(0, false);
  DeleteSelectedFriends(context, [&](const std::string&) {
    ADD_FAILURE() << "nothing is selected";
    return true;
  });
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(FriendListTest, RefusedChangesAreReportedAndTheListKeepsItsRows) {
  AddFive();
  const std::string file = folder.File("config.mdb");
  if (!testing::TempFolder::MakeReadOnly(file)) GTEST_SKIP() << "cannot make a file read-only";
  const std::string bytes = testing::ReadFileBytes(file);
  BirthdayDatabase readOnly(errors);
  RecordsContext other{readOnly, friends, upcoming, statusBar, settings, reportView, tray, ""};
  ASSERT_TRUE(readOnly.OpenBirthdayDatabase(folder.path()));
  LoadFriendList(other, 0);
  ASSERT_EQ(friends.RowCount(), 5);

  EXPECT_EQ(DeleteFriendRows(other, {1, 2}), 0);
  EXPECT_EQ(friends.RowCount(), 5);
  SaveFriend(other, "新", false, DateFromText("2000年1月1日"), "", friends.AppendRow(), false);
  ASSERT_EQ(errors.texts.size(), 2u);
  EXPECT_EQ(errors.texts[0].rfind("无法删除好友生日：", 0), 0u);
  EXPECT_EQ(errors.texts[1], "无法保存好友生日：attempt to write a readonly database");
  EXPECT_EQ(testing::ReadFileBytes(file), bytes);
}

TEST_F(FriendListTest, FileThatIsNoDatabaseGivesAnEmptyListAndStaysUntouched) {
  const std::string file = folder.File("other") + "/config.mdb";
  std::filesystem::create_directory(folder.File("other"));
  const std::string foreign = "Standard Jet DB" + std::string(2000, '\x01');
  testing::WriteFileBytes(file, foreign);
  BirthdayDatabase broken(errors);
  RecordsContext other{broken, friends, upcoming, statusBar, settings, reportView, tray, ""};
  EXPECT_FALSE(broken.OpenBirthdayDatabase(folder.File("other")));
  LoadFriendList(other, 1);
  EXPECT_EQ(friends.RowCount(), 0);
  SaveFriend(other, "张三", false, DateFromText("1980年5月3日"), "", friends.AppendRow(), false);
  EXPECT_EQ(errors.texts, (Names{"无法打开生日表：file is not a database",
                                 "无法打开生日表：file is not a database",
                                 "无法保存好友生日：file is not a database"}));
  EXPECT_EQ(testing::ReadFileBytes(file), foreign);
}

}  // namespace
}  // namespace memo
