// A report-style list whose rows live in the program: the list view asks for the texts of
// the rows it draws. Any thread may change the rows (the background worker fills them);
// the list view is told on the user-interface thread. Texts are GBK.
#pragma once

#include <mutex>
#include <vector>

#include "records/text_rows.h"
#include "ui/control.h"

namespace memo::ui {

class ListView : public Control, public memo::TextRows {
 public:
  using Control::Control;
  bool TakesFocus() const override { return true; }
  // Set before the window is made.
  void SetColumns(const ColumnDesign* columns, size_t count);

  int RowCount() const override;
  void Clear() override;
  int AppendRow() override;
  void RemoveRow(int row) override;
  std::string Cell(int row, int column) const override;
  void SetCell(int row, int column, const std::string& text) override;
  int CurrentRow() const override;
  std::vector<int> SelectedRows() const override;

  // A row newly carries the focus mark.
  std::function<void(int row)> onCurrentRowChanged;
  std::function<void()> onDoubleClick;

 protected:
  void Create(Form& form) override;
  LRESULT OnNotify(NMHDR* header) override;
  void OnDpiChanged(const Dpi& dpi) override;

 private:
  // Brings the list view's row count up to date and redraws it, once for many changes.
  void RequestRefresh();
  void Refresh();
  void SetColumnWidths(const Dpi& dpi);

  const ColumnDesign* columns_ = nullptr;
  size_t columnCount_ = 0;
  mutable std::mutex mutex_;
  std::vector<std::vector<std::string>> rows_;
  bool refreshPending_ = false;
};

}  // namespace memo::ui
