#include "window_logic/birthday_window_logic.h"

#include <algorithm>

#include "exchange/contact_groups.h"
#include "exchange/exchange_text.h"
#include "lunar/date_names.h"
#include "reckoning/birthday_words.h"
#include "reckoning/lunar_days.h"
#include "reckoning/today.h"
#include "records/friend_groups.h"
#include "window_logic/friend_editing.h"
#include "window_logic/friend_list.h"

namespace memo {

void BirthdayWindowLogic::OnCreated() {
  if (editedFriend_ != kNewFriend) {
    if (const Friend* person = FindFriend(context_, editedFriend_)) FillFrom(*person);
    return;
  }
  if (form_.LunarChosen()) {
    ShowLunarToday();
  } else {
    ShowSolar(Today(), false);
  }
  form_.SelectCalendarDay(DayNumberOf(Now()));
  form_.FocusName();
}

// A solar birthday that could not be read shows the first date the box holds; a lunar one
// shows its stored text.
void BirthdayWindowLogic::FillFrom(const Friend& person) {
  const Birthday& birthday = person.birthday;
  form_.SetCaption(kEditCaption);
  form_.SetNameText(person.name);
  form_.SetContactText(person.contact);
  form_.SetCalledAsText(person.calledAs);
  form_.SetGroupsText(person.groups);
  form_.SetNoteText(person.note);
  form_.ChooseLunar(birthday.lunar());
  form_.ChooseNoYear(birthday.ok() && !birthday.hasYear());
  if (birthday.lunar()) {
    ShowLunar(birthday);
  } else if (birthday.ok()) {
    // Without a year, the month and day in a leap year, which holds every one of them.
    constexpr int kAnyLeapYear = 2000;
    ShowSolar(MakeDateTime(birthday.hasYear() ? birthday.year : kAnyLeapYear, birthday.month,
                           birthday.day),
              false);
  } else {
    ShowSolar(kMinDateTime, false);
  }
  form_.SelectCalendarDay(SolarDayShown());
  form_.FocusName();
}

void BirthdayWindowLogic::ShowSolar(DateTime date, bool leap) {
  lunarShown_ = false;
  form_.ShowSolarDate(date);
  ShowLeap(leap);
}

void BirthdayWindowLogic::ShowLunar(const Birthday& birthday) {
  lunarShown_ = true;
  lunar_ = birthday;
  form_.ShowLunarDate(BirthdayWords(birthday));
  ShowLeap(birthday.leap);
}

// Today's lunar date, lunar 二月三十 too; nothing on a clock beyond the lunar tables.
void BirthdayWindowLogic::ShowLunarToday() {
  const std::optional<LunarDate> today = TodayNow().lunar;
  ShowLunar(today ? BirthdayOf(true, today->year, today->month, today->day, today->isLeapMonth)
                  : ReadBirthday(std::string(), true));
}

void BirthdayWindowLogic::ShowLeap(bool leap) {
  leapShown_ = leap;
  form_.ShowLeap(leap);
}

DayNumber BirthdayWindowLogic::SolarDayShown() const {
  if (!lunarShown_) return DayNumberOf(form_.SolarDate());
  return lunar_.ok() ? LunarToSolar(lunar_.year, lunar_.month, lunar_.day, lunar_.leap)
                     : DayNumber();
}

// A click on the radio button already chosen changes nothing. A date with no day in the
// other calendar gives today's.
void BirthdayWindowLogic::OnSolarChosen() {
  form_.SetCalendarSolarMode(true);
  if (!lunarShown_) return;
  const DayNumber solar =
      lunar_.ok() ? SolarDayOf(lunar_.year, lunar_.month, lunar_.day, lunar_.leap) : DayNumber();
  ShowSolar(solar.ok() ? DateTimeOf(solar) : Today(), false);
  form_.SelectCalendarDay(SolarDayShown());
}

void BirthdayWindowLogic::OnLunarChosen() {
  form_.SetCalendarSolarMode(false);
  if (lunarShown_) return;
  const std::optional<LunarDate> lunar = LunarFromSolar(DayNumberOf(form_.SolarDate()));
  if (lunar) {
    ShowLunar(BirthdayOf(true, lunar->year, lunar->month, lunar->day, lunar->isLeapMonth));
  } else {
    ShowLunarToday();
  }
  form_.SelectCalendarDay(SolarDayShown());
}

void BirthdayWindowLogic::OnCalendarButton() {
  form_.SetCalendarSolarMode(!form_.LunarChosen());
  form_.ShowCalendar(!form_.CalendarShown());
}

// In solar mode the leap-month box still tells whether the picked day lies in a lunar leap
// month; the stored solar text never carries the mark.
void BirthdayWindowLogic::OnCalendarDatePicked() {
  const LunarDate lunar = form_.CalendarLunarDay();
  if (lunarShown_) {
    ShowLunar(BirthdayOf(true, lunar.year, lunar.month, lunar.day, lunar.isLeapMonth));
  } else if (form_.CalendarDay().ok()) {
    ShowSolar(DateTimeOf(form_.CalendarDay()), lunar.isLeapMonth);
  }
  form_.ShowCalendar(false);
}

void BirthdayWindowLogic::OnLeapClicked() {
  form_.ShowLeap(leapShown_);
}

void BirthdayWindowLogic::OnGroupsButton() {
  std::vector<std::string> inBox = GroupsOfFriend(DetailsShown());
  std::vector<std::string> offered = GroupChoices(context_.friends);
  for (const std::string& group : inBox) {
    if (std::find(offered.begin(), offered.end(), group) == offered.end()) offered.push_back(group);
  }
  std::vector<bool> checked;
  for (const std::string& group : offered) {
    checked.push_back(std::find(inBox.begin(), inBox.end(), group) != inBox.end());
  }
  const std::optional<size_t> chosen = form_.PickFromMenu(offered, checked);
  if (!chosen) return;
  const auto there = std::find(inBox.begin(), inBox.end(), offered[*chosen]);
  if (there != inBox.end()) {
    inBox.erase(there);
  } else {
    inBox.push_back(offered[*chosen]);
  }
  form_.SetGroupsText(JoinedGroups(inBox));
}

// The details as the boxes hold them: groups may be typed between "、", commas or semicolons.
Friend BirthdayWindowLogic::DetailsShown() const {
  Friend person;
  person.calledAs = std::string(Trimmed(form_.CalledAsText()));
  person.groups =
      GroupsOf(SplitLabels(form_.GroupsText(), {kGroupSeparator, ",", "，", ";", "；"}));
  person.note = std::string(Trimmed(form_.NoteText()));
  return person;
}

void BirthdayWindowLogic::OnWindowClick() {
  form_.ShowCalendar(false);
}

bool BirthdayWindowLogic::RefusesEmptyName() {
  if (!form_.NameText().empty()) return false;
  form_.Warn(kNameMissing);
  form_.FocusName();
  return true;
}

// An edited friend is found by its rowid wherever the list has moved it; once it is
// deleted it is not written again. A lunar box without any date saves nothing.
bool BirthdayWindowLogic::Save() {
  std::optional<Birthday> birthday;
  if (!lunarShown_) {
    birthday = SolarBirthdayOfDate(form_.SolarDate());
  } else if (!lunar_.text.empty()) {
    birthday = lunar_;
  }
  if (!birthday) return false;
  if (form_.NoYearChosen() && birthday->ok()) {
    birthday = BirthdayOf(birthday->lunar(), 0, birthday->month, birthday->day, birthday->leap);
  }
  Friend person = DetailsShown();
  person.rowid = editedFriend_;
  person.name = form_.NameText();
  person.birthday = *birthday;
  person.contact = form_.ContactText();
  if (editedFriend_ == kNewFriend) return AddFriend(context_, std::move(person));
  return FindFriend(context_, editedFriend_) && UpdateFriend(context_, person);
}

void BirthdayWindowLogic::OnOk() {
  saved_ = Save();
  form_.Close();
}

}  // namespace memo
