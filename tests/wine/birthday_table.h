// The program folder's birthday table, filled and read from the test driver through the
// program's own core and SQLite, as a check independent of the program's windows.
#pragma once

#include <string>
#include <vector>

namespace wine_test {

struct TableFriend {
  std::string name;  // GBK; empty for a null
  bool nameIsNull = false;
  std::string birthday;  // GBK, as stored: "1980年5月3日", with "[闰月]" for a leap month
  bool lunar = false;
  std::string contact;
};

// Appends the friends, in order, to folder\config.mdb (made when missing); false when the
// table refuses one.
bool StoreFriends(const std::wstring& folder, const std::vector<TableFriend>& friends);
// Every row in stored order.
std::vector<TableFriend> ReadTable(const std::wstring& folder);
std::vector<std::string> TableNames(const std::wstring& folder);

}  // namespace wine_test
