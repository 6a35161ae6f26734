// A friend list over a real SQLite file in a temporary folder, with in-memory lists and
// settings and recording outputs, as the program wires them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datetime/clock.h"
#include "datetime/gbk_text.h"
#include "reckoning/next_birthday.h"
#include "reckoning/upcoming_report.h"
#include "recorders.h"
#include "records/birthday_database.h"
#include "records/friend_editing.h"
#include "records/records_context.h"
#include "temp_folder.h"

namespace memo::testing {

class RecordsFixture : public ::testing::Test {
 protected:
  RecordsFixture() { database.OpenBirthdayDatabase(folder.path()); }
  ~RecordsFixture() override { SetClock(nullptr); }

  static void On(int year, int month, int day) { FixClock(MakeDateTime(year, month, day)); }

  // Adds a friend the way the add window does: a new list row, then SaveFriend.
  void Add(const std::string& name, const std::string& birthday, bool lunar,
           const std::string& contact = "") {
    const bool leap = FindText(birthday, kLeapMonthMark) != -1;
    SaveFriend(context, name, lunar, DateFromText(ReplaceText(birthday, kLeapMonthMark, "")),
               contact, friends.AppendRow(), leap);
  }

  std::vector<std::string> Column(const TextRows& rows, int column) const {
    std::vector<std::string> texts;
    for (int r = 0; r < rows.RowCount(); ++r) texts.push_back(rows.Cell(r, column));
    return texts;
  }

  std::vector<std::string> Row(const TextRows& rows, int row) const {
    std::vector<std::string> cells;
    for (int c = 0; c < 6; ++c) cells.push_back(rows.Cell(row, c));
    return cells;
  }

  TempFolder folder;
  RecordedErrors errors;
  BirthdayDatabase database{errors};
  MemoryTextRows friends{5};
  MemoryTextRows upcoming{6};
  RecordedStatusBar statusBar;
  MemorySettingsStore settings;
  RecordedReportView reportView;
  RecordedTray tray;
  RecordsContext context{database, friends,    upcoming, statusBar,
                         settings, reportView, tray,     ReportFilePath(folder.path())};
};

}  // namespace memo::testing
