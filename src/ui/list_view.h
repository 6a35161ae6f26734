// A report-style list whose rows live in the program: the list view asks for the texts of
// the rows it draws. Each row carries the id of what it shows (a friend's rowid), so that
// commands address friends, not positions. Any thread may change the rows (the background
// worker fills them); the list view is told on the user-interface thread. Texts are GBK.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "report/upcoming_order.h"
#include "ui/control.h"
#include "ui/design.h"
#include "window_logic/friend_list_view.h"
#include "window_logic/upcoming_list_view.h"

namespace memo::ui {

struct ListRow {
  int64_t id = 0;
  std::vector<std::string> cells;
};

class ListView : public Control {
 public:
  bool Create(const CreateArgs& args);
  bool TakesFocus() const override { return true; }
  // Set before the window is made.
  void SetColumns(const ColumnDesign* columns, size_t count);

  // Replaces every row, and forgets the selection and the focus mark.
  void SetRows(std::vector<ListRow> rows);
  // Replaces the row of `id`, or appends the row when there is none.
  void PutRow(int64_t id, ListRow row);
  // Removes the rows of these ids; the rows after them move up, selection and all.
  void RemoveRows(const std::vector<int64_t>& ids);
  // Shows only the rows at these places, or every row again; a list view of owner data is
  // told only the new count. A change of the rows shown forgets the selection.
  void ShowOnly(std::vector<uint32_t> places);
  void ShowAll();
  // Puts the focus on the list and selects the first row shown, when nothing is selected.
  void FocusFirstRow();
  // The id of the row with the focus mark and of the selected rows, in list order; 0 and
  // nothing when there are none. Asked of the user-interface thread, which they wait for.
  int64_t CurrentId() const;
  std::vector<int64_t> SelectedIds() const;
  // The id of the row at a position; 0 outside the rows.
  int64_t IdAt(int row) const;

  // Columns after the designed ones, shown at the user's wish, each showing the rows' cell
  // of that number.
  bool CellColumnShown(int cell) const;
  void ShowCellColumn(const char* caption, int width, int cell, bool shown);

  // The header's arrow on this column (-1: on none), pointing up for an ascending order.
  void ShowSortArrow(int column, bool ascending);

  // A click on a column's header; set before the window is made, or the headers do not
  // react to clicks.
  std::function<void(int column)> onColumnClick;
  // A row newly carries the focus mark.
  std::function<void(int row)> onCurrentRowChanged;
  std::function<void()> onDoubleClick;
  std::function<void()> onEnterKey;
  // Any other key pressed in the list (a virtual-key code); the Menu key asks for the
  // context menu instead.
  std::function<void(WORD key)> onKeyDown;
  // A right click on the column headers; without it they give the rows' context menu.
  std::function<void()> onHeaderMenu;

  // Where a context menu asked for from the keyboard opens, on the screen: below the row with
  // the focus mark, or at the list's top left.
  POINT KeyboardMenuPoint() const;

 protected:
  LRESULT OnNotify(NMHDR* header) override;
  // A new size fits the columns to it. The Menu key's release is dropped: the menu opened
  // when the key went down, and the system's default handling would open it again. The
  // headers' context menu goes to onHeaderMenu.
  bool DropsMessage(UINT message, WPARAM wParam) override;
  void OnDpiChanged(const Dpi& dpi) override;

 private:
  std::string Cell(int row, int column) const;
  // The place in rows_ of a row shown; -1 outside them. With mutex_ held.
  int PlaceOf(int row) const;
  // Forgets the selection and brings the count up to date, on the user-interface thread.
  void Reshow();
  // Brings the list view's row count up to date and redraws it, once for many changes.
  void RequestRefresh();
  void Refresh();
  void SetColumnWidths(const Dpi& dpi);
  // The place among the columns of the one showing this cell; -1 when none does.
  int ColumnOfCell(int cell) const;

  const ColumnDesign* columns_ = nullptr;
  size_t columnCount_ = 0;
  mutable std::mutex mutex_;
  std::vector<ListRow> rows_;
  std::optional<std::vector<uint32_t>> shown_;  // the places shown; every row without
  bool refreshPending_ = false;
};

// The friend list on a list view.
class FriendListControl : public FriendListView {
 public:
  explicit FriendListControl(ListView& list) : list_(list) {}
  void ShowFriends(const std::vector<Friend>& friends, const TodayDates& today,
                   AgeForm ageForm) override;
  void ShowOnly(std::vector<uint32_t> places) override { list_.ShowOnly(std::move(places)); }
  void ShowAll() override { list_.ShowAll(); }
  void PutFriend(int64_t rowid, const Friend& person, const TodayDates& today,
                 AgeForm ageForm) override;
  void RemoveFriends(const std::vector<int64_t>& rowids) override;

  // The 称呼 and 分组 cells after the designed columns' ones, for the columns the header's
  // menu shows.
  static constexpr int kCalledAsCell = 7, kGroupsCell = 8;

 private:
  static std::vector<std::string> Cells(const Friend& person, const TodayDates& today,
                                        AgeForm ageForm);
  ListView& list_;
};

// The upcoming list on a list view; a click on its 倒计时 or 姓名 header sorts it.
class UpcomingListControl : public UpcomingListView {
 public:
  // Before the list view's window is made: its headers take clicks.
  explicit UpcomingListControl(ListView& list);
  void ShowEntries(const std::vector<UpcomingEntry>& entries) override;

 private:
  // The entries shown, in the order chosen.
  void Show();

  ListView& list_;
  std::mutex mutex_;
  std::vector<UpcomingEntry> entries_;
  UpcomingOrder order_;
};

}  // namespace memo::ui
