// The seam to the upcoming list: rows of six cells, one per upcoming entry. The program's
// view is a list view; tests and the command-line tool keep the cells in memory.
#pragma once

#include <string>
#include <vector>

#include "report/upcoming_entries.h"

namespace memo {

// Name, next birthday, 农历/公历, age, contact and the countdown ("今天生日", "明天生日",
// "还有N天过生日"), as typed.
std::vector<std::string> UpcomingCells(const UpcomingEntry& entry);

class UpcomingListView {
 public:
  virtual ~UpcomingListView() = default;
  // Shows these entries in place of the ones shown before.
  virtual void ShowEntries(const std::vector<UpcomingEntry>& entries) = 0;
};

class MemoryUpcomingList : public UpcomingListView {
 public:
  void ShowEntries(const std::vector<UpcomingEntry>& entries) override {
    rows.clear();
    for (const UpcomingEntry& entry : entries) rows.push_back(UpcomingCells(entry));
  }
  std::vector<std::vector<std::string>> rows;
};

}  // namespace memo
