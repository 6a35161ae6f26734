// The reminder commands of the command-line tool on a real data folder: what the reminder
// window would show at a moment and what its buttons record, from one run to the next.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_folder.h"

namespace memo {
namespace {

using testing::RunCli;

class CliReminders : public ::testing::Test {
 protected:
  CliReminders() {
    for (const char* friendText : {u8"王小明 1955年3月10日 solar 13800138000",
                                   u8"李四 1980年2月1日 lunar", u8"张三 1990年3月4日 solar"}) {
      RunCli("add --db " + folder.path() + " " + friendText);
    }
  }
  std::string Reminders(const std::string& now, const std::string& options = "") {
    return RunCli("reminders --db " + folder.path() + " --now " + now + options).out;
  }
  int Remind(const std::string& action, const std::string& now) {
    return RunCli("remind --db " + folder.path() + " " + action + " --now " + now).exitCode;
  }

  testing::TempFolder folder;
};

TEST_F(CliReminders, ShowsEachAlertOnceTillActedOn) {
  const std::string all =
      u8"错过的提醒\n"
      u8"1\t李四\t二月初一（2月28日）\t45岁\t已过5天\t\t2月28日的提醒\n"
      u8"2\t张三\t3月4日\t35岁\t已过1天\t\t3月4日的提醒\n"
      u8"0\t王小明\t3月10日\t70岁（七十大寿）\t还有5天\t13800138000\t3月3日的提醒\n";
  EXPECT_EQ(Reminders("2025-03-05T10:00"), all);
  EXPECT_EQ(Reminders("2025-03-05T10:00"), all);  // printing records nothing
  EXPECT_EQ(Remind("0 greeted", "2025-03-05T10:00"), 0);
  EXPECT_EQ(Remind("1 done", "2025-03-05T10:00"), 0);
  EXPECT_EQ(Remind("2 snooze 30", "2025-03-05T10:00"), 0);
  EXPECT_EQ(Reminders("2025-03-05T10:29"), "");
  EXPECT_EQ(Reminders("2025-03-05T10:30"), u8"2\t张三\t3月4日\t35岁\t已过1天\t\t稍后提醒\n");
  EXPECT_EQ(Remind("2 done", "2025-03-05T10:30"), 0);
  // Greeted: nothing more of this birthday, not even on the day.
  EXPECT_EQ(Reminders("2025-03-10T09:00"), "");
  RunCli("delete --db " + folder.path() + " 1 2");
  EXPECT_EQ(Reminders("2026-03-10T09:00"), u8"0\t王小明\t3月10日\t71岁\t今天生日\t13800138000\t\n");
  EXPECT_EQ(Reminders("2026-03-03T10:00", " --time 11:00 --ticks 7"), "");
  EXPECT_EQ(Reminders("2026-03-03T11:00", " --time 11:00 --ticks 7"),
            u8"0\t王小明\t3月10日\t71岁\t还有7天\t13800138000\t\n");
}

TEST_F(CliReminders, RefusesWhatItCannotDo) {
  EXPECT_EQ(Remind("0 done", "2025-06-01T10:00"), 1);     // nothing due
  EXPECT_EQ(Remind("0 greeted", "2025-06-01T10:00"), 0);  // the coming birthday
  EXPECT_EQ(Remind("5 done", "2025-03-05T10:00"), 1);
  for (const char* bad : {"0 snooze 0", "0 snooze", "0 later", "x done"}) {
    EXPECT_EQ(Remind(bad, "2025-03-05T10:00"), 2) << bad;
  }
  EXPECT_EQ(Remind("0 done", "2025-03-05 10:00"), 2);
  for (const char* bad : {" --ticks 2", " --time 24:00", " --ticks ''"}) {
    EXPECT_EQ(RunCli("reminders --db " + folder.path() + bad).exitCode, 2) << bad;
  }
}

}  // namespace
}  // namespace memo
