// Data for the program under test, made the way a user's data is made: friends added to the
// program folder's database by the command-line tool, and the tool's own report to compare
// the program's page with.
#pragma once

#include <string>
#include <vector>

namespace wine_test {

struct SampleFriend {
  const char* name;
  const char* birthday;  // as stored: "1980年5月3日", with "[闰月]" for a leap month
  bool lunar;
  const char* contact;
};

// Nine friends for 2012-04-15 (lunar 2012年3月25日), in stored order: birthdays today,
// tomorrow, in 3 (lunar), 5 and 10 days and later; a leap-month one, a 29 February one; names,
// dates and calendars that sort differently.
extern const std::vector<SampleFriend> kSampleFriends;

// Runs birthday-memo-cli.exe beside the program with these GBK arguments and gives its exit
// code, or -1 when it cannot start or does not end.
int RunCli(const std::vector<std::string>& arguments);

// Adds the friends, in order, to folder\config.mdb; false when the tool refuses one.
bool AddFriends(const std::wstring& folder, const std::vector<SampleFriend>& friends);

// The page the tool writes for the folder's friends on that date ("YYYY-MM-DD").
std::string CliReportPage(const std::wstring& folder, const std::string& today);

}  // namespace wine_test
