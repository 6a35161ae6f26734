// The friend list: filled from the birthday table in one of eight sort orders, with the
// age of every friend; and the status-bar summary of its current row.
#pragma once

#include <functional>
#include <string>

#include "records/birthday_record.h"
#include "records/records_context.h"

namespace memo {

inline constexpr char kLunarCalendar[] = "农历";
inline constexpr char kSolarCalendar[] = "公历";

// The ORDER BY clause of a sort code 1..7; nullptr for 0 (stored order) and for codes
// outside 0..7, which load in stored order too.
const char* SortClause(int sortCode);

// The current solar and lunar year numbers from which ages are counted.
struct CurrentYears {
  int solar;
  int lunar;
};
CurrentYears CurrentYearsNow();

// The plain difference of year numbers followed by "岁", whether or not this year's
// birthday has passed; the lunar one without the leap mark.
std::string AgeText(const BirthdayRecord& record, const CurrentYears& years);

// Writes the five columns of one friend-list row.
void WriteFriendRow(TextRows& rows, int row, const BirthdayRecord& record,
                    const CurrentYears& years);

// Clears the list and refills it from the result set opened for the sort code. When the
// set cannot be opened (reported by the database) the list stays empty.
void LoadFriendList(RecordsContext& context, int sortCode);

// Runs a task on the program's background worker.
using BackgroundRunner = std::function<void(std::function<void()>)>;

// Remembers the chosen order and reloads the list in the background.
void OnSortMenu(RecordsContext& context, int sortCode, const BackgroundRunner& runInBackground);

// Status pane 0: name + "生日：" + birthday text + "(" + calendar + ")" of the current row;
// nothing when there is none.
void ShowRowSummary(RecordsContext& context);

}  // namespace memo
