#include "ui/list_view.h"

#include <algorithm>

#include "text/win32/wide_text.h"
#include "ui/ui_thread.h"

namespace memo::ui {

void ListView::SetColumns(const ColumnDesign* columns, size_t count) {
  columns_ = columns;
  columnCount_ = count;
}

bool ListView::Create(const CreateArgs& args) {
  // Several rows can be selected; the selection shows also without the focus, so that the
  // rows 编辑 and 删除 work on stay in sight; the column headers react to clicks only where
  // they sort.
  if (!CreateChild(args, WC_LISTVIEWW,
                   WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS |
                       (onColumnClick ? 0 : LVS_NOSORTHEADER),
                   WS_EX_CLIENTEDGE)) {
    return false;
  }
  SendMessageW(window_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  SendMessageW(window_, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
  SendMessageW(window_, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
  for (size_t i = 0; i < columnCount_; ++i) {
    std::wstring caption = Wide(columns_[i].caption);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = caption.data();
    column.cx = args.host->CurrentDpi().Scale(columns_[i].width);
    column.iSubItem = static_cast<int>(i);
    SendMessageW(window_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  Refresh();
  return true;
}

void ListView::OnDpiChanged(const Dpi& dpi) {
  SetColumnWidths(dpi);
}

bool ListView::DropsMessage(UINT message, WPARAM wParam) {
  if (message == WM_SIZE && host_) SetColumnWidths(host_->CurrentDpi());
  // A right click on the headers asks for their own menu, not the rows'.
  if (message == WM_CONTEXTMENU && onHeaderMenu &&
      reinterpret_cast<HWND>(wParam) ==
          reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETHEADER, 0, 0))) {
    onHeaderMenu();
    return true;
  }
  return message == WM_KEYUP && wParam == VK_APPS;
}

POINT ListView::KeyboardMenuPoint() const {
  POINT at = {0, 0};
  const int row = static_cast<int>(SendMessageW(window_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
  RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
  if (row >= 0 && SendMessageW(window_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds))) {
    at = {bounds.left, bounds.bottom};
  }
  ClientToScreen(window_, &at);
  return at;
}

// The design's widths at the DPI, except that the last column gives up what the list's width
// leaves no room for, so that no horizontal scroll bar comes. The room of a vertical scroll
// bar is kept whether one shows or not: the widths stay as rows come and go.
void ListView::SetColumnWidths(const Dpi& dpi) {
  if (columnCount_ == 0) return;
  RECT client;
  GetClientRect(window_, &client);
  int room = client.right;
  if (!(GetWindowLongPtrW(window_, GWL_STYLE) & WS_VSCROLL)) room -= VerticalScrollBarWidth(dpi);
  for (size_t i = 0; i < columnCount_; ++i) {
    int width = dpi.Scale(columns_[i].width);
    if (i + 1 == columnCount_ && client.right > 0) width = std::max(0, std::min(width, room));
    room -= width;
    SendMessageW(window_, LVM_SETCOLUMNWIDTH, i, width);
  }
}

int ListView::ColumnOfCell(int cell) const {
  HWND header = reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETHEADER, 0, 0));
  const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LVCOLUMNW column = {};
    column.mask = LVCF_SUBITEM;
    if (SendMessageW(window_, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)) &&
        column.iSubItem == cell) {
      return i;
    }
  }
  return -1;
}

bool ListView::CellColumnShown(int cell) const {
  return ColumnOfCell(cell) >= 0;
}

void ListView::ShowCellColumn(const char* caption, int width, int cell, bool shown) {
  const int at = ColumnOfCell(cell);
  if (!shown) {
    if (at >= 0) SendMessageW(window_, LVM_DELETECOLUMN, at, 0);
    return;
  }
  if (at >= 0) return;
  HWND header = reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETHEADER, 0, 0));
  std::wstring text = Wide(caption);
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = text.data();
  column.cx = host_ ? host_->CurrentDpi().Scale(width) : width;
  column.iSubItem = cell;
  SendMessageW(window_, LVM_INSERTCOLUMNW, SendMessageW(header, HDM_GETITEMCOUNT, 0, 0),
               reinterpret_cast<LPARAM>(&column));
}

void ListView::SetRows(std::vector<ListRow> rows) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    rows_ = std::move(rows);
    shown_.reset();
  }
  Reshow();
}

void ListView::Reshow() {
  // Also forgets the selection and the focus mark.
  RunOnUi([this] {
    if (window_) SendMessageW(window_, LVM_DELETEALLITEMS, 0, 0);
    Refresh();
  });
}

void ListView::ShowOnly(std::vector<uint32_t> places) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (shown_ == places) return;
    shown_ = std::move(places);
  }
  Reshow();
}

void ListView::ShowAll() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!shown_) return;
    shown_.reset();
  }
  Reshow();
}

void ListView::FocusFirstRow() {
  RunOnUi([this] {
    if (!window_) return;
    SetFocus(window_);
    if (SendMessageW(window_, LVM_GETNEXTITEM, -1, LVNI_SELECTED) >= 0) return;
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(window_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
  });
}

void ListView::ShowSortArrow(int column, bool ascending) {
  RunOnUi([this, column, ascending] {
    if (!window_) return;
    HWND header = reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETHEADER, 0, 0));
    for (int i = 0; i < static_cast<int>(columnCount_); ++i) {
      HDITEMW item = {};
      item.mask = HDI_FORMAT;
      SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
      item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
      if (i == column) item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
      SendMessageW(header, HDM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  });
}

int ListView::PlaceOf(int row) const {
  const int count = static_cast<int>(shown_ ? shown_->size() : rows_.size());
  if (row < 0 || row >= count) return -1;
  return shown_ ? static_cast<int>((*shown_)[row]) : row;
}

void ListView::PutRow(int64_t id, ListRow row) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found =
        std::find_if(rows_.begin(), rows_.end(), [id](const ListRow& r) { return r.id == id; });
    if (found == rows_.end()) {
      rows_.push_back(std::move(row));
    } else {
      *found = std::move(row);
    }
  }
  RequestRefresh();
}

void ListView::RemoveRows(const std::vector<int64_t>& ids) {
  std::vector<int> removed;  // positions, last first
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int row = static_cast<int>(rows_.size()) - 1; row >= 0; --row) {
      if (std::find(ids.begin(), ids.end(), rows_[row].id) == ids.end()) continue;
      rows_.erase(rows_.begin() + row);
      removed.push_back(row);
    }
    // The places shown no longer hold: whoever narrowed the list shows it anew.
    if (shown_) {
      shown_->clear();
      removed.clear();
    }
  }
  // The list view moves the selection of the later rows up with each deletion.
  RunOnUi([this, removed] {
    for (int row : removed) {
      if (window_) SendMessageW(window_, LVM_DELETEITEM, row, 0);
    }
    Refresh();
  });
}

int64_t ListView::IdAt(int row) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const int place = PlaceOf(row);
  return place < 0 ? 0 : rows_[place].id;
}

std::string ListView::Cell(int row, int column) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const int place = PlaceOf(row);
  if (place < 0 || column < 0 || column >= static_cast<int>(rows_[place].cells.size())) {
    return std::string();
  }
  return rows_[place].cells[column];
}

int64_t ListView::CurrentId() const {
  int row = -1;
  RunOnUiAndWait([this, &row] {
    if (window_) row = static_cast<int>(SendMessageW(window_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
  });
  return IdAt(row);
}

std::vector<int64_t> ListView::SelectedIds() const {
  std::vector<int> rows;
  RunOnUiAndWait([this, &rows] {
    if (!window_) return;
    for (int row = -1;;) {
      row = static_cast<int>(SendMessageW(window_, LVM_GETNEXTITEM, row, LVNI_SELECTED));
      if (row < 0) break;
      rows.push_back(row);
    }
  });
  std::vector<int64_t> ids;
  for (int row : rows) {
    if (int64_t id = IdAt(row)) ids.push_back(id);
  }
  return ids;
}

void ListView::RequestRefresh() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (refreshPending_) return;
    refreshPending_ = true;
  }
  RunOnUiLater([this] { Refresh(); });
}

void ListView::Refresh() {
  size_t count;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    refreshPending_ = false;
    count = shown_ ? shown_->size() : rows_.size();
  }
  if (!window_) return;
  SendMessageW(window_, LVM_SETITEMCOUNT, count, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  InvalidateRect(window_, nullptr, FALSE);
}

LRESULT ListView::OnNotify(NMHDR* header) {
  switch (header->code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
      if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        lstrcpynW(item.pszText, Wide(Cell(item.iItem, item.iSubItem)).c_str(), item.cchTextMax);
      }
      return 0;
    }
    case LVN_ITEMCHANGED: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      bool focusedNow = (change->uNewState & LVIS_FOCUSED) && !(change->uOldState & LVIS_FOCUSED);
      if (focusedNow && change->iItem >= 0 && onCurrentRowChanged) {
        onCurrentRowChanged(change->iItem);
      }
      return 0;
    }
    case NM_DBLCLK:
      if (onDoubleClick) onDoubleClick();
      return 0;
    case LVN_COLUMNCLICK:
      if (onColumnClick) onColumnClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      return 0;
    case NM_RETURN:
      if (onEnterKey) onEnterKey();
      return 0;
    case LVN_KEYDOWN: {
      const WORD key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
      if (key == VK_APPS) {
        if (onContextMenu) onContextMenu(true);
      } else if (onKeyDown) {
        onKeyDown(key);
      }
      return 0;
    }
  }
  return 0;
}

void FriendListControl::ShowFriends(const std::vector<Friend>& friends, const TodayDates& today,
                                    AgeForm ageForm) {
  std::vector<ListRow> rows;
  rows.reserve(friends.size());
  for (const Friend& person : friends) {
    rows.push_back({person.rowid, Cells(person, today, ageForm)});
  }
  list_.SetRows(std::move(rows));
}

std::vector<std::string> FriendListControl::Cells(const Friend& person, const TodayDates& today,
                                                  AgeForm ageForm) {
  std::vector<std::string> cells = FriendCells(person, today, ageForm);
  cells.push_back(person.calledAs);
  cells.push_back(person.groups);
  return cells;
}

void FriendListControl::PutFriend(int64_t rowid, const Friend& person, const TodayDates& today,
                                  AgeForm ageForm) {
  list_.PutRow(rowid, {person.rowid, Cells(person, today, ageForm)});
}

void FriendListControl::RemoveFriends(const std::vector<int64_t>& rowids) {
  list_.RemoveRows(rowids);
}

UpcomingListControl::UpcomingListControl(ListView& list) : list_(list) {
  list_.onColumnClick = [this](int column) {
    UpcomingOrder chosen;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      const std::optional<UpcomingOrder> clicked = UpcomingOrderOfHeaderClick(column, order_);
      if (!clicked) return;
      chosen = order_ = *clicked;
    }
    Show();
    list_.ShowSortArrow(chosen.column, chosen.ascending);
  };
}

void UpcomingListControl::ShowEntries(const std::vector<UpcomingEntry>& entries) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    entries_ = entries;
  }
  Show();
}

void UpcomingListControl::Show() {
  std::vector<ListRow> rows;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<UpcomingEntry> ordered = entries_;
    SortUpcomingEntries(ordered, order_);
    rows.reserve(ordered.size());
    for (const UpcomingEntry& entry : ordered) {
      rows.push_back({entry.person.rowid, UpcomingCells(entry)});
    }
  }
  list_.SetRows(std::move(rows));
}

}  // namespace memo::ui
