// The friend list: loading in the eight orders, ages, the status-bar texts, and adding,
// changing and deleting friends in the list and the table together.
#include "window_logic/friend_list.h"

#include <gtest/gtest.h>

#include "records_fixture.h"
#include "settings/settings_names.h"

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
    return Column(0);
  }
  // The friends as the table holds them, in stored order.
  std::vector<Friend> Stored() {
    FriendRepository reader(errors);
    std::vector<Friend> stored;
    reader.Open(folder.path());
    reader.Load(SortCode::kStored, stored);
    return stored;
  }
};

TEST_F(FriendListTest, LoadsInEverySortOrder) {
  On(2012, 7, 1);
  AddFive();
  const Names stored = {"张伟", "赵六", "李四", "王五", "阿明"};
  EXPECT_EQ(Loaded(settings.ReadNumber(kSortSetting)), stored);  // paixu missing
  EXPECT_EQ(Loaded(0), stored);
  EXPECT_EQ(Loaded(1), (Names{"阿明", "李四", "王五", "张伟", "赵六"}));
  EXPECT_EQ(Loaded(2), (Names{"赵六", "张伟", "王五", "李四", "阿明"}));
  const Names byBirthday = {"李四", "张伟", "阿明", "赵六", "王五"};
  EXPECT_EQ(Loaded(3), byBirthday);
  EXPECT_EQ(Loaded(7), byBirthday);  // 年龄降序: the oldest first
  const Names byBirthdayDown(byBirthday.rbegin(), byBirthday.rend());
  EXPECT_EQ(Loaded(4), byBirthdayDown);
  EXPECT_EQ(Loaded(6), byBirthdayDown);  // 年龄升序: the youngest first
  EXPECT_EQ(Loaded(5), (Names{"张伟", "李四", "阿明", "赵六", "王五"}));
  EXPECT_EQ(Loaded(8), stored);
  EXPECT_EQ(Loaded(-1), stored);
  EXPECT_TRUE(errors.texts.empty());
}

// The birthday orders go by the numbers, a leap month after its ordinary month; the age
// orders by the ages shown, which before the lunar new year count a lunar birth year as one
// later. Birthdays without a year come after them by month and day (backwards only in the
// descending birthday order), unreadable ones last, and ties keep the stored order.
TEST_F(FriendListTest, BirthdayAndAgeOrders) {
  const struct {
    const char *name, *birthday;
    bool lunar;
  } stored[] = {{"甲", "1980年10月1日", false}, {"乙", "1980年5月1日", false},
                {"丙", "garbage", false},       {"丁", "1990年5月8日[闰月]", true},
                {"戊", "1990年5月8日", true},   {"己", "1990年6月1日", true},
                {"庚", "1980年5月1日", false},  {"辛", "", true},
                {"壬", "1991年1月10日", false}, {"癸", "1991年1月5日", true},
                {"子", "12月1日", false},       {"丑", "3月1日", true}};
  for (const auto& person : stored) StoreRaw(person.name, person.birthday, person.lunar);
  const Names ascending = {"乙", "庚", "甲", "戊", "丁", "己", "癸", "壬", "丑", "子", "丙", "辛"};
  const Names descending = {"壬", "癸", "己", "丁", "戊", "甲", "乙", "庚", "子", "丑", "丙", "辛"};
  Names ageAscending = descending;
  std::swap(ageAscending[8], ageAscending[9]);
  const struct {
    int month, day;  // in 2012; 10 January is lunar 2011-12-17
    SortCode code;
    Names names;
  } cases[] = {
      {4, 15, SortCode::kBirthdayAscending, ascending},
      {4, 15, SortCode::kBirthdayDescending, descending},
      {4, 15, SortCode::kAgeAscending, ageAscending},
      {4, 15, SortCode::kAgeDescending, ascending},
      {1, 10, SortCode::kBirthdayAscending, ascending},
      {1,
       10,
       SortCode::kAgeAscending,
       {"癸", "己", "丁", "戊", "壬", "甲", "乙", "庚", "丑", "子", "丙", "辛"}},
      {1,
       10,
       SortCode::kAgeDescending,
       {"乙", "庚", "甲", "壬", "戊", "丁", "己", "癸", "丑", "子", "丙", "辛"}},
  };
  for (const auto& c : cases) {
    On(2012, c.month, c.day);
    EXPECT_EQ(Loaded(static_cast<int>(c.code)), c.names)
        << c.month << "-" << c.day << ", code " << static_cast<int>(c.code);
  }
}

TEST_F(FriendListTest, ColumnsAndAges) {
  On(2012, 1, 1);
  AddFive();
  Add("钱七", "1980年12月31日", false);
  // Birthdays that read as no date are listed as stored, without an age, and counted.
  for (const char* unreadable : {"garbage", "", "2013年2月29日"})
    StoreRaw("孙八", unreadable, false);
  StoreRaw("周九", "1980年2月30日", true);  // lunar texts are read by their numbers

  EXPECT_EQ(LoadFriendList(context, 0), 10);
  ASSERT_EQ(friends.rows.size(), 10u);
  EXPECT_EQ(Row(0), (Names{"张伟", "1980年5月3日", "公历", "31岁", "猴", "金牛座", "123"}));
  // Lunar ages count from today's lunar year: 2012-01-01 is in lunar 2011. A lunar birthday
  // shows in lunar words; the stored text stays as it is.
  EXPECT_EQ(Row(3), (Names{"王五", "1990年闰五月初八", "农历", "21岁", "马", "巨蟹座", "qq"}));
  EXPECT_EQ(friends.rows[5].cells[3], "31岁");  // completed years: 32 on its birthday
  EXPECT_EQ(Row(6), (Names{"孙八", "garbage", "公历", "", "", "", ""}));
  EXPECT_EQ(Row(7), (Names{"孙八", "", "公历", "", "", "", ""}));
  EXPECT_EQ(Row(8), (Names{"孙八", "2013年2月29日", "公历", "", "", "", ""}));
  EXPECT_EQ(Row(9), (Names{"周九", "1980年二月三十", "农历", "31岁", "猴", "", ""}));
  On(2012, 12, 31);
  LoadFriendList(context, 0);
  EXPECT_EQ(friends.rows[5].cells[3], "32岁");
  EXPECT_EQ(friends.rows[3].cells[3], "22岁");
  // Rows carry their friends' rowids.
  EXPECT_EQ(RowId(0), 1);
  EXPECT_EQ(RowId(8), 9);
}

TEST_F(FriendListTest, SortMenuStoresTheCodeAndReloadsInTheBackground) {
  AddFive();
  LoadFriendList(context, 0);
  std::vector<std::function<void()>> queued;
  OnSortMenu(context, 2, [&](std::function<void()> task) { queued.push_back(std::move(task)); });
  EXPECT_EQ(settings.ReadNumber(kSortSetting), 2);
  ASSERT_EQ(queued.size(), 1u);
  EXPECT_EQ(Row(0)[0], "张伟");  // not before the worker runs it
  queued[0]();
  EXPECT_EQ(Row(0)[0], "赵六");
}

TEST_F(FriendListTest, StatusBarTexts) {
  AddFive();
  StoreRaw("孙八", "某天", true);
  EXPECT_EQ(statusBar.parts[1], "当前记录数：5");
  LoadFriendList(context, 1);
  ShowRowSummary(context, 0);
  EXPECT_EQ(statusBar.parts.count(0), 0u);  // no such friend
  const struct {
    int64_t rowid;
    const char* summary;
  } summaries[] = {{1, "张伟生日：1980年5月3日(公历)"},
                   {4, "王五生日：1990年5月8日[闰月](农历)"},
                   {6, "孙八生日：某天(农历)（生日无法识别）"}};
  for (const auto& c : summaries) {
    ShowRowSummary(context, c.rowid);
    EXPECT_EQ(statusBar.parts[0], c.summary);
  }
}

// Pane 1 counts the friends after every change; pane 0 follows the friend it names through
// an edit and empties once that friend is deleted, and other friends' changes leave it.
TEST_F(FriendListTest, StatusBarFollowsEveryChange) {
  AddFive();  // rowids 1 to 5: 张伟 赵六 李四 王五 阿明
  LoadFriendList(context, 0);
  ShowRowSummary(context, 4);
  const auto edit = [this](int64_t rowid, const std::string& name) {
    Friend changed = *FindFriend(context, rowid);
    changed.name = name;
    UpdateFriend(context, changed);
  };
  const std::string named = "生日：1990年5月8日[闰月](农历)";
  const struct {
    const char* step;
    std::function<void()> change;
    std::string pane0, pane1;
  } steps[] = {
      {"add", [&] { Add("钱七", "1980年12月31日", false); }, "王五" + named, "当前记录数：6"},
      {"edit another", [&] { edit(1, "张大伟"); }, "王五" + named, "当前记录数：6"},
      {"edit the named", [&] { edit(4, "王小五"); }, "王小五" + named, "当前记录数：6"},
      {"delete others",
       [&] {
         DeleteFriends(context, {1, 2});
       },
       "王小五" + named, "当前记录数：4"},
      {"delete the named", [&] { DeleteFriends(context, {4}); }, "", "当前记录数：3"},
      {"reload", [&] { LoadFriendList(context, 1); }, "", "当前记录数：3"},
      {"rows stored elsewhere, reloaded",
       [&] {
         StoreRaw("孙八", "2000年1月1日", false);
         LoadFriendList(context, 0);
       },
       "", "当前记录数：4"},
  };
  for (const auto& s : steps) {
    s.change();
    EXPECT_EQ(statusBar.parts[0], s.pane0) << s.step;
    EXPECT_EQ(statusBar.parts[1], s.pane1) << s.step;
  }
}

TEST_F(FriendListTest, AddAndUpdateWriteTheListAndTheTable) {
  On(2012, 7, 1);
  Add("王五", "1990年5月8日[闰月]", true);
  Add("", "1980年5月3日", false);
  // A solar date picked on a day of a lunar leap month keeps a plain date text.
  const std::optional<Birthday> solar = SolarBirthdayOfDate(MakeDateTime(2012, 6, 1, 13));
  ASSERT_TRUE(solar);
  AddFriend(context, Friend{0, "钱七", *solar, ""});
  EXPECT_EQ(Row(0), (Names{"王五", "1990年闰五月初八", "农历", "22岁", "马", "巨蟹座", ""}));
  EXPECT_EQ(Row(2)[1], "2012年6月1日");
  EXPECT_EQ(statusBar.parts[1], "当前记录数：3");
  std::vector<Friend> stored = Stored();
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_EQ(stored[0].birthday.text, "1990年5月8日[闰月]");
  EXPECT_TRUE(stored[0].birthday.lunar());
  EXPECT_EQ(stored[2].birthday.text, "2012年6月1日");

  // The dates a birthday can hold: 100年1月1日 is one, anything past 9999年12月31日 is not.
  EXPECT_EQ(SolarBirthdayOfDate(kMinDateTime)->text, "100年1月1日");
  EXPECT_FALSE(SolarBirthdayOfDate(kMaxDateTime + 1));
  EXPECT_FALSE(SolarBirthdayOfDate(kMinDateTime - 1));

  // Changing a friend of a sorted list changes that friend, and a reload shows what the
  // change wrote.
  LoadFriendList(context, 1);  // "", 钱七, 王五
  ASSERT_EQ(Row(2)[0], "王五");
  Friend changed = context.friends[2];
  changed.birthday = BirthdayOf(true, 1991, 5, 8, false);
  changed.contact = "新";
  ASSERT_TRUE(UpdateFriend(context, changed));
  const Names edited = Row(2);
  LoadFriendList(context, 1);
  EXPECT_EQ(Row(2), edited);
  EXPECT_EQ(edited, (Names{"王五", "1991年五月初八", "农历", "21岁", "羊", "双子座", "新"}));
  EXPECT_EQ(friends.rows.size(), 3u);
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(FriendListTest, DeletesTheChosenFriendsAfterConfirmation) {
  AddFive();
  Add("钱七", "1980年12月31日", false);
  LoadFriendList(context, 1);  // 阿明 李四 钱七 王五 张伟 赵六
  const std::vector<int64_t> chosen = {RowId(1), RowId(3), RowId(4)};
  std::string asked;
  EXPECT_TRUE(DeleteChosenFriends(context, chosen, [&](const std::string& question) {
                asked = question;
                return false;
              }).empty());
  EXPECT_EQ(asked, "确定要删除李四、王五等3位好友的生日信息吗？");
  EXPECT_EQ(friends.rows.size(), 6u);

  const std::vector<Friend> deleted =
      DeleteChosenFriends(context, chosen, [](const std::string&) { return true; });
  ASSERT_EQ(deleted.size(), 3u);
  EXPECT_EQ(deleted[1].birthday.text, "1990年5月8日[闰月]");
  EXPECT_EQ(deleted[1].contact, "qq");
  EXPECT_EQ(statusBar.parts[0], "已删除李四、王五等3位好友。按 Ctrl+Z 撤销。");
  EXPECT_EQ(Column(0), (Names{"阿明", "钱七", "赵六"}));
  EXPECT_EQ(context.friends.size(), 3u);
  LoadFriendList(context, 0);
  EXPECT_EQ(Column(0), (Names{"赵六", "阿明", "钱七"}));

  // After a deletion a new friend still reaches the table.
  Add("孙八", "2000年1月1日", false);
  LoadFriendList(context, 0);
  EXPECT_EQ(Column(0), (Names{"赵六", "阿明", "钱七", "孙八"}));

  // Rowids no longer in the list choose nobody.
  DeleteChosenFriends(context, chosen, [&](const std::string&) {
    ADD_FAILURE() << "nobody is chosen";
    return true;
  });
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(FriendListTest, TheQuestionNamesWhomItDeletes) {
  const struct {
    std::vector<Friend> friends;
    const char* question;
  } cases[] = {
      {{Person("王小明", "1990年5月1日", false)},
       "确定要删除王小明（1990年5月1日，公历）的生日信息吗？"},
      {{Person("李娜", "1990年5月10日[闰月]", true)},
       "确定要删除李娜（1990年闰五月初十，农历）的生日信息吗？"},
      {{Person("赵六", "2004年2月30日", true)},
       "确定要删除赵六（2004年二月三十，农历）的生日信息吗？"},
      {{Person("孙八", "不知道", false)}, "确定要删除孙八（不知道，公历）的生日信息吗？"},
      {{Person("王小明", "1990年5月1日", false), Person("李娜", "1990年5月10日", true)},
       "确定要删除王小明、李娜等2位好友的生日信息吗？"},
  };
  for (const auto& c : cases) EXPECT_EQ(DeletionQuestion(c.friends), c.question);
}

TEST_F(FriendListTest, UndoPutsTheDeletedFriendsBackUnderTheirRowids) {
  AddFive();  // rowids 1 to 5: 张伟 赵六 李四 王五 阿明
  const auto yes = [](const std::string&) { return true; };
  std::vector<Friend> deleted = DeleteChosenFriends(context, {4}, yes);
  EXPECT_EQ(statusBar.parts[0], "已删除王五。按 Ctrl+Z 撤销。");
  EXPECT_EQ(RestoreFriends(context, deleted), 1);
  EXPECT_EQ(statusBar.parts[0], "王五生日：1990年5月8日[闰月](农历)");
  EXPECT_EQ(statusBar.parts[1], "当前记录数：5");

  // 张伟's rowid is taken meanwhile by a friend stored in the largest rowid's place: 张伟
  // comes back in a new row, 赵六 in its own.
  deleted = DeleteChosenFriends(context, {1, 2}, yes);
  repository.Restore(Friend{1, "新人", ReadBirthday("2000年1月1日", false), ""});
  EXPECT_EQ(RestoreFriends(context, deleted), 2);
  std::vector<Friend> stored = Stored();
  ASSERT_EQ(stored.size(), 6u);
  std::vector<std::pair<int64_t, std::string>> rows;
  for (const Friend& person : stored) rows.push_back({person.rowid, person.name});
  EXPECT_EQ(rows,
            (std::vector<std::pair<int64_t, std::string>>{
                {1, "新人"}, {2, "赵六"}, {3, "李四"}, {4, "王五"}, {5, "阿明"}, {6, "张伟"}}));
  EXPECT_EQ(stored[5].contact, "123");
  EXPECT_EQ(stored[5].birthday.text, "1980年5月3日");
  EXPECT_TRUE(stored[1].birthday.lunar());
  EXPECT_EQ(Column(0), (Names{"新人", "赵六", "李四", "王五", "阿明", "张伟"}));
  EXPECT_TRUE(errors.texts.empty());
}

// In a list sorted by name, a friend added or brought back is at its place at once.
TEST_F(FriendListTest, AnAddedOrRestoredFriendTakesItsPlaceInTheOrder) {
  settings.WriteNumber(kSortSetting, 1);
  AddFive();
  const Names ordered = {"阿明", "李四", "王五", "张伟", "赵六"};
  EXPECT_EQ(Column(0), ordered);
  std::vector<Friend> deleted =
      DeleteChosenFriends(context, {3}, [](const std::string&) { return true; });
  EXPECT_EQ(RestoreFriends(context, deleted), 1);
  EXPECT_EQ(Column(0), ordered);
}

// Deleted, then imported again before Ctrl+Z: that friend is not put back a second time; a
// friend of the same name with another birthday is another friend.
TEST_F(FriendListTest, UndoLeavesOutAFriendThatIsInTheListAgain) {
  AddFive();  // rowids 1 to 5: 张伟 赵六 李四 王五 阿明
  std::vector<Friend> deleted =
      DeleteChosenFriends(context, {4, 5}, [](const std::string&) { return true; });
  repository.Insert(Person("王五", "1990年5月8日[闰月]", true, "qq"));
  repository.Insert(Person("阿明", "1980年5月12日", true));
  LoadFriendList(context, 0);
  EXPECT_EQ(RestoreFriends(context, deleted), 1);
  EXPECT_EQ(statusBar.parts[0], "王五已在好友列表中，没有再恢复。");
  EXPECT_EQ(Column(0), (Names{"张伟", "赵六", "李四", "王五", "阿明", "阿明"}));
}

TEST_F(FriendListTest, RefusedChangesAreReportedAndTheListKeepsItsRows) {
  AddFive();
  const std::string file = folder.File("config.mdb");
  if (!testing::TempFolder::MakeReadOnly(file)) GTEST_SKIP() << "cannot make a file read-only";
  const std::string bytes = testing::ReadFileBytes(file);
  FriendRepository readOnly(errors);
  RecordsContext other{readOnly, friends, statusBar, settings, {}};
  ASSERT_TRUE(readOnly.Open(folder.path()));
  LoadFriendList(other, 0);
  ASSERT_EQ(friends.rows.size(), 5u);

  EXPECT_EQ(DeleteFriends(other, {RowId(1), RowId(2)}), 0);
  EXPECT_FALSE(AddFriend(other, Person("新", "2000年1月1日", false)));
  Friend changed = other.friends[0];
  changed.name = "改";
  EXPECT_FALSE(UpdateFriend(other, changed));
  EXPECT_EQ(friends.rows.size(), 5u);
  EXPECT_EQ(Row(0)[0], "张伟");
  ASSERT_EQ(errors.texts.size(), 3u);
  EXPECT_EQ(errors.texts[0].rfind("无法删除好友生日：", 0), 0u);
  EXPECT_EQ(errors.texts[1], "无法保存好友生日：attempt to write a readonly database");
  EXPECT_EQ(testing::ReadFileBytes(file), bytes);
}

TEST_F(FriendListTest, FileThatIsNoDatabaseGivesAnEmptyListAndStaysUntouched) {
  const std::string file = folder.File("other") + "/config.mdb";
  std::filesystem::create_directory(folder.File("other"));
  const std::string foreign = "Standard Jet DB" + std::string(2000, '\x01');
  testing::WriteFileBytes(file, foreign);
  FriendRepository broken(errors);
  RecordsContext other{broken, friends, statusBar, settings, {}};
  EXPECT_FALSE(broken.Open(folder.File("other")));
  EXPECT_EQ(LoadFriendList(other, 1), 0);
  EXPECT_TRUE(friends.rows.empty());
  EXPECT_FALSE(AddFriend(other, Person("张三", "1980年5月3日", false)));
  EXPECT_TRUE(friends.rows.empty());
  EXPECT_EQ(errors.texts, (Names{"无法打开生日表：file is not a database",
                                 "无法打开生日表：file is not a database",
                                 "无法保存好友生日：file is not a database"}));
  EXPECT_EQ(testing::ReadFileBytes(file), foreign);
}

}  // namespace
}  // namespace memo
