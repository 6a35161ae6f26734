#include "records/birthday_window_logic.h"

#include "calendar/calendar_model.h"
#include "reckoning/lunar_carrier.h"
#include "records/friend_editing.h"
#include "records/friend_list.h"

namespace memo {

void BirthdayWindowLogic::OnCreated() {
  if (editedFriend_ != kNewFriend) {
    if (const Friend* person = FindFriend(context_, editedFriend_)) FillFrom(*person);
    return;
  }
  ShowToday(form_.LunarChosen());
  form_.SetCalendarProperty(CalendarProperty::kSelectedDate, Now());
  form_.FocusName();
}

// A birthday that could not be read shows the first date the box holds.
void BirthdayWindowLogic::FillFrom(const Friend& person) {
  const Birthday& birthday = person.birthday;
  const DateTime date =
      birthday.ok() ? MakeDateTime(birthday.year, birthday.month, birthday.day) : MinDateTime;
  form_.SetCaption(kEditCaption);
  form_.SetNameText(person.name);
  form_.SetDateBox(date);
  form_.SetContactText(person.contact);
  form_.ShowLeap(birthday.leap);
  form_.ChooseLunar(birthday.lunar());
  form_.SetCalendarProperty(CalendarProperty::kSelectedDate,
                            birthday.lunar() ? LunarToSolar(date, birthday.leap) : date);
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
  int day = today.day;
  while (day > 0 && !IsSolarDate(today.year, today.month, day)) --day;
  if (day == 0) return;  // a clock beyond the lunar tables
  form_.SetDateBox(MakeDateTime(today.year, today.month, day));
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
    const int year = part(CalendarProperty::kLunarYear), month = part(CalendarProperty::kLunarMonth),
              day = part(CalendarProperty::kLunarDay);
    // A lunar day that no date text can carry cannot be stored: the pick does not take,
    // and the calendar stays open for another day.
    if (!IsSolarDate(year, month, day)) return;
    form_.SetDateBox(MakeDateTime(year, month, day));
  } else {
    form_.SetDateBox(DatePart(form_.CalendarProperty(CalendarProperty::kSelectedDate)));
  }
  form_.ShowLeap(form_.CalendarProperty(CalendarProperty::kLeapMonth) == 1);
  form_.ShowCalendar(false);
}

void BirthdayWindowLogic::OnWindowClick() {
  form_.ShowCalendar(false);
}

// An edited friend is found by its rowid wherever the list has moved it; once it is
// deleted it is not written again.
bool BirthdayWindowLogic::Save() {
  const std::optional<Birthday> birthday =
      BirthdayOfDate(form_.DateBox(), form_.LunarChosen(), form_.LeapChecked());
  if (!birthday) return false;
  Friend person{editedFriend_, form_.NameText(), *birthday, form_.ContactText()};
  if (editedFriend_ == kNewFriend) return AddFriend(context_, std::move(person));
  return FindFriend(context_, editedFriend_) && UpdateFriend(context_, person);
}

void BirthdayWindowLogic::OnOk() {
  saved_ = Save();
  form_.Close();
}

}  // namespace memo
