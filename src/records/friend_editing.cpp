#include "records/friend_editing.h"

#include "app/main_window_setup.h"
#include "reckoning/next_birthday.h"
#include "records/friend_list.h"
#include "records/upcoming_pass.h"

namespace memo {

std::string BirthdayText(DateTime date, bool lunar, bool leap) {
  return DateToText(date) + (lunar && leap ? kLeapMonthMark : "");
}

void SaveFriend(RecordsContext& context, const std::string& name, bool lunar, DateTime date,
                const std::string& contact, int row, bool leap) {
  const BirthdayRecord record{name, BirthdayText(date, lunar, leap), lunar, contact};
  WriteFriendRow(context.friendList, row, record, CurrentYearsNow());

  BirthdayDatabase& database = context.database;
  if (database.RowCount() > row) {
    database.MoveToPosition(row);
  } else {
    database.AddRow();
  }
  database.WriteRecord(record);
  // Moving away stores the row.
  database.MoveFirst();
  ShowRecordCount(context.friendList, context.statusBar);
}

int DeleteFriendRows(RecordsContext& context, const std::vector<int>& rows) {
  int deleted = 0;
  for (int selected : rows) {
    // Every earlier deletion has moved the later rows up by one.
    const int row = selected - deleted;
    context.database.MoveToPosition(row);
    if (!context.database.DeleteRow()) break;
    context.friendList.RemoveRow(row);
    ++deleted;
  }
  return deleted;
}

void DeleteSelectedFriends(RecordsContext& context, const Confirmation& confirm) {
  const std::vector<int> selected = context.friendList.SelectedRows();
  if (selected.empty()) return;
  const std::string question =
      "确定要删除这" + NumberToText(static_cast<int>(selected.size())) + "位好友的生日信息吗?";
  if (!confirm(question)) return;
  DeleteFriendRows(context, selected);
  RecomputeUpcoming(context);
}

}  // namespace memo
