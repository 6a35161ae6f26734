#include "records/upcoming_pass.h"

#include "settings/settings_names.h"
#include "reckoning/next_birthday.h"
#include "reckoning/upcoming_report.h"
#include "records/friend_list.h"

namespace memo {
namespace {

ReportContext ReportContextOf(RecordsContext& context) {
  return ReportContext{context.friendList, context.upcomingList, context.settings,
                       context.reportView, context.tray,         context.reportPath,
                       context.daysAhead};
}

}  // namespace

void FillUpcomingList(RecordsContext& context) {
  context.upcomingList.Clear();
  const int days = context.settings.ReadNumber(DaysSetting);
  context.daysAhead = days == 0 ? DefaultDaysAhead : days;
  ReportContext report = ReportContextOf(context);
  const TextRows& friends = context.friendList;
  for (int row = 0; row < friends.RowCount(); ++row) {
    const std::string calendar = friends.Cell(row, 2);
    // Rows are written with one of the two calendar texts; anything else has no count.
    if (calendar != kLunarCalendar && calendar != kSolarCalendar) continue;
    AddUpcomingRow(report, row + 1,
                   DaysUntilBirthday(friends.Cell(row, 1), calendar == kLunarCalendar));
  }
}

void RecomputeUpcoming(RecordsContext& context) {
  FillUpcomingList(context);
  ReportContext report = ReportContextOf(context);
  BuildUpcomingReport(report);
}

}  // namespace memo
