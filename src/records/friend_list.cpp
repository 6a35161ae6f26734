#include "records/friend_list.h"

#include "settings/settings_names.h"
#include "datetime/date_time.h"
#include "datetime/gbk_text.h"
#include "reckoning/lunar_carrier.h"
#include "reckoning/next_birthday.h"

namespace memo {

const char* SortClause(int sortCode) {
  switch (sortCode) {
    case 1:
      return "姓名 ASC";
    case 2:
      return "姓名 DESC";
    case 3:
      return "生日 ASC";
    case 4:
      return "生日 DESC";
    case 5:
      return "提醒方式 ASC";
    // The age orders are the birthday orders: text order of the stored dates.
    case 6:
      return "生日 ASC";
    case 7:
      return "生日 DESC";
    default:
      return nullptr;
  }
}

CurrentYears CurrentYearsNow() {
  const int lunarYear = TodayLunarDate().year;
  return CurrentYears{YearOf(DatePart(Now())), lunarYear == 0 ? YearOf(MinDateTime) : lunarYear};
}

std::string AgeText(const BirthdayRecord& record, const CurrentYears& years) {
  const int age =
      record.lunar
          ? years.lunar - YearOf(DateFromText(ReplaceText(record.birthday, kLeapMonthMark, "")))
          : years.solar - YearOf(DateFromText(record.birthday));
  return NumberToText(age) + "岁";
}

void WriteFriendRow(TextRows& rows, int row, const BirthdayRecord& record,
                    const CurrentYears& years) {
  rows.SetCell(row, 0, record.name);
  rows.SetCell(row, 1, record.birthday);
  rows.SetCell(row, 2, record.lunar ? kLunarCalendar : kSolarCalendar);
  rows.SetCell(row, 3, AgeText(record, years));
  rows.SetCell(row, 4, record.contact);
}

void LoadFriendList(RecordsContext& context, int sortCode) {
  context.friendList.Clear();
  BirthdayDatabase& database = context.database;
  const char* clause = SortClause(sortCode);
  bool opened = clause ? database.OpenOrdered(clause) : database.OpenTable(kBirthdayTable);
  if (!opened) return;
  if (!clause) database.MoveFirst();
  // One reading of the clock for the whole list, so that every age counts from the same day.
  const CurrentYears years = CurrentYearsNow();
  const int count = database.RowCount();
  for (int i = 0; i < count; ++i) {
    BirthdayRecord record;
    record.name = database.ReadText(kNameColumn);
    record.lunar = database.ReadYesNo(kLunarColumn);
    record.birthday = database.ReadText(kBirthdayColumn);
    record.contact = database.ReadText(kContactColumn);
    WriteFriendRow(context.friendList, context.friendList.AppendRow(), record, years);
    database.MoveNext();
  }
}

void OnSortMenu(RecordsContext& context, int sortCode, const BackgroundRunner& runInBackground) {
  context.settings.WriteNumber(SortSetting, sortCode);
  runInBackground([&context, sortCode] { LoadFriendList(context, sortCode); });
}

void ShowRowSummary(RecordsContext& context) {
  const int row = context.friendList.CurrentRow();
  if (row < 0) return;
  const TextRows& rows = context.friendList;
  context.statusBar.SetPartText(
      0, rows.Cell(row, 0) + "生日：" + rows.Cell(row, 1) + "(" + rows.Cell(row, 2) + ")");
}

}  // namespace memo
