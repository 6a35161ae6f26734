// The add/edit birthday window: name, solar or lunar reminder, the date with its leap-month
// mark, the contact, and the lunar month calendar. It is made anew at each opening; what it
// does is BirthdayWindowLogic's.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/form.h"
#include "window_logic/birthday_window_logic.h"
#include "window_logic/records_context.h"

namespace memo::ui {

// Runs work while the program's records are held, so that no other thread changes them
// meanwhile.
using RecordsGuard = std::function<void(const std::function<void()>& work)>;

class BirthdayWindow : private BirthdayForm {
 public:
  // For a new friend, or for editing the friend of this rowid.
  BirthdayWindow(RecordsContext& records, RecordsGuard guard,
                 int64_t editedFriend = BirthdayWindowLogic::kNewFriend);

  // Modal; returns once the window is closed.
  void OpenModal(HWND owner);
  // Without modality, for editing; the window deletes itself once it is closed, after
  // running `onSaved` when its 确定 stored the friend.
  static void OpenForEditing(HWND owner, RecordsContext& records, RecordsGuard guard, int64_t rowid,
                             std::function<void()> onSaved);

  bool Saved() const { return logic_.Saved(); }

 private:
  void BindEvents();
  // Shows one of the two date boxes (the picker or the lunar text) and hides the other.
  void ShowDateBox(int shown);

  // BirthdayForm
  std::string NameText() const override;
  void SetNameText(const std::string& text) override;
  std::string ContactText() const override;
  void SetContactText(const std::string& text) override;
  std::string CalledAsText() const override;
  void SetCalledAsText(const std::string& text) override;
  std::string GroupsText() const override;
  void SetGroupsText(const std::string& text) override;
  std::string NoteText() const override;
  void SetNoteText(const std::string& text) override;
  bool NoYearChosen() const override;
  void ChooseNoYear(bool noYear) override;
  std::optional<size_t> PickFromMenu(const std::vector<std::string>& items,
                                     const std::vector<bool>& checked) override;
  bool LunarChosen() const override;
  void ChooseLunar(bool lunar) override;
  DateTime SolarDate() const override;
  void ShowSolarDate(DateTime date) override;
  void ShowLunarDate(const std::string& text) override;
  void ShowLeap(bool leap) override;
  void SetCaption(const std::string& text) override;
  void FocusName() override;
  void Warn(const std::string& text) override;
  void Close() override;
  DayNumber CalendarDay() const override;
  memo::LunarDate CalendarLunarDay() const override;
  void SelectCalendarDay(DayNumber day) override;
  void SetCalendarSolarMode(bool solar) override;
  bool CalendarShown() const override;
  void ShowCalendar(bool shown) override;

  mutable Form form_;
  RecordsGuard guard_;
  BirthdayWindowLogic logic_;
};

}  // namespace memo::ui
