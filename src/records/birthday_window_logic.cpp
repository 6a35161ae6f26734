#include "records/birthday_window_logic.h"

#include "datetime/gbk_text.h"
#include "reckoning/lunar_carrier.h"
#include "reckoning/next_birthday.h"
#include "records/friend_editing.h"
#include "records/friend_list.h"

namespace memo {

void BirthdayWindowLogic::OnCreated() {
  if (editRow_ != kNewFriend) {
    FillFromRow();
    return;
  }
  ShowToday(form_.LunarChosen());
  form_.SetCalendarProperty(CalendarProperty::kSelectedDate, Now());
  form_.FocusName();
}

void BirthdayWindowLogic::FillFromRow() {
  editedFriend_ = context_.database.RowIdAt(editRow_);
  const TextRows& rows = context_.friendList;
  const std::string birthday = rows.Cell(editRow_, 1);
  const bool leap = FindText(birthday, kLeapMonthMark) != -1;
  const DateTime date = DateFromText(ReplaceText(birthday, kLeapMonthMark, ""));
  form_.SetCaption(kEditCaption);
  form_.SetNameText(rows.Cell(editRow_, 0));
  form_.SetDateBox(date);
  form_.SetContactText(rows.Cell(editRow_, 4));
  form_.ShowLeap(leap);
  const bool lunar = rows.Cell(editRow_, 2) == kLunarCalendar;
  form_.ChooseLunar(lunar);
  form_.SetCalendarProperty(CalendarProperty::kSelectedDate,
                            lunar ? LunarToSolar(date, leap) : date);
  form_.FocusName();
}

// Today's date, with the leap-month box to match it: a date set from today is never left
// beside the leap mark of an earlier pick. A lunar day without a carrier (2月29日 in a year
// whose number has no such Gregorian day, or 2月30日) gives the last day before it that
// has one, so that the box always holds a date it can show.
void BirthdayWindowLogic::ShowToday(bool lunar) {
  if (!lunar) {
    form_.SetDateBox(Today());
    form_.ShowLeap(false);
    return;
  }
  const LunarDate today = TodayLunarDate();
  DateTime carrier = MinDateTime;
  for (int day = today.day; day > 0 && carrier == MinDateTime; --day) {
    carrier = DateFromText(DateTextOf(today.year, today.month, day));
  }
  if (carrier == MinDateTime) return;  // a clock beyond the lunar tables
  form_.SetDateBox(carrier);
  form_.ShowLeap(today.isLeapMonth);
}

void BirthdayWindowLogic::OnSolarChosen() {
  form_.SetCalendarProperty(CalendarProperty::kSolarMode, 1);
  ShowToday(false);
}

void BirthdayWindowLogic::OnLunarChosen() {
  form_.SetCalendarProperty(CalendarProperty::kSolarMode, 0);
  ShowToday(true);
}

void BirthdayWindowLogic::OnCalendarButton() {
  form_.SetCalendarProperty(CalendarProperty::kSolarMode, form_.LunarChosen() ? 0 : 1);
  form_.ShowCalendar(!form_.CalendarShown());
}

void BirthdayWindowLogic::OnCalendarDatePicked() {
  if (form_.LunarChosen()) {
    const auto part = [this](CalendarProperty property) {
      return static_cast<int>(form_.CalendarProperty(property));
    };
    const DateTime carrier = DateFromText(DateTextOf(part(CalendarProperty::kLunarYear),
                                                     part(CalendarProperty::kLunarMonth),
                                                     part(CalendarProperty::kLunarDay)));
    // A lunar day that no date text can carry cannot be stored: the pick does not take,
    // and the calendar stays open for another day.
    if (carrier == MinDateTime) return;
    form_.SetDateBox(carrier);
  } else {
    form_.SetDateBox(DatePart(form_.CalendarProperty(CalendarProperty::kSelectedDate)));
  }
  form_.ShowLeap(form_.CalendarProperty(CalendarProperty::kLeapMonth) == 1);
  form_.ShowCalendar(false);
}

void BirthdayWindowLogic::OnWindowClick() {
  form_.ShowCalendar(false);
}

// The friend's row as it is now, found by its table row wherever the list has moved it;
// -1 once it is deleted. A friend whose table row is unknown (storing it failed) cannot be
// found safely after a reload, so it is not written again.
int BirthdayWindowLogic::RowToSave() {
  if (editRow_ == kNewFriend) return context_.friendList.AppendRow();
  return context_.database.PositionOfRowId(editedFriend_);
}

void BirthdayWindowLogic::OnOk() {
  const bool lunar = form_.LunarChosen();
  const bool leap = form_.LeapChecked();
  const int row = RowToSave();
  if (row >= 0) {
    SaveFriend(context_, form_.NameText(), lunar, form_.DateBox(), form_.ContactText(), row, leap);
    saved_ = true;
  }
  form_.Close();
}

}  // namespace memo
