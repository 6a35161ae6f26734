// Finding friends by name, pinyin, initials and contact.
#include "records/friend_search.h"

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "records/friend_groups.h"
#include "records_fixture.h"
#include "temp_folder.h"
#include "window_logic/friend_list_search.h"

namespace memo {
namespace {

Friend Named(const char* name, const char* contact = "") {
  Friend person;
  person.name = name;
  person.contact = contact;
  return person;
}

TEST(FriendSearch, FindsByNamePinyinInitialsAndContact) {
  const std::vector<Friend> friends = {
      Named("张伟", "13800001111"),
      Named("长孙无忌"),
      Named("吕布", "QQ 12345"),
      Named("李行乐"),
      Named("Tom Lee"),
      Named("曾单", "lu@example.com"),
  };
  const FriendSearchIndex index(friends);
  const struct {
    const char* query;
    std::vector<uint32_t> found;
  } cases[] = {
      {"伟", {0}},       {"1380", {0}},      {"zhangwei", {0}},
      {"ZW", {0}},       {"zhangw", {0}},    {"zhw", {0}},
      {"张w", {0}},      {"z w", {0}},       {"wei", {0}},
      {"ang", {}},  // inside a syllable, not its start
      {"zwei1", {}},     {"changsun", {1}},  {"zhangsun", {1}},
      {"zswj", {1}},     {"lv", {2}},        {"lü", {2}},
      {"lb", {2}},       {"example", {5}},   {"qq12345", {2}},
      {"lixingle", {3}}, {"lihangyue", {3}}, {"lxy", {3}},
      {"ｔｏｍ", {4}},   {"tomlee", {4}},    {"zengshan", {5}},
      {"cengdan", {5}},  {"zd", {5}},        {"", {0, 1, 2, 3, 4, 5}},
      {"xyz", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(index.Find(FriendQuery(c.query)), c.found) << c.query;
  }
}

TEST(FriendSearch, CommandLineFindsAndPrintsReadings) {
  testing::TempFolder folder;
  const std::string db = "--db '" + folder.path() + "' ";
  for (const char* name : {u8"张伟", u8"王芳", u8"赵文"}) {
    ASSERT_EQ(testing::RunCli("add " + db + name + u8" 2000年1月1日 solar").exitCode, 0);
  }
  EXPECT_EQ(testing::RunCli("--today 2026-06-01 list " + db + "--find zw").out,
            u8"张伟\t2000年1月1日\t公历\t26岁\t兔\t摩羯座\t\n"
            u8"赵文\t2000年1月1日\t公历\t26岁\t兔\t摩羯座\t\n");
  EXPECT_EQ(testing::RunCli(u8"pinyin 长a").out, u8"长\tzhang3 chang2\na\t\n");
}

}  // namespace
}  // namespace memo

namespace memo::testing {
namespace {

using FriendListSearch = RecordsFixture;

// The list narrows to what the text finds, follows adds, edits and deletions while the
// search is active, and comes back whole with the count when the text is gone.
TEST_F(FriendListSearch, ShowsWhatTheTextFindsThroughChanges) {
  On(2026, 6, 1);
  Add("张伟", "1990年1月1日", false);
  Add("王芳", "1991年1月1日", false);
  const auto shownNames = [&] {
    std::vector<std::string> names;
    for (const MemoryFriendList::Row& row : friends.ShownRows()) names.push_back(row.cells[0]);
    return names;
  };
  const auto count = [&] { return statusBar.parts[kRecordCountPart]; };
  SearchFriendList(context, " Z W ");
  EXPECT_EQ(shownNames(), (std::vector<std::string>{"张伟"}));
  EXPECT_EQ(count(), "找到1位好友");
  Add("赵文", "1992年1月1日", false);
  Add("李娜", "1993年1月1日", false);
  EXPECT_EQ(shownNames(), (std::vector<std::string>{"张伟", "赵文"}));
  EXPECT_EQ(count(), "找到2位好友");
  UpdateFriend(context, Friend{RowId(0), "周五", ReadBirthday("1990年1月1日", false), ""});
  DeleteFriends(context, {RowId(2)});
  EXPECT_EQ(shownNames(), (std::vector<std::string>{"周五"}));
  SearchFriendList(context, "");
  EXPECT_EQ(shownNames(), (std::vector<std::string>{"周五", "王芳", "李娜"}));
  EXPECT_EQ(count(), "当前记录数：3");
}

// The 分组 filter beside the box keeps its friends of what the text finds; the text also finds
// 称呼 and 备注, and the list shows the 称呼 after the name.
TEST_F(FriendListSearch, GroupFilterAndDetailsFoundByTheText) {
  On(2026, 6, 1);
  const struct {
    const char *name, *calledAs, *groups, *note;
  } people[] = {{"王丽", "妈妈", "家人、亲戚", "喜欢兰花"},
                {"李娜（同学）", "同学", "同学", ""},
                {"张伟", "", "", "生日送茶叶"}};
  for (const auto& p : people) {
    Friend person = Person(p.name, "5月1日", false);
    person.calledAs = p.calledAs;
    person.groups = p.groups;
    person.note = p.note;
    AddFriend(context, person);
  }
  const auto shown = [&] {
    std::string names;
    for (const MemoryFriendList::Row& row : friends.ShownRows()) names += row.cells[0] + "|";
    return names + " " + statusBar.parts[kRecordCountPart];
  };
  const struct {
    const char *text, *group, *shown;
  } cases[] = {
      {"", kAllGroups, "王丽（妈妈）|李娜（同学）|张伟| 当前记录数：3"},
      {"", "家人", "王丽（妈妈）| 找到1位好友"},
      {"", "亲戚", "王丽（妈妈）| 找到1位好友"},
      {"", kNoGroup, "张伟| 找到1位好友"},
      {"妈妈", kAllGroups, "王丽（妈妈）| 找到1位好友"},
      {"茶叶", kAllGroups, "张伟| 找到1位好友"},
      {"茶叶", "家人", " 找到0位好友"},
      {"l", "同学", "李娜（同学）| 找到1位好友"},
  };
  for (const auto& c : cases) {
    SearchFriendList(context, c.text);
    FilterFriendListByGroup(context, c.group);
    EXPECT_EQ(shown(), c.shown) << c.text << " " << c.group;
  }
  EXPECT_EQ(GroupChoices(context.friends),
            (std::vector<std::string>{"家人", "亲戚", "同事", "同学", "朋友"}));
}

}  // namespace
}  // namespace memo::testing
