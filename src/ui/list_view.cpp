#include "ui/list_view.h"

#include "ui/form.h"
#include "ui/ui_thread.h"
#include "text/win32/wide_text.h"

namespace memo::ui {

void ListView::SetColumns(const ColumnDesign* columns, size_t count) {
  columns_ = columns;
  columnCount_ = count;
}

void ListView::Create(Form& form) {
  // Several rows can be selected; the selection shows only while the list has the focus;
  // the column headers do not react to clicks.
  CreateChild(form, WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_NOSORTHEADER,
              WS_EX_CLIENTEDGE);
  SendMessageW(window_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  SendMessageW(window_, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
  SendMessageW(window_, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
  for (size_t i = 0; i < columnCount_; ++i) {
    std::wstring caption = Wide(columns_[i].caption);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = caption.data();
    column.cx = form.CurrentDpi().Scale(columns_[i].width);
    column.iSubItem = static_cast<int>(i);
    SendMessageW(window_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  Refresh();
}

void ListView::OnDpiChanged(const Dpi& dpi) {
  SetColumnWidths(dpi);
}

void ListView::SetColumnWidths(const Dpi& dpi) {
  for (size_t i = 0; i < columnCount_; ++i) {
    SendMessageW(window_, LVM_SETCOLUMNWIDTH, i, dpi.Scale(columns_[i].width));
  }
}

int ListView::RowCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(rows_.size());
}

void ListView::Clear() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    rows_.clear();
  }
  // Also forgets the selection and the focus mark.
  RunOnUi([this] {
    if (window_) SendMessageW(window_, LVM_DELETEALLITEMS, 0, 0);
    Refresh();
  });
}

int ListView::AppendRow() {
  int row;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    row = static_cast<int>(rows_.size());
    rows_.emplace_back(columnCount_);
  }
  RequestRefresh();
  return row;
}

void ListView::RemoveRow(int row) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    rows_.erase(rows_.begin() + row);
  }
  // The list view moves the selection of the later rows up by one.
  RunOnUi([this, row] {
    if (window_) SendMessageW(window_, LVM_DELETEITEM, row, 0);
    Refresh();
  });
}

std::string ListView::Cell(int row, int column) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 ||
      column >= static_cast<int>(columnCount_)) {
    return std::string();
  }
  return rows_[row][column];
}

void ListView::SetCell(int row, int column, const std::string& text) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 ||
        column >= static_cast<int>(columnCount_)) {
      return;
    }
    rows_[row][column] = text;
  }
  RequestRefresh();
}

int ListView::CurrentRow() const {
  int row = -1;
  RunOnUiAndWait([this, &row] {
    if (window_) row = static_cast<int>(SendMessageW(window_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
  });
  return row;
}

std::vector<int> ListView::SelectedRows() const {
  std::vector<int> rows;
  RunOnUiAndWait([this, &rows] {
    if (!window_) return;
    for (int row = -1;;) {
      row = static_cast<int>(SendMessageW(window_, LVM_GETNEXTITEM, row, LVNI_SELECTED));
      if (row < 0) break;
      rows.push_back(row);
    }
  });
  return rows;
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
    count = rows_.size();
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
  }
  return 0;
}

}  // namespace memo::ui
