#include "birthday_table.h"

#include <sqlite3.h>

#include "records/friend_repository.h"
#include "records/gbk_collation.h"
#include "text/text_codec.h"
#include "window_basics.h"

namespace wine_test {
namespace {

struct CountedErrors : memo::ErrorReporter {
  void ShowError(const std::string&) override { ++count; }
  int count = 0;
};

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  return text ? memo::Utf8ToGb18030(reinterpret_cast<const char*>(text)) : std::string();
}

}  // namespace

bool StoreFriends(const std::wstring& folder, const std::vector<TableFriend>& friends) {
  CountedErrors errors;
  memo::FriendRepository repository(errors);
  if (!repository.Open(Gb18030(folder))) return false;
  for (const TableFriend& entry : friends) {
    repository.Insert(memo::Friend{0, entry.name, memo::ReadBirthday(entry.birthday, entry.lunar),
                                   entry.contact});
  }
  return errors.count == 0;
}

std::vector<TableFriend> ReadTable(const std::wstring& folder) {
  std::vector<TableFriend> rows;
  std::wstring path = folder + L"\\config.mdb";
  sqlite3* connection = nullptr;
  const std::string utf8Path = memo::Gb18030ToUtf8(Gb18030(path));
  if (sqlite3_open_v2(utf8Path.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
      memo::RegisterGbkCollation(connection)) {
    const std::string query =
        memo::Gb18030ToUtf8("select 姓名, 生日, 提醒方式, 联系方式 from 生日 order by rowid");
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(connection, query.c_str(), -1, &statement, nullptr);
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
      TableFriend row;
      row.nameIsNull = sqlite3_column_type(statement, 0) == SQLITE_NULL;
      row.name = ColumnText(statement, 0);
      row.birthday = ColumnText(statement, 1);
      row.lunar = sqlite3_column_int(statement, 2) != 0;
      row.contact = ColumnText(statement, 3);
      rows.push_back(row);
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(connection);
  return rows;
}

std::vector<std::string> TableNames(const std::wstring& folder) {
  std::vector<std::string> names;
  for (const TableFriend& row : ReadTable(folder)) names.push_back(row.name);
  return names;
}

}  // namespace wine_test
