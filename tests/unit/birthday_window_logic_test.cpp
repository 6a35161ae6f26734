// The add/edit birthday window's operations over an in-memory form that holds the real
// month calendar model, with the friend list over a real SQLite file.
#include "window_logic/birthday_window_logic.h"

#include <gtest/gtest.h>

#include <memory>

#include "calendar/lunar_month_calendar.h"
#include "records_fixture.h"

namespace memo {
namespace {

using Names = std::vector<std::string>;

// The controls as the design leaves them, and a calendar that delivers its queued events
// after each click, as the window's message loop does.
class MemoryBirthdayForm : public BirthdayForm, private CalendarEventSink {
  std::vector<CalendarNotice> queued_;  // before the calendar, which queues as it starts

 public:
  MemoryBirthdayForm() : calendar(DayNumberOf(Now()), DesignData(), this) { queued_.clear(); }

  std::string NameText() const override { return name; }
  void SetNameText(const std::string& text) override { name = text; }
  std::string ContactText() const override { return contact; }
  void SetContactText(const std::string& text) override { contact = text; }
  std::string CalledAsText() const override { return calledAs; }
  void SetCalledAsText(const std::string& text) override { calledAs = text; }
  std::string GroupsText() const override { return groups; }
  void SetGroupsText(const std::string& text) override { groups = text; }
  std::string NoteText() const override { return note; }
  void SetNoteText(const std::string& text) override { note = text; }
  bool NoYearChosen() const override { return noYear; }
  void ChooseNoYear(bool value) override { noYear = value; }
  std::optional<size_t> PickFromMenu(const std::vector<std::string>& items,
                                     const std::vector<bool>& checked) override {
    menu.clear();
    for (size_t i = 0; i < items.size(); ++i) menu += (checked[i] ? "√" : "") + items[i] + " ";
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i] == menuChoice) return i;
    }
    return std::nullopt;
  }
  bool LunarChosen() const override { return lunar; }
  void ChooseLunar(bool value) override { lunar = value; }
  DateTime SolarDate() const override { return solarDate; }
  void ShowSolarDate(DateTime value) override {
    if (YearOf(value) >= 1601) solarDate = value;  // as the date picker keeps what it can
    lunarBox = false;
  }
  void ShowLunarDate(const std::string& text) override {
    lunarText = text;
    lunarBox = true;
  }
  void ShowLeap(bool leap) override { leapChecked = leapShown = leap; }
  void SetCaption(const std::string& text) override { caption = text; }
  void FocusName() override { nameFocused = true; }
  void Warn(const std::string& text) override { warnings.push_back(text); }
  void Close() override { closed = true; }
  DayNumber CalendarDay() const override { return calendar.SelectedDay(); }
  LunarDate CalendarLunarDay() const override { return calendar.SelectedLunarDay(); }
  void SelectCalendarDay(DayNumber day) override {
    calendar.SelectDay(day, true);
    queued_.clear();  // nobody here handles the selection change
  }
  void SetCalendarSolarMode(bool solar) override { calendar.SetSolarMode(solar); }
  bool CalendarShown() const override { return calendarShown; }
  void ShowCalendar(bool shown) override { calendarShown = shown; }

  // A click on the grid's cell of this solar date; the picked-day event goes to `picked`.
  void ClickDay(int year, int month, int day, const std::function<void()>& picked) {
    int cell = 0;
    while (cell < LunarMonthCalendar::kCellCount && !(calendar.Cells()[cell].solar.year == year &&
                                                      calendar.Cells()[cell].solar.month == month &&
                                                      calendar.Cells()[cell].solar.day == day)) {
      ++cell;
    }
    ASSERT_LT(cell, LunarMonthCalendar::kCellCount) << "the day is not in the grid";
    calendar.LeftButtonReleased(cell);
    std::vector<CalendarNotice> notices;
    notices.swap(queued_);
    for (const CalendarNotice& notice : notices) {
      if (notice.event == CalendarEvent::kDayPicked) picked();
    }
  }

  // The date box as it shows: the lunar text, or the picker's date.
  std::string DateShown() const { return lunarBox ? lunarText : DateToText(solarDate); }

  std::string name;  // the sample name and number are hints, no content
  std::string contact;
  std::string calledAs, groups, note;
  bool noYear = false;
  std::string menu, menuChoice;  // the menu last shown, and the item to choose from it
  std::string caption = "添加好友生日";
  bool lunar = true;
  DateTime solarDate = MakeDateTime(2000, 1, 1);
  std::string lunarText;
  bool lunarBox = true;
  bool leapChecked = false, leapShown = false;
  bool calendarShown = false;
  bool nameFocused = false;
  std::vector<std::string> warnings;
  bool closed = false;
  LunarMonthCalendar calendar;

 private:
  static CalendarStoredData DesignData() {
    CalendarStoredData data;
    data.day = DayNumber::FromCivil(2012, 1, 12);
    return data;
  }
  void Raise(const CalendarNotice&) override {}
  void Queue(const CalendarNotice& notice) override { queued_.push_back(notice); }
};

class BirthdayWindowTest : public testing::RecordsFixture {
 protected:
  // Opens the window as the program does: the form, then its created event.
  BirthdayWindowLogic& Open(int64_t editedFriend = BirthdayWindowLogic::kNewFriend) {
    form = std::make_unique<MemoryBirthdayForm>();
    logic = std::make_unique<BirthdayWindowLogic>(*form, context, editedFriend);
    logic->OnCreated();
    return *logic;
  }
  void Pick(int year, int month, int day) {
    form->ClickDay(year, month, day, [this] { logic->OnCalendarDatePicked(); });
  }
  std::vector<Friend> Stored() {
    FriendRepository reader(errors);
    std::vector<Friend> stored;
    if (reader.Open(folder.path())) reader.Load(SortCode::kStored, stored);
    return stored;
  }
  Names StoredBirthdays() {
    Names texts;
    for (const Friend& person : Stored()) texts.push_back(person.birthday.text);
    return texts;
  }

  std::unique_ptr<MemoryBirthdayForm> form;
  std::unique_ptr<BirthdayWindowLogic> logic;
};

TEST_F(BirthdayWindowTest, NewFriendStartsOnToday) {
  On(2024, 2, 10);
  Open();
  EXPECT_EQ(form->DateShown(), "2024年正月初一");
  EXPECT_FALSE(form->leapShown);
  EXPECT_EQ(DateToText(DateTimeOf(form->CalendarDay())), "2024年2月10日");
  EXPECT_TRUE(form->nameFocused);
  EXPECT_EQ(form->caption, "添加好友生日");
  EXPECT_FALSE(form->calendarShown);

  // Today in a leap month: the box says so.
  On(2023, 4, 1);
  Open();
  EXPECT_EQ(form->DateShown(), "2023年闰二月十一");
  EXPECT_TRUE(form->leapShown && form->leapChecked);

  // Lunar 二月三十 is a day like any other.
  On(2023, 3, 21);
  Open();
  EXPECT_EQ(form->DateShown(), "2023年二月三十");
  EXPECT_FALSE(form->leapShown);
}

TEST_F(BirthdayWindowTest, SwitchesAndTheCalendarButton) {
  On(2023, 4, 1);
  Open();
  form->lunar = false;  // the click on 公历 has checked it
  logic->OnSolarChosen();
  EXPECT_EQ(form->DateShown(), "2023年4月1日");
  EXPECT_FALSE(form->leapShown || form->leapChecked);
  EXPECT_TRUE(form->calendar.SolarMode());
  EXPECT_FALSE(form->calendarShown);

  form->lunar = true;
  logic->OnLunarChosen();
  EXPECT_EQ(form->DateShown(), "2023年闰二月十一");
  EXPECT_TRUE(form->leapChecked);
  EXPECT_FALSE(form->calendar.SolarMode());

  // The leap-month box tells the date's month: a click leaves it as it was.
  form->leapChecked = false;
  logic->OnLeapClicked();
  EXPECT_TRUE(form->leapChecked && form->leapShown);

  // The button takes the mode from the radio buttons, then toggles.
  form->lunar = false;
  logic->OnCalendarButton();
  EXPECT_TRUE(form->calendarShown);
  EXPECT_TRUE(form->calendar.SolarMode());
  logic->OnCalendarButton();
  EXPECT_FALSE(form->calendarShown);
  form->lunar = true;
  logic->OnCalendarButton();
  EXPECT_TRUE(form->calendarShown);
  EXPECT_FALSE(form->calendar.SolarMode());

  // A click on the window's background hides the calendar, and leaves it hidden.
  logic->OnWindowClick();
  EXPECT_FALSE(form->calendarShown);
  logic->OnWindowClick();
  EXPECT_FALSE(form->calendarShown);
}

// 公历 and 农历 show the same day in the other calendar, and switching back gives the day
// again; a date without a day in the other calendar gives today's.
TEST_F(BirthdayWindowTest, SwitchingConvertsTheDate) {
  On(2024, 6, 1);  // lunar 2024 四月廿五
  const struct {
    const char* stored;
    bool lunar;
    const char *other, *back;
    bool otherLeap;
  } cases[] = {
      {"1988年6月25日", false, "1988年五月十二", "1988年6月25日", false},
      {"2023年2月15日[闰月]", true, "2023年4月5日", "2023年闰二月十五", false},
      {"2023年4月5日", false, "2023年闰二月十五", "2023年4月5日", true},
      {"2004年2月30日", true, "2004年3月20日", "2004年二月三十", false},
      {"1850年3月1日", false, "2024年四月廿五", "2024年6月1日", false},
      {"1980年2月30日", true, "2024年6月1日", "2024年四月廿五", false},  // no such day
      {"garbage", true, "2024年6月1日", "2024年四月廿五", false},
  };
  for (const auto& c : cases) {
    Add("甲", c.stored, c.lunar);
    Open(RowId(static_cast<int>(friends.rows.size()) - 1));
    form->lunar = !c.lunar;
    c.lunar ? logic->OnSolarChosen() : logic->OnLunarChosen();
    EXPECT_EQ(form->DateShown(), c.other) << c.stored;
    EXPECT_EQ(form->leapShown, c.otherLeap) << c.stored;
    // The calendar follows the box: its … shows the converted day.
    EXPECT_EQ(DateTimeOf(form->CalendarDay()), c.lunar ? form->solarDate : DateFromText(c.back))
        << c.stored;
    c.lunar ? logic->OnSolarChosen() : logic->OnLunarChosen();  // the same button again
    EXPECT_EQ(form->DateShown(), c.other) << c.stored;
    form->lunar = c.lunar;
    c.lunar ? logic->OnLunarChosen() : logic->OnSolarChosen();
    EXPECT_EQ(form->DateShown(), c.back) << c.stored;
  }
}

TEST_F(BirthdayWindowTest, PickedDayGoesIntoTheDateBox) {
  On(2023, 3, 25);
  Open();
  logic->OnCalendarButton();
  // The grid shows 闰二月 (2023-03-22 .. 2023-04-19); 2023-03-20 lies outside it.
  Pick(2023, 3, 20);
  EXPECT_EQ(form->DateShown(), "2023年闰二月初四");
  EXPECT_TRUE(form->calendarShown);

  Pick(2023, 4, 5);
  EXPECT_EQ(form->DateShown(), "2023年闰二月十五");
  EXPECT_TRUE(form->leapShown && form->leapChecked);
  EXPECT_FALSE(form->calendarShown);

  // 闰二月廿九, which no Gregorian date text can carry, is a day like any other.
  logic->OnCalendarButton();
  Pick(2023, 4, 19);
  EXPECT_EQ(form->DateShown(), "2023年闰二月廿九");
  EXPECT_FALSE(form->calendarShown);

  // In solar mode the solar date is taken; the leap box still tells the lunar month.
  form->lunar = false;
  logic->OnSolarChosen();
  EXPECT_EQ(form->DateShown(), "2023年4月19日");
  logic->OnCalendarButton();
  Pick(2023, 4, 18);
  EXPECT_EQ(form->DateShown(), "2023年4月18日");
  EXPECT_TRUE(form->leapChecked);
  form->calendar.SelectDay(DayNumber::FromCivil(2023, 5, 3), true);
  logic->OnCalendarButton();
  Pick(2023, 5, 20);
  EXPECT_EQ(form->DateShown(), "2023年5月20日");
  EXPECT_FALSE(form->leapShown || form->leapChecked);
}

TEST_F(BirthdayWindowTest, OkAddsTheFriendAtTheEnd) {
  On(2023, 4, 1);
  Add("张三", "1980年5月3日", false);
  Open();
  form->name = "李四";
  form->contact = "qq 123";
  logic->OnCalendarButton();
  Pick(2023, 4, 19);  // 闰二月廿九
  ASSERT_FALSE(logic->RefusesEmptyName());
  logic->OnOk();
  EXPECT_TRUE(form->closed);
  EXPECT_TRUE(logic->Saved());
  EXPECT_EQ(Row(1), (Names{"李四", "2023年闰二月廿九", "农历", "0岁", "兔", "白羊座", "qq 123"}));
  std::vector<Friend> stored = Stored();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[1].name, "李四");
  EXPECT_EQ(stored[1].birthday.text, "2023年2月29日[闰月]");
  EXPECT_TRUE(stored[1].birthday.lunar());
  EXPECT_EQ(stored[1].contact, "qq 123");
  EXPECT_EQ(statusBar.parts[1], "当前记录数：2");

  // An empty name is refused and the window stays open; an empty contact is saved.
  Open();
  form->lunar = false;
  logic->OnSolarChosen();
  EXPECT_TRUE(logic->RefusesEmptyName());
  EXPECT_EQ(form->warnings, std::vector<std::string>{"请输入姓名"});
  EXPECT_TRUE(form->nameFocused);
  EXPECT_FALSE(form->closed);
  form->name = "王";
  ASSERT_FALSE(logic->RefusesEmptyName());
  logic->OnOk();
  EXPECT_EQ(form->warnings.size(), 1u);
  EXPECT_EQ(Row(2), (Names{"王", "2023年4月1日", "公历", "0岁", "兔", "白羊座", ""}));
  EXPECT_EQ(StoredBirthdays(), (Names{"1980年5月3日", "2023年2月29日[闰月]", "2023年4月1日"}));

  // 取消 saves nothing.
  Open();
  EXPECT_FALSE(logic->Saved());
  EXPECT_EQ(friends.rows.size(), 3u);
}

TEST_F(BirthdayWindowTest, EditShowsTheRowAndSavesItBack) {
  On(2024, 6, 1);
  Add("张三", "1980年5月3日", false, "123");
  Add("王五", "2023年2月11日[闰月]", true, "qq");
  Add("赵六", "1990年8月15日", true);
  Add("钱七", "2004-2-30", true);
  LoadFriendList(context, 1);  // 钱七 王五 张三 赵六
  const Names before = Row(1);

  Open(RowId(1));
  EXPECT_EQ(form->caption, "修改生日");
  EXPECT_EQ(form->name, "王五");
  EXPECT_EQ(form->contact, "qq");
  EXPECT_EQ(form->DateShown(), "2023年闰二月十一");
  EXPECT_TRUE(form->leapShown && form->leapChecked);
  EXPECT_TRUE(form->lunar);
  EXPECT_EQ(DateToText(DateTimeOf(form->CalendarDay())), "2023年4月1日");
  EXPECT_TRUE(form->CalendarLunarDay().isLeapMonth);
  EXPECT_TRUE(form->nameFocused);
  logic->OnOk();
  EXPECT_EQ(Row(1), before);
  EXPECT_EQ(StoredBirthdays(),
            (Names{"1980年5月3日", "2023年2月11日[闰月]", "1990年8月15日", "2004-2-30"}));

  // A solar row: the calendar shows the date itself.
  Open(RowId(2));
  EXPECT_FALSE(form->lunar);
  EXPECT_FALSE(form->leapShown);
  EXPECT_EQ(DateToText(DateTimeOf(form->CalendarDay())), "1980年5月3日");
  form->name = "张三丰";
  logic->OnOk();

  // A lunar row: the calendar shows the solar day of the lunar date.
  Open(RowId(3));
  EXPECT_TRUE(form->lunar);
  EXPECT_EQ(DateToText(DateTimeOf(form->CalendarDay())), "1990年10月3日");
  logic->OnOk();

  // Born on lunar 二月三十, stored in a form of its own: shown as people write it, and
  // saved back as it was stored.
  Open(RowId(0));
  EXPECT_EQ(form->DateShown(), "2004年二月三十");
  EXPECT_EQ(DateToText(DateTimeOf(form->CalendarDay())), "2004年3月20日");
  logic->OnOk();

  // Only the edited friend changed, in the list and in the table.
  EXPECT_EQ(Column(0), (Names{"钱七", "王五", "张三丰", "赵六"}));
  std::vector<Friend> stored = Stored();
  ASSERT_EQ(stored.size(), 4u);
  EXPECT_EQ(stored[0].name, "张三丰");
  EXPECT_EQ(stored[0].contact, "123");
  EXPECT_EQ(stored[1].name, "王五");
  EXPECT_EQ(stored[2].name, "赵六");
  EXPECT_EQ(stored[2].birthday.text, "1990年8月15日");
  EXPECT_EQ(stored[3].birthday.text, "2004-2-30");
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(BirthdayWindowTest, EditWritesOnlyTheFriendItOpenedWith) {
  On(2024, 6, 1);
  Add("张三", "1980年5月3日", false);
  Add("王五", "2023年2月11日[闰月]", true);
  Add("赵六", "1990年8月15日", true);
  Add("李四", "1985年1月1日", false);
  LoadFriendList(context, 0);  // 张三 王五 赵六 李四
  auto open = [this](MemoryBirthdayForm& form, int row) {
    auto logic = std::make_unique<BirthdayWindowLogic>(form, context, RowId(row));
    logic->OnCreated();
    return logic;
  };
  MemoryBirthdayForm wangForm, zhaoForm, liForm;
  auto wang = open(wangForm, 1);
  auto zhao = open(zhaoForm, 2);  // a second edit while the first is open
  auto li = open(liForm, 3);
  ASSERT_EQ(wangForm.name, "王五");
  ASSERT_EQ(zhaoForm.name, "赵六");

  // Meanwhile the list is re-sorted and friends are deleted.
  LoadFriendList(context, 1);                                  // 李四 王五 张三 赵六
  ASSERT_EQ(DeleteFriends(context, {RowId(0), RowId(2)}), 2);  // 李四, 张三
  ASSERT_EQ(Column(0), (Names{"王五", "赵六"}));

  wangForm.contact = "新号码";
  wang->OnOk();
  zhaoForm.name = "赵六六";
  zhao->OnOk();
  EXPECT_EQ(Row(0), (Names{"王五", "2023年闰二月十一", "农历", "1岁", "兔", "白羊座", "新号码"}));
  EXPECT_EQ(Row(1), (Names{"赵六六", "1990年八月十五", "农历", "33岁", "马", "天秤座", ""}));

  // The friend of the third window is gone: its 确定 brings nobody back.
  li->OnOk();
  EXPECT_TRUE(liForm.closed);
  EXPECT_FALSE(li->Saved());
  EXPECT_EQ(friends.rows.size(), 2u);
  std::vector<Friend> stored = Stored();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].name, "王五");
  EXPECT_EQ(stored[0].contact, "新号码");
  EXPECT_EQ(stored[1].name, "赵六六");
  EXPECT_EQ(stored[1].contact, "");
  EXPECT_TRUE(errors.texts.empty());
}

}  // namespace
}  // namespace memo

namespace memo {
namespace {

// 不知道年份 keeps the month and day of either calendar; the details are stored with the friend
// and shown again for an edit; the 分组 button adds and takes out groups.
TEST_F(BirthdayWindowTest, BirthdayWithoutAYearAndTheDetails) {
  On(2024, 2, 10);
  Open();
  form->name = "王丽";
  form->lunar = false;
  logic->OnSolarChosen();
  form->solarDate = MakeDateTime(1966, 5, 1);
  form->noYear = true;
  form->calledAs = " 妈妈 ";
  form->groups = "家人，家人; 球友";
  form->note = "喜欢兰花\n不吃辣";
  form->menuChoice = "亲戚";
  logic->OnGroupsButton();
  EXPECT_EQ(form->menu, "√家人 亲戚 同事 同学 朋友 √球友 ");
  EXPECT_EQ(form->groups, "家人、球友、亲戚");
  form->menuChoice = "球友";
  logic->OnGroupsButton();
  EXPECT_EQ(form->groups, "家人、亲戚");
  logic->OnOk();
  ASSERT_EQ(Stored().size(), 1u);
  const Friend stored = Stored()[0];
  EXPECT_EQ(stored.birthday.text, "5月1日");
  EXPECT_EQ(stored.calledAs + "|" + stored.groups + "|" + stored.note,
            "妈妈|家人、亲戚|喜欢兰花\n不吃辣");
  EXPECT_EQ(Row(0)[0], "王丽（妈妈）");

  Open(stored.rowid);
  EXPECT_TRUE(form->noYear);
  EXPECT_EQ(form->DateShown(), "2000年5月1日");
  EXPECT_EQ(form->calledAs, "妈妈");
  form->lunar = true;
  logic->OnLunarChosen();  // 2000-05-01 is lunar 2000-03-27
  EXPECT_EQ(form->DateShown(), "2000年三月廿七");
  logic->OnOk();
  EXPECT_EQ(StoredBirthdays(), Names{"3月27日"});
  Open(stored.rowid);
  EXPECT_EQ(form->DateShown(), "三月廿七");
  form->noYear = false;
  logic->OnOk();
  EXPECT_EQ(StoredBirthdays(), Names{"3月27日"});  // no year to give it back
}

}  // namespace
}  // namespace memo
