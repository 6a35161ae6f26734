// The alert states in a real config.mdb beside the birthday table.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include "datetime/local_minute.h"
#include "recorders.h"
#include "records/alert_states.h"
#include "records/friend_repository.h"
#include "temp_folder.h"
#include "text/text_codec.h"
#include "window_logic/reminder_desk.h"

namespace memo {
namespace {

using testing::RecordedErrors;
using testing::TempFolder;

std::string Line(const AlertState& s) {
  return std::to_string(s.friendRowid) + " " + s.name + " " + std::to_string(s.occurrence.days()) +
         " " + std::to_string(s.alertDay.days()) + " " +
         std::to_string(static_cast<int>(s.action)) + " " + std::to_string(s.until);
}

std::vector<std::string> Lines(AlertStateStore& store, DayNumber since) {
  std::vector<AlertState> states;
  EXPECT_TRUE(store.Load(since, states));
  std::vector<std::string> lines;
  for (const AlertState& state : states) lines.push_back(Line(state));
  std::sort(lines.begin(), lines.end());
  return lines;
}

// A file the repository has reported (no database, or a read-only one of an older version
// without the table) records nothing and reports nothing more, however often it is looked at.
TEST(AlertStates, AFileWithoutTheTableFailsUnreported) {
  for (const std::string& bytes :
       {std::string("not a database at all, not even close"), std::string()}) {
    TempFolder folder;
    if (!bytes.empty()) {
      std::ofstream(folder.File("config.mdb"), std::ios::binary) << bytes;
    } else {
      sqlite3* old = nullptr;
      ASSERT_EQ(sqlite3_open(folder.File("config.mdb").c_str(), &old), SQLITE_OK);
      sqlite3_exec(old, "create table t (x)", nullptr, nullptr, nullptr);
      sqlite3_close(old);
    }
    RecordedErrors errors;
    AlertStateStore store(errors);
    ASSERT_TRUE(store.Open(folder.path()));
    std::vector<AlertState> states;
    EXPECT_FALSE(store.Load(DayNumber(0), states));
    EXPECT_FALSE(store.Record({7, "王", DayNumber(100), DayNumber(99), AlertAction::kShown}));
    EXPECT_FALSE(store.Forget(DayNumber(0)));
    EXPECT_TRUE(errors.texts.empty()) << errors.texts.front();
  }
}

TEST(AlertStates, KeptBesideTheUnchangedBirthdayTable) {
  TempFolder folder;
  RecordedErrors errors;
  {
    FriendRepository repository(errors);
    ASSERT_TRUE(repository.Open(folder.path()));
  }
  FriendRepository repository(errors);  // a second open finds the table made
  ASSERT_TRUE(repository.Open(folder.path()));
  AlertStateStore store(errors);
  ASSERT_TRUE(store.Open(folder.path()));
  const std::string name = "王\x95\x32\x82\x36";  // 王𠮷, four bytes beyond GBK
  EXPECT_TRUE(store.Record({7, name, DayNumber(100), DayNumber(93), AlertAction::kShown}));
  EXPECT_TRUE(store.Record({7, name, DayNumber(100), DayNumber(99), AlertAction::kShown}));
  // The same alert again replaces its state.
  EXPECT_TRUE(store.Record({7, name, DayNumber(100), DayNumber(99), AlertAction::kSnoozed, 555}));
  EXPECT_TRUE(store.Record({8, "李四", DayNumber(50), DayNumber(50), AlertAction::kGreeted}));
  EXPECT_EQ(Lines(store, DayNumber(0)),
            (std::vector<std::string>{"7 " + name + " 100 93 0 0", "7 " + name + " 100 99 1 555",
                                      "8 李四 50 50 3 0"}));
  EXPECT_EQ(Lines(store, DayNumber(51)).size(), 2u);
  EXPECT_TRUE(store.Forget(DayNumber(51)));
  EXPECT_EQ(Lines(store, DayNumber(0)).size(), 2u);
  EXPECT_TRUE(errors.texts.empty());

  // The birthday table keeps its four columns, so that an older program still reads it.
  sqlite3* connection = nullptr;
  ASSERT_EQ(sqlite3_open(folder.File("config.mdb").c_str(), &connection), SQLITE_OK);
  sqlite3_stmt* columns = nullptr;
  sqlite3_prepare_v2(connection,
                     Gb18030ToUtf8("select name from pragma_table_info('生日')").c_str(), -1,
                     &columns, nullptr);
  std::string names;
  while (sqlite3_step(columns) == SQLITE_ROW) {
    names += reinterpret_cast<const char*>(sqlite3_column_text(columns, 0)) + std::string(" ");
  }
  sqlite3_finalize(columns);
  sqlite3_close(connection);
  EXPECT_EQ(Utf8ToGb18030(names), "姓名 生日 提醒方式 联系方式 ");
}

// What the program shows is recorded before it is shown: a second look, or another process
// on the same file, finds nothing more until a snooze's time comes.
TEST(AlertStates, TheDeskRecordsWhatItShows) {
  TempFolder folder;
  RecordedErrors errors;
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  const std::vector<Friend> friends = {{3, "王小明", ReadBirthday("1980年4月15日", false), ""}};
  AlertStateStore store(errors), other(errors);
  ASSERT_TRUE(store.Open(folder.path()) && other.Open(folder.path()));
  MemorySettingsStore settings;
  ReminderDesk desk(store, settings), otherDesk(other, settings);
  const int64_t nine = MinuteNumber(DayNumber::FromCivil(2012, 4, 15), 9 * 60);
  const std::vector<ShownAlert> shown = desk.TakeDue(friends, nine);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].line.countdown, "今天生日");
  EXPECT_TRUE(otherDesk.TakeDue(friends, nine + 1).empty());
  EXPECT_TRUE(desk.Act(shown[0], AlertAction::kSnoozed, nine + 10));
  EXPECT_EQ(otherDesk.NextWake(nine + 1), nine + 10);
  EXPECT_TRUE(desk.TakeDue(friends, nine + 9).empty());
  EXPECT_EQ(otherDesk.TakeDue(friends, nine + 10).size(), 1u);
  EXPECT_TRUE(desk.TakeDue(friends, nine + 11).empty());
  EXPECT_TRUE(errors.texts.empty());
}

}  // namespace
}  // namespace memo
