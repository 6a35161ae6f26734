// What the add/edit birthday window does with its controls: the defaults of a new friend,
// the values of an edited one, the solar and lunar switches, the month calendar's button
// and picked day, and saving. The window itself only wires its controls to these operations.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "datetime/date_time.h"
#include "lunar/lunar_engine.h"
#include "window_logic/records_context.h"

namespace memo {

// The window's controls as the operations see them. Texts are GBK.
class BirthdayForm {
 public:
  virtual ~BirthdayForm() = default;
  virtual std::string NameText() const = 0;
  virtual void SetNameText(const std::string& text) = 0;
  virtual std::string ContactText() const = 0;
  virtual void SetContactText(const std::string& text) = 0;
  // 称呼, 分组 (groups between "、") and 备注 (lines between "\n").
  virtual std::string CalledAsText() const = 0;
  virtual void SetCalledAsText(const std::string& text) = 0;
  virtual std::string GroupsText() const = 0;
  virtual void SetGroupsText(const std::string& text) = 0;
  virtual std::string NoteText() const = 0;
  virtual void SetNoteText(const std::string& text) = 0;
  // 不知道年份: the date box's month and day are the birthday, its year is not.
  virtual bool NoYearChosen() const = 0;
  virtual void ChooseNoYear(bool noYear) = 0;
  // A pop-up menu of these items, the checked ones marked, under the 分组 box's button; the
  // item chosen, or nothing.
  virtual std::optional<size_t> PickFromMenu(const std::vector<std::string>& items,
                                             const std::vector<bool>& checked) = 0;
  // 农历 checked; choosing checks one radio button and unchecks the other.
  virtual bool LunarChosen() const = 0;
  virtual void ChooseLunar(bool lunar) = 0;
  // The date box in solar mode: a date picker with the birth date, which the user may
  // change. Showing it with a date the picker cannot hold keeps the date it had.
  virtual DateTime SolarDate() const = 0;
  virtual void ShowSolarDate(DateTime date) = 0;
  // The date box in lunar mode: the lunar date as text, read-only.
  virtual void ShowLunarDate(const std::string& text) = 0;
  // Checked and shown, or unchecked and hidden.
  virtual void ShowLeap(bool leap) = 0;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void FocusName() = 0;
  // A message box over the window; returns once it is closed.
  virtual void Warn(const std::string& text) = 0;
  virtual void Close() = 0;
  // The month calendar: its selected day in both calendars (no day before its window is
  // made), the day selected from outside (one it cannot show changes nothing), its mode and
  // its visibility.
  virtual DayNumber CalendarDay() const = 0;
  virtual LunarDate CalendarLunarDay() const = 0;
  virtual void SelectCalendarDay(DayNumber day) = 0;
  virtual void SetCalendarSolarMode(bool solar) = 0;
  virtual bool CalendarShown() const = 0;
  virtual void ShowCalendar(bool shown) = 0;
};

inline constexpr char kEditCaption[] = "修改生日";
inline constexpr char kNameMissing[] = "请输入姓名";

class BirthdayWindowLogic {
 public:
  static constexpr int64_t kNewFriend = 0;

  // Adds a friend, or edits the friend of this rowid: a re-sort, a deletion or another
  // edit while the window is open never makes its 确定 write another friend. Every call
  // that reads or writes the records runs while the caller holds them (OnCreated, OnOk).
  BirthdayWindowLogic(BirthdayForm& form, RecordsContext& context,
                      int64_t editedFriend = kNewFriend)
      : form_(form), context_(context), editedFriend_(editedFriend) {}

  // The window was created: today's date for a new friend, the friend's values for an edit.
  void OnCreated();
  // 公历 and 农历 show the date in the box as the same day of the other calendar.
  void OnSolarChosen();
  void OnLunarChosen();
  // The "…" button: the calendar's mode from the radio buttons and its day from the date
  // box, then shown or hidden.
  void OnCalendarButton();
  void OnCalendarDatePicked();
  // The leap-month box tells the date's month; a click does not change it.
  void OnLeapClicked();
  // The 分组 box's button: the groups offered, those in the box checked; the one chosen is
  // added to the box, or taken out when it was there.
  void OnGroupsButton();
  // The left button pressed on the window's background.
  void OnWindowClick();
  // 确定 with an empty name: says so and puts the focus in the name box; the window stays
  // open. Asked before OnOk, without holding the records, since the message waits for the
  // user.
  bool RefusesEmptyName();
  // 确定 with a name: stores the friend in the table and the friend list, and closes the
  // window. An edited friend that was deleted meanwhile stays deleted.
  void OnOk();

  // 确定 stored the friend.
  bool Saved() const { return saved_; }

 private:
  void FillFrom(const Friend& person);
  void ShowSolar(DateTime date, bool leap);
  void ShowLunar(const Birthday& birthday);
  void ShowLunarToday();
  void ShowLeap(bool leap);
  Friend DetailsShown() const;
  // The solar day the date box shows, for the calendar; no day when it has none.
  DayNumber SolarDayShown() const;
  bool Save();

  BirthdayForm& form_;
  RecordsContext& context_;
  const int64_t editedFriend_;
  // What the date box shows: in lunar mode the lunar birthday itself, kept as read, so that
  // a stored text whose day the lunar calendar lacks is saved back unchanged.
  bool lunarShown_ = false;
  Birthday lunar_;
  bool leapShown_ = false;
  bool saved_ = false;
};

}  // namespace memo
