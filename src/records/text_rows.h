// The seam between list logic and list controls: rows of text cells. The friend list and
// the upcoming list are filled through it; the program's implementation is a ListView,
// tests use MemoryTextRows. Rows and columns count from 0.
#pragma once

#include <string>
#include <vector>

namespace memo {

class TextRows {
 public:
  virtual ~TextRows() = default;
  virtual int RowCount() const = 0;
  virtual void Clear() = 0;
  // Appends an empty row at the end and returns its index (the row count before).
  virtual int AppendRow() = 0;
  // Removes row r; later rows move up by one.
  virtual void RemoveRow(int row) = 0;
  // An empty text for a cell outside the rows.
  virtual std::string Cell(int row, int column) const = 0;
  virtual void SetCell(int row, int column, const std::string& text) = 0;
  // The row with the focus mark, -1 when none.
  virtual int CurrentRow() const = 0;
  // All selected rows in ascending order.
  virtual std::vector<int> SelectedRows() const = 0;
};

class MemoryTextRows : public TextRows {
 public:
  explicit MemoryTextRows(int columns) : columns_(columns) {}

  int RowCount() const override { return static_cast<int>(rows_.size()); }
  void Clear() override {
    rows_.clear();
    selected_.clear();
    current_ = -1;
  }
  int AppendRow() override {
    rows_.emplace_back(columns_);
    selected_.push_back(false);
    return RowCount() - 1;
  }
  void RemoveRow(int row) override {
    if (row < 0 || row >= RowCount()) return;
    rows_.erase(rows_.begin() + row);
    selected_.erase(selected_.begin() + row);
    if (current_ == row)
      current_ = -1;
    else if (current_ > row)
      --current_;
  }
  std::string Cell(int row, int column) const override {
    if (row < 0 || row >= RowCount() || column < 0 || column >= columns_) return std::string();
    return rows_[row][column];
  }
  void SetCell(int row, int column, const std::string& text) override {
    if (row < 0 || row >= RowCount() || column < 0 || column >= columns_) return;
    rows_[row][column] = text;
  }
  int CurrentRow() const override { return current_; }
  std::vector<int> SelectedRows() const override {
    std::vector<int> rows;
    for (int r = 0; r < RowCount(); ++r) {
      if (selected_[r]) rows.push_back(r);
    }
    return rows;
  }

  void SetCurrentRow(int row) { current_ = row; }
  void Select(int row, bool selected = true) {
    if (row >= 0 && row < RowCount()) selected_[row] = selected;
  }
  int ColumnCount() const { return columns_; }

 private:
  int columns_;
  std::vector<std::vector<std::string>> rows_;
  std::vector<bool> selected_;
  int current_ = -1;
};

}  // namespace memo
